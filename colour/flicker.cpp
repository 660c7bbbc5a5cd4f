#include "colour/flicker.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

#include "colour/flicker_sums.h"

namespace cs {

// Rec. 709 weights in ten-thousandths, rounded to whole levels.
constexpr int lumaLevelOf(Rgb c) { return (2126 * red(c) + 7152 * green(c) + 722 * blue(c) + 5000) / 10000; }

const std::array<uint8_t, 16> kLumaLevel = [] {
  std::array<uint8_t, 16> t{};
  for (int i = 0; i < 16; ++i) t[static_cast<std::size_t>(i)] = uint8_t(lumaLevelOf(zxColour(static_cast<uint8_t>(i))));
  return t;
}();

double ScoreOfSums(const FlickerSums& sums) {
  double total = 0;
  for (int w = 8; w <= 16; ++w)
    for (int h = 8; h <= 16; ++h)
      total += static_cast<double>(sums.bySpan[std::size_t(w - 8)][std::size_t(h - 8)]) / (w * h);
  return total / (kWidth * kLines);
}

namespace {

constexpr int kPixels = kWidth * kLines;
constexpr int kRadius = kFlickerRadius;

int32_t levelOf(uint8_t index) { return kLumaLevel[safeIndex(index)]; }

// d for every pixel, the window sums across each line, and the box sums.
struct Field {
  std::array<int32_t, kPixels> d;
  std::array<int32_t, kPixels> rows;
  std::array<int32_t, kPixels> box;
};

// Lane j of entry n is all ones when pixel j of the byte n is set.
struct BitLanes {
  int32_t lanes[256][8];
};
const BitLanes kBitLanes = [] {
  BitLanes t{};
  for (int n = 0; n < 256; ++n)
    for (int j = 0; j < 8; ++j) t.lanes[n][j] = (n >> (7 - j)) & 1 ? -1 : 0;
  return t;
}();

}  // namespace

// Column by column, so the planes are read in address order; each cell's
// four levels are looked up at its first line.
void FlickerD(const Picture& pic, int32_t* d, int from, int to) {
  const int h = pic.cellHeight();
  const uint8_t* a0 = pic.attrs(0);
  const uint8_t* a1 = pic.attrs(1);
  for (int c = 0; c < kColumns; ++c) {
    const int lineMask = h == 1 && isOuterColumn(c) ? ~7 : ~(h - 1);
    const uint8_t* p0 = pic.pixels(0) + pixelIndex(c, 0);
    const uint8_t* p1 = pic.pixels(1) + pixelIndex(c, 0);
    int32_t base = 0, step0 = 0, step1 = 0;
    for (int y = from; y < to; ++y) {
      // The first line looked at takes its colours from its cell's first line.
      if ((y & lineMask) == y || y == from) {
        const int a = attrIndex(c, y & lineMask);
        const int32_t i0 = levelOf(a0[a]), i1 = levelOf(a1[a]);
        base = i0 - i1;
        step0 = levelOf(a0[a + 1]) - i0;
        step1 = levelOf(a1[a + 1]) - i1;
      }
      const int32_t* m0 = kBitLanes.lanes[p0[y]];
      const int32_t* m1 = kBitLanes.lanes[p1[y]];
      int32_t* out = d + y * kWidth + 8 * c;
      for (int j = 0; j < 8; ++j) out[j] = base + (m0[j] & step0) - (m1[j] & step1);
    }
  }
}

namespace {

// One line of box sums from the line above: the entering line's window sums
// added, the leaving line's taken away (either may be missing at an edge).
void slideLine(int32_t* __restrict cur, const int32_t* __restrict prev, const int32_t* __restrict gone,
               const int32_t* __restrict in) {
  if (!gone)
    for (int x = 0; x < kWidth; ++x) cur[x] = prev[x] + in[x];
  else if (!in)
    for (int x = 0; x < kWidth; ++x) cur[x] = prev[x] - gone[x];
  else
    for (int x = 0; x < kWidth; ++x) cur[x] = prev[x] + in[x] - gone[x];
}


}  // namespace

void FlickerBoxSums(const int32_t* d, int32_t* rows, int32_t* box, int stride, int from, int to) {
  // Along each line: running sums padded with the line's total on the right
  // and zeros on the left, so every window is one subtraction, clipped or not.
  int32_t prefix[kWidth + 2 * kRadius + 1];
  std::fill_n(prefix, kRadius + 1, 0);
  for (int y = std::max(0, from - kRadius); y < std::min(kLines, to + kRadius - 1); ++y) {
    const int32_t* line = d + y * kWidth;
    int32_t* p = prefix + kRadius;
    int32_t run = 0;
    for (int x = 0; x < kWidth; ++x) p[x + 1] = run += line[x];
    std::fill_n(p + kWidth + 1, kRadius, run);
    int32_t* out = rows + y * kWidth;
    for (int x = 0; x < kWidth; ++x) out[x] = prefix[x + 2 * kRadius] - prefix[x];
  }
  // Down the columns as a sliding window: the first line's window summed,
  // then each line adds the line entering at the bottom and drops the one
  // leaving at the top.
  int32_t* b = box + from * stride;
  std::fill_n(b, kWidth, 0);
  for (int y = std::max(0, from - kRadius); y < std::min(kLines, from + kRadius); ++y)
    for (int x = 0; x < kWidth; ++x) b[x] += rows[y * kWidth + x];
  for (int y = from + 1; y < to; ++y) {
    int32_t* cur = box + y * stride;
    const int entering = y + kRadius - 1, leaving = y - kRadius - 1;
    slideLine(cur, cur - stride, leaving < 0 ? nullptr : rows + leaving * kWidth,
              entering >= kLines ? nullptr : rows + entering * kWidth);
  }
}

namespace {

FlickerSums sumsOf(const Field& f) {
  FlickerSums sums;
  for (int y = 0; y < kLines; ++y) {
    auto& byHeight = sums.bySpan;
    const std::size_t h = std::size_t(flickerSpan(y, kLines) - 8);
    const int32_t* b = f.box.data() + y * kWidth;
    for (int x = 0; x < kWidth; ++x) byHeight[std::size_t(flickerSpan(x, kWidth) - 8)][h] += std::abs(b[x]);
  }
  return sums;
}

// Each pixel's mean over its box, rounded to a grey level.
void drawRisk(const Field& f, RgbImage& out) {
  for (int y = 0; y < kLines; ++y) {
    const int32_t* b = f.box.data() + y * kWidth;
    Rgb* row = out.row(y);
    const int h = flickerSpan(y, kLines);
    for (int x = 0; x < kWidth; ++x) {
      const int area = h * flickerSpan(x, kWidth);
      const int g = std::min(254, (2 * std::abs(b[x]) + area) / (2 * area));
      row[x] = rgb(g, g, g);
    }
  }
}

void byteSumsOf(const Field& f, ByteSums& bytes) {
  for (int c = 0; c < kColumns; ++c)
    for (int y = 0; y < kLines; ++y) {
      const int32_t* d = f.d.data() + y * kWidth + 8 * c;
      bytes[std::size_t(c)][std::size_t(y)] = int16_t(d[0] + d[1] + d[2] + d[3] + d[4] + d[5] + d[6] + d[7]);
    }
}

}  // namespace

struct FlickerMeter::Buffers : Field {};

FlickerMeter::FlickerMeter() = default;
FlickerMeter::~FlickerMeter() = default;

FlickerSums SumFlicker(const Picture& pic, ByteSums* bytes) {
  FlickerSums sums;
  if (SumFlickerVector(pic, sums, bytes)) return sums;
  const auto f = std::make_unique<Field>();
  FlickerD(pic, f->d.data());
  FlickerBoxSums(f->d.data(), f->rows.data(), f->box.data());
  if (bytes) byteSumsOf(*f, *bytes);
  return sumsOf(*f);
}

double FlickerMeter::score(const Picture& pic, RgbImage* risk) {
  FlickerSums sums;
  if (!risk && SumFlickerVector(pic, sums, nullptr)) return ScoreOfSums(sums);
  if (!buffers_) buffers_ = std::make_unique<Buffers>();
  FlickerD(pic, buffers_->d.data());
  FlickerBoxSums(buffers_->d.data(), buffers_->rows.data(), buffers_->box.data());
  if (risk) drawRisk(*buffers_, *risk);
  return ScoreOfSums(sumsOf(*buffers_));
}

double FlickerScore(const Picture& pic) { return FlickerMeter().score(pic); }

double PlainFlickerScore(const Picture& pic) {
  FlickerMeter meter;
  RgbImage risk(kWidth, kLines);
  return meter.score(pic, &risk);
}

void DrawFlickerRisk(const Picture& pic, RgbImage& out) { FlickerMeter().score(pic, &out); }

}  // namespace cs
