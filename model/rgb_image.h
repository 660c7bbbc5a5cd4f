// A plain 32-bit RGB pixel buffer (0xFFRRGGBB per pixel, rows top to bottom),
// the layout a QImage of Format_RGB32 can wrap without copying.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace cs {

using Rgb = uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}
constexpr int red(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int green(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue(Rgb c) { return static_cast<int>(c & 0xFF); }

// Images start on a cache line, so the composition's vector stores never
// straddle two lines.
template <typename T>
struct CacheLineAllocator {
  using value_type = T;
  static constexpr std::align_val_t kAlign{64};
  CacheLineAllocator() = default;
  template <typename U>
  CacheLineAllocator(const CacheLineAllocator<U>&) {}
  T* allocate(std::size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), kAlign)); }
  void deallocate(T* p, std::size_t) { ::operator delete(p, kAlign); }
  friend bool operator==(const CacheLineAllocator&, const CacheLineAllocator&) { return true; }
};

class RgbImage {
 public:
  RgbImage() = default;
  RgbImage(int width, int height, Rgb fill = rgb(0, 0, 0))
      : w_(width), h_(height), px_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

  int width() const { return w_; }
  int height() const { return h_; }
  Rgb* row(int y) { return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_); }
  const Rgb* row(int y) const { return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_); }
  Rgb at(int x, int y) const { return row(y)[x]; }
  void set(int x, int y, Rgb c) { row(y)[x] = c; }
  void fillRect(int x, int y, int w, int h, Rgb c);
  Rgb* data() { return px_.data(); }
  const Rgb* data() const { return px_.data(); }
  int bytesPerLine() const { return w_ * 4; }

 private:
  int w_ = 0;
  int h_ = 0;
  std::vector<Rgb, CacheLineAllocator<Rgb>> px_;
};

// An image from 8-bit RGBA rows, every pixel laid over black by its alpha.
RgbImage FromRgba(const uint8_t* rgba, int width, int height, int bytesPerLine);

inline void RgbImage::fillRect(int x, int y, int w, int h, Rgb c) {
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) row(yy)[xx] = c;
}

}  // namespace cs
