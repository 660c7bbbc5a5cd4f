#include "edit/pixel_mask.h"

namespace cs {

namespace {

uint64_t reverseBits(uint64_t v) {
  v = ((v >> 1) & 0x5555555555555555ull) | ((v & 0x5555555555555555ull) << 1);
  v = ((v >> 2) & 0x3333333333333333ull) | ((v & 0x3333333333333333ull) << 2);
  v = ((v >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((v & 0x0F0F0F0F0F0F0F0Full) << 4);
  return __builtin_bswap64(v);
}

}  // namespace

int PixelMask::count() const {
  int n = 0;
  for (const MaskRow& r : rows)
    for (uint64_t v : r.w) n += std::popcount(v);
  return n;
}

PixelMask& PixelMask::operator|=(const PixelMask& o) {
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t i = 0; i < 4; ++i) rows[y].w[i] |= o.rows[y].w[i];
  return *this;
}

PixelMask& PixelMask::subtract(const PixelMask& o) {
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t i = 0; i < 4; ++i) rows[y].w[i] &= ~o.rows[y].w[i];
  return *this;
}

PixelMask Mirrored(const PixelMask& m, bool leftRight, bool topBottom) {
  PixelMask out;
  for (int y = 0; y < kLines; ++y) {
    const MaskRow& from = m.rows[size_t(topBottom ? kLines - 1 - y : y)];
    MaskRow& to = out.rows[size_t(y)];
    for (size_t i = 0; i < 4; ++i) to.w[i] = leftRight ? reverseBits(from.w[3 - i]) : from.w[i];
  }
  return out;
}

}  // namespace cs
