#include "edit/flood_fill.h"

#include <vector>

namespace cs {

namespace {

constexpr uint64_t kAll = ~uint64_t(0);

// The leftmost and rightmost pixel of the run of `row` that holds x.
int runStart(const MaskRow& row, int x) {
  for (int word = x >> 6; word >= 0; --word) {
    // The pixels 0..upTo of this word are the top bits.
    const int upTo = word == x >> 6 ? (x & 63) : 63;
    const uint64_t upToMask = upTo == 63 ? kAll : ~(kAll >> (upTo + 1));
    const uint64_t zeros = ~row.w[size_t(word)] & upToMask;
    // The nearest zero left of x is the lowest such bit; the run starts after it.
    if (zeros) return word * 64 + 64 - std::countr_zero(zeros);
  }
  return 0;
}

int runEnd(const MaskRow& row, int x) {
  for (int word = x >> 6; word < 4; ++word) {
    const int from = word == x >> 6 ? (x & 63) : 0;
    const uint64_t zeros = ~row.w[size_t(word)] & (kAll >> from);
    if (zeros) return word * 64 + std::countl_zero(zeros) - 1;
  }
  return kWidth - 1;
}

struct Run {
  int y, a, b;
};

}  // namespace

Rgb ShownColour(const Picture& pic, const MixTable& mix, int x, int y) {
  const int c = x / 8;
  const int a = attrIndex(c, attributeLine(pic.cellHeight(), c, y));
  const uint8_t c0 = pic.attrs(0)[a + (pic.pixel(0, x, y) ? 1 : 0)];
  const uint8_t c1 = pic.attrs(1)[a + (pic.pixel(1, x, y) ? 1 : 0)];
  return mix.at(c0, c1);
}

PixelMask PixelsOfColour(const Picture& pic, const MixTable& mix, Rgb rgb) {
  // Which colour pairs look like rgb, once; then per attribute entry which of
  // its four mixes do, and per pixel byte which pixels show one of those.
  std::array<bool, 256> same{};
  for (int i = 0; i < 256; ++i) same[size_t(i)] = mix.cells[size_t(i)] == rgb;
  const auto looks = [&](uint8_t c0, uint8_t c1) { return same[safeIndex(c0) * 16u + safeIndex(c1)]; };
  PixelMask m;
  const int h = pic.cellHeight();
  const uint8_t* p0 = pic.pixels(0);
  const uint8_t* p1 = pic.pixels(1);
  const uint8_t* a0 = pic.attrs(0);
  const uint8_t* a1 = pic.attrs(1);
  // Cell by cell down each column: the cell's four mixes decide once which
  // of a pixel's four bit pairs look like rgb; each byte is then one mask.
  for (int c = 0; c < kColumns; ++c) {
    for (int y = 0; y < kLines;) {
      const CellSpan cell = cellSpan(h, c, y);
      const int a = attrIndex(c, cell.firstLine);
      const auto all = [](bool on) { return on ? uint8_t(0xFF) : uint8_t(0); };
      const uint8_t m00 = all(looks(a0[a], a1[a])), m01 = all(looks(a0[a], a1[a + 1]));
      const uint8_t m10 = all(looks(a0[a + 1], a1[a])), m11 = all(looks(a0[a + 1], a1[a + 1]));
      for (const int end = cell.firstLine + cell.height; y < end; ++y) {
        const uint8_t b0 = p0[pixelIndex(c, y)], b1 = p1[pixelIndex(c, y)];
        const auto v = uint8_t((~b0 & ~b1 & m00) | (~b0 & b1 & m01) | (b0 & ~b1 & m10) | (b0 & b1 & m11));
        m.rows[size_t(y)].setByte(c, v);
      }
    }
  }
  return m;
}

PixelMask FillRegion(const Picture& pic, const MixTable& mix, int x, int y) {
  const PixelMask same = PixelsOfColour(pic, mix, ShownColour(pic, mix, x, y));
  PixelMask region;
  std::vector<Run> stack;
  stack.reserve(256);
  const auto take = [&](int ry, int a, int b) {
    region.rows[size_t(ry)].setRun(a, b);
    stack.push_back({ry, a, b});
  };
  const MaskRow& start = same.rows[size_t(y)];
  take(y, runStart(start, x), runEnd(start, x));
  while (!stack.empty()) {
    const Run r = stack.back();
    stack.pop_back();
    for (int ny = r.y - 1; ny <= r.y + 1; ny += 2) {
      if (ny < 0 || ny >= kLines) continue;
      const MaskRow& cand = same.rows[size_t(ny)];
      const MaskRow& done = region.rows[size_t(ny)];
      // The words the run overlaps, each cut to the run: the pixels next to
      // it that are the region's colour and not yet taken.
      for (int word = r.a >> 6; word <= r.b >> 6; ++word) {
        const int lo = word == r.a >> 6 ? r.a & 63 : 0;
        const int hi = word == r.b >> 6 ? r.b & 63 : 63;
        const uint64_t span = (kAll >> lo) & ~(hi == 63 ? 0 : kAll >> (hi + 1));
        uint64_t open = cand.w[size_t(word)] & ~done.w[size_t(word)] & span;
        while (open) {
          const int at = word * 64 + std::countl_zero(open);
          const int b = runEnd(cand, at);
          take(ny, runStart(cand, at), b);
          if (b >= word * 64 + 63) break;  // the run goes on past this word
          open &= kAll >> ((b & 63) + 1);
        }
      }
    }
  }
  return region;
}

}  // namespace cs
