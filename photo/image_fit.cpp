#include "photo/image_fit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/picture.h"

namespace cs {

namespace {

// The source pixels one destination pixel reads along an axis, and their
// weights (summing to 1).
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

// Destination pixels d in [0, size) map to source coordinates (d + 0.5 -
// offset) / scale; those whose centre falls outside the scaled source get
// no taps (they stay border).
std::vector<Taps> tapsFor(int sourceSize, int size, double scale, double offset) {
  std::vector<Taps> taps(static_cast<std::size_t>(size));
  const double radius = std::max(1.0, 1.0 / scale);
  for (int d = 0; d < size; ++d) {
    const double centre = (d + 0.5 - offset) / scale;
    if (centre < 0 || centre >= sourceSize) continue;
    const int lo = std::max(0, static_cast<int>(std::ceil(centre - 0.5 - radius)));
    const int hi = std::min(sourceSize - 1, static_cast<int>(std::floor(centre - 0.5 + radius)));
    Taps& t = taps[static_cast<std::size_t>(d)];
    t.first = lo;
    double sum = 0;
    for (int s = lo; s <= hi; ++s) {
      const double w = std::max(0.0, 1.0 - std::fabs(s + 0.5 - centre) / radius);
      t.weights.push_back(static_cast<float>(w));
      sum += w;
    }
    if (sum <= 0) {  // a centre at the very edge: the nearest pixel alone
      t.first = std::clamp(static_cast<int>(centre), 0, sourceSize - 1);
      t.weights.assign(1, 1.0f);
      continue;
    }
    for (float& w : t.weights) w = static_cast<float>(w / sum);
  }
  return taps;
}

uint8_t toByte(float v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

RgbImage FitImage(const RgbImage& source, FitMode mode) {
  RgbImage out(kWidth, kLines);
  const int sw = source.width(), sh = source.height();
  if (sw <= 0 || sh <= 0) return out;
  const double sx = static_cast<double>(kWidth) / sw, sy = static_cast<double>(kLines) / sh;
  const double scale = mode == FitMode::Cover ? std::max(sx, sy) : std::min(sx, sy);
  const std::vector<Taps> across = tapsFor(sw, kWidth, scale, (kWidth - sw * scale) / 2);
  const std::vector<Taps> down = tapsFor(sh, kLines, scale, (kLines - sh * scale) / 2);

  // Rows first: every source row resampled to 256 columns, three floats per
  // pixel; then the columns.
  std::vector<float> rows(static_cast<std::size_t>(sh) * kWidth * 3);
  for (int y = 0; y < sh; ++y) {
    const Rgb* src = source.row(y);
    float* dst = rows.data() + static_cast<std::size_t>(y) * kWidth * 3;
    for (int x = 0; x < kWidth; ++x) {
      const Taps& t = across[static_cast<std::size_t>(x)];
      float r = 0, g = 0, b = 0;
      for (std::size_t i = 0; i < t.weights.size(); ++i) {
        const Rgb c = src[t.first + static_cast<int>(i)];
        r += t.weights[i] * static_cast<float>(red(c));
        g += t.weights[i] * static_cast<float>(green(c));
        b += t.weights[i] * static_cast<float>(blue(c));
      }
      dst[3 * x] = r;
      dst[3 * x + 1] = g;
      dst[3 * x + 2] = b;
    }
  }
  for (int y = 0; y < kLines; ++y) {
    const Taps& t = down[static_cast<std::size_t>(y)];
    if (t.weights.empty()) continue;
    for (int x = 0; x < kWidth; ++x) {
      if (across[static_cast<std::size_t>(x)].weights.empty()) continue;
      float r = 0, g = 0, b = 0;
      for (std::size_t i = 0; i < t.weights.size(); ++i) {
        const float* p = rows.data() + (static_cast<std::size_t>(t.first) + i) * kWidth * 3 + 3 * x;
        r += t.weights[i] * p[0];
        g += t.weights[i] * p[1];
        b += t.weights[i] * p[2];
      }
      out.set(x, y, rgb(toByte(r), toByte(g), toByte(b)));
    }
  }
  return out;
}

}  // namespace cs
