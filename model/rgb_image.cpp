#include "model/rgb_image.h"

#include <cstddef>

namespace cs {

RgbImage FromRgba(const uint8_t* rgba, int width, int height, int bytesPerLine) {
  RgbImage out(width, height);
  for (int y = 0; y < height; ++y) {
    const uint8_t* p = rgba + static_cast<std::ptrdiff_t>(y) * bytesPerLine;
    for (int x = 0; x < width; ++x, p += 4) {
      const int a = p[3];
      const auto over = [a](int v) { return (v * a + 127) / 255; };
      out.set(x, y, rgb(over(p[0]), over(p[1]), over(p[2])));
    }
  }
  return out;
}

}  // namespace cs
