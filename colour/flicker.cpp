#include "colour/flicker.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace cs {

namespace {

constexpr int kPixels = kWidth * kLines;
constexpr int kRadius = 8;  // the box is x - 8 ... x + 7

// Rec. 709 weights in ten-thousandths.
constexpr int lumaOfRgb(Rgb c) { return 2126 * red(c) + 7152 * green(c) + 722 * blue(c); }

const std::array<int, 16> kLuma = [] {
  std::array<int, 16> t{};
  for (int i = 0; i < 16; ++i) t[static_cast<std::size_t>(i)] = lumaOfRgb(zxColour(static_cast<uint8_t>(i)));
  return t;
}();

// How many pixels the clipped box spans along an axis of `size` pixels.
int spanAt(int p, int size) { return std::min(size, p + kRadius) - std::max(0, p - kRadius); }

const std::array<float, kWidth> kInvWidth = [] {
  std::array<float, kWidth> t{};
  for (int x = 0; x < kWidth; ++x) t[static_cast<std::size_t>(x)] = 1.0f / static_cast<float>(spanAt(x, kWidth));
  return t;
}();
const std::array<float, kLines> kInvHeight = [] {
  std::array<float, kLines> t{};
  for (int y = 0; y < kLines; ++y) t[static_cast<std::size_t>(y)] = 1.0f / static_cast<float>(spanAt(y, kLines));
  return t;
}();

// d for every pixel and its box sums; both fit 32 bits (|d| < 2.6e6, and
// a box holds 256 pixels).
struct Field {
  std::array<int32_t, kPixels> d;
  std::array<int32_t, kPixels> box;
  std::array<int32_t, kPixels> rows;  // the horizontal sums
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

// Column by column, so the planes are read in address order; each cell's
// four lumas are looked up at its first line.
void computeD(const Picture& pic, int32_t* d) {
  const int h = pic.cellHeight();
  const uint8_t* a0 = pic.attrs(0);
  const uint8_t* a1 = pic.attrs(1);
  for (int c = 0; c < kColumns; ++c) {
    const int lineMask = h == 1 && isOuterColumn(c) ? ~7 : ~(h - 1);
    const uint8_t* p0 = pic.pixels(0) + pixelIndex(c, 0);
    const uint8_t* p1 = pic.pixels(1) + pixelIndex(c, 0);
    int32_t base = 0, step0 = 0, step1 = 0;
    for (int y = 0; y < kLines; ++y) {
      if ((y & lineMask) == y) {
        const int a = attrIndex(c, y);
        const int32_t i0 = kLuma[safeIndex(a0[a])], i1 = kLuma[safeIndex(a1[a])];
        base = i0 - i1;
        step0 = kLuma[safeIndex(a0[a + 1])] - i0;
        step1 = kLuma[safeIndex(a1[a + 1])] - i1;
      }
      const int32_t* m0 = kBitLanes.lanes[p0[y]];
      const int32_t* m1 = kBitLanes.lanes[p1[y]];
      int32_t* out = d + y * kWidth + 8 * c;
      for (int j = 0; j < 8; ++j) out[j] = base + (m0[j] & step0) - (m1[j] & step1);
    }
  }
}

// One line of box sums from the line above: the entering line's window sums
// added, the leaving line's taken away (either may be missing at an edge).
// The lines never overlap, which lets the compiler work on many at once.
void slideLine(int32_t* __restrict cur, const int32_t* __restrict prev, const int32_t* __restrict gone,
               const int32_t* __restrict in) {
  if (!gone)
    for (int x = 0; x < kWidth; ++x) cur[x] = prev[x] + in[x];
  else if (!in)
    for (int x = 0; x < kWidth; ++x) cur[x] = prev[x] - gone[x];
  else
    for (int x = 0; x < kWidth; ++x) cur[x] = prev[x] + in[x] - gone[x];
}

void boxSums(Field& f) {
  // Along each line: running sums padded with the line's total on the right
  // and zeros on the left, so every window is one subtraction, clipped or not.
  int32_t prefix[kWidth + 2 * kRadius + 1];
  std::fill_n(prefix, kRadius + 1, 0);
  for (int y = 0; y < kLines; ++y) {
    const int32_t* d = f.d.data() + y * kWidth;
    int32_t* p = prefix + kRadius;
    int32_t run = 0;
    for (int x = 0; x < kWidth; ++x) p[x + 1] = run += d[x];
    std::fill_n(p + kWidth + 1, kRadius, run);
    int32_t* out = f.rows.data() + y * kWidth;
    for (int x = 0; x < kWidth; ++x) out[x] = prefix[x + 2 * kRadius] - prefix[x];
  }
  // Down the columns as a sliding window: add the line entering at the
  // bottom, drop the one leaving at the top.
  int32_t* b = f.box.data();
  const int32_t* r = f.rows.data();
  std::fill_n(b, kWidth, 0);
  for (int y = 0; y < kRadius; ++y)
    for (int x = 0; x < kWidth; ++x) b[x] += r[y * kWidth + x];
  for (int y = 1; y < kLines; ++y) {
    int32_t* cur = b + y * kWidth;
    const int32_t* prev = cur - kWidth;
    const int entering = y + kRadius - 1, leaving = y - kRadius - 1;
    const int32_t* in = r + entering * kWidth;
    const int32_t* gone = r + leaving * kWidth;
    slideLine(cur, prev, leaving < 0 ? nullptr : gone, entering >= kLines ? nullptr : in);
  }
}

// The sum of every pixel's flicker, in ten-thousandths of luma. Away from
// the edges every box holds 256 pixels, so those lines sum whole numbers.
double flickerSum(const Field& f) {
  double total = 0;
  for (int y = 0; y < kLines; ++y) {
    const int32_t* b = f.box.data() + y * kWidth;
    double edges = 0;
    for (int x = 0; x < kRadius; ++x)
      edges += std::abs(b[x]) * static_cast<double>(kInvWidth[static_cast<std::size_t>(x)]) +
               std::abs(b[kWidth - 1 - x]) * static_cast<double>(kInvWidth[static_cast<std::size_t>(kWidth - 1 - x)]);
    int64_t middle = 0;
    for (int x = kRadius; x < kWidth - kRadius; ++x) middle += std::abs(b[x]);
    total += (edges + static_cast<double>(middle) / 16) * static_cast<double>(kInvHeight[static_cast<std::size_t>(y)]);
  }
  return total;
}

double scoreOf(const Field& f) { return flickerSum(f) / 10000.0 / kPixels; }

std::unique_ptr<Field> fieldOf(const Picture& pic) {
  auto f = std::make_unique<Field>();
  computeD(pic, f->d.data());
  boxSums(*f);
  return f;
}

void drawRisk(const Field& f, RgbImage& out) {
  for (int y = 0; y < kLines; ++y) {
    const int32_t* b = f.box.data() + y * kWidth;
    Rgb* row = out.row(y);
    const float hy = kInvHeight[static_cast<std::size_t>(y)] / 10000.0f;
    for (int x = 0; x < kWidth; ++x) {
      const float mean = static_cast<float>(std::abs(b[x])) * kInvWidth[static_cast<std::size_t>(x)] * hy;
      const int g = std::min(254, static_cast<int>(mean + 0.5f));
      row[x] = rgb(g, g, g);
    }
  }
}

}  // namespace

struct FlickerMeter::Buffers : Field {};

FlickerMeter::FlickerMeter() : buffers_(std::make_unique<Buffers>()) {}
FlickerMeter::~FlickerMeter() = default;

double FlickerMeter::score(const Picture& pic, RgbImage* risk) {
  computeD(pic, buffers_->d.data());
  boxSums(*buffers_);
  if (risk) drawRisk(*buffers_, *risk);
  return scoreOf(*buffers_);
}

namespace {

// One cell: byte column and its lines.
struct Cell {
  int column, firstLine, height;
};

template <typename Visit>
void forEachCell(const Picture& pic, const CellBlock& block, Visit visit) {
  const int h = pic.cellHeight();
  const int rows = kLines / h;
  const int left = std::clamp(block.left, 0, kColumns), right = std::clamp(block.left + block.width, left, kColumns);
  const int top = std::clamp(block.top, 0, rows), bottom = std::clamp(block.top + block.height, top, rows);
  for (int c = left; c < right; ++c) {
    if (h == 1 && isOuterColumn(c)) {
      for (int y = 0; y < kLines; y += 8)
        if (y >= top && y + 8 <= bottom) visit(Cell{c, y, 8});
    } else {
      for (int r = top; r < bottom; ++r) visit(Cell{c, r * h, h});
    }
  }
}

bool mixSymmetric(const Picture& pic, const MixTable& mix, const Cell& cell) {
  const int a = attrIndex(cell.column, cell.firstLine);
  const uint8_t i0 = pic.attrs(0)[a], p0 = pic.attrs(0)[a + 1];
  const uint8_t i1 = pic.attrs(1)[a], p1 = pic.attrs(1)[a + 1];
  const auto same = [&](uint8_t x, uint8_t y) { return mix.at(x, y) == mix.at(y, x); };
  return same(i0, i1) && same(i0, p1) && same(p0, i1) && same(p0, p1);
}

void swapScreens(Picture& pic, const Cell& cell) {
  for (int y = cell.firstLine; y < cell.firstLine + cell.height; ++y) {
    std::swap(pic.pixels(0)[pixelIndex(cell.column, y)], pic.pixels(1)[pixelIndex(cell.column, y)]);
    const int a = attrIndex(cell.column, y);
    std::swap(pic.attrs(0)[a], pic.attrs(1)[a]);
    std::swap(pic.attrs(0)[a + 1], pic.attrs(1)[a + 1]);
  }
}

// The pixels whose boxes reach into a cell, and the cell's part of each
// pixel's box sum, read from the cell's own running sums.
class CellReach {
 public:
  CellReach(const Field& f, const Cell& cell) : cell_(cell) {
    const int x0 = 8 * cell.column;
    for (int r = 0; r < cell.height; ++r) {
      const int32_t* d = f.d.data() + (cell.firstLine + r) * kWidth + x0;
      for (int k = 0; k < 8; ++k) {
        sums_[r + 1][k + 1] = sums_[r + 1][k] + sums_[r][k + 1] - sums_[r][k] + d[k];
        nonZero_ = nonZero_ || d[k] != 0;
      }
    }
    xa_ = std::max(0, x0 - kRadius + 1);
    xb_ = std::min(kWidth - 1, x0 + 7 + kRadius);
    ya_ = std::max(0, cell.firstLine - kRadius + 1);
    yb_ = std::min(kLines - 1, cell.firstLine + cell.height - 1 + kRadius);
    for (int px = xa_; px <= xb_; ++px) {
      lo_[px - xa_] = std::max(x0, px - kRadius) - x0;
      hi_[px - xa_] = std::min(x0 + 7, px + kRadius - 1) - x0 + 1;
    }
  }
  bool nonZero() const { return nonZero_; }

  // Calls visit(line, first pixel column, count, the cell's parts of the
  // box sums of those pixels) for every line the cell reaches.
  template <typename Visit>
  void forEachLine(Visit& visit) const {
    const int n = xb_ - xa_ + 1;
    for (int py = ya_; py <= yb_; ++py) {
      const int r0 = std::max(cell_.firstLine, py - kRadius) - cell_.firstLine;
      const int r1 = std::min(cell_.firstLine + cell_.height - 1, py + kRadius - 1) - cell_.firstLine + 1;
      int32_t band[9];
      for (int k = 0; k < 9; ++k) band[k] = sums_[r1][k] - sums_[r0][k];
      int32_t parts[24];
      for (int j = 0; j < n; ++j) parts[j] = band[hi_[j]] - band[lo_[j]];
      visit(py, xa_, n, parts);
    }
  }

 private:
  Cell cell_;
  int32_t sums_[9][9] = {};
  int lo_[24] = {}, hi_[24] = {};
  int xa_ = 0, xb_ = 0, ya_ = 0, yb_ = 0;
  bool nonZero_ = false;
};

// The change of the flicker sum if the cell's screens were exchanged.
double swapGain(const Field& f, const CellReach& reach) {
  double total = 0;
  auto line = [&](int py, int x, int n, const int32_t* parts) {
    const int32_t* b = f.box.data() + py * kWidth + x;
    const float* w = kInvWidth.data() + x;
    float acc = 0;
    for (int j = 0; j < n; ++j)
      acc += static_cast<float>(std::abs(b[j] - 2 * parts[j]) - std::abs(b[j])) * w[j];
    total += static_cast<double>(acc) * static_cast<double>(kInvHeight[static_cast<std::size_t>(py)]);
  };
  reach.forEachLine(line);
  return total;
}

void applySwap(Field& f, const CellReach& reach, const Cell& cell) {
  auto line = [&](int py, int x, int n, const int32_t* parts) {
    int32_t* b = f.box.data() + py * kWidth + x;
    for (int j = 0; j < n; ++j) b[j] -= 2 * parts[j];
  };
  reach.forEachLine(line);
  for (int y = cell.firstLine; y < cell.firstLine + cell.height; ++y)
    for (int k = 0; k < 8; ++k) {
      int32_t& d = f.d[static_cast<std::size_t>(y * kWidth + 8 * cell.column + k)];
      d = -d;
    }
}

}  // namespace

int lumaOf(uint8_t index) { return kLuma[safeIndex(index)]; }

double FlickerScore(const Picture& pic) { return FlickerMeter().score(pic); }

void DrawFlickerRisk(const Picture& pic, RgbImage& out) { FlickerMeter().score(pic, &out); }


CellBlock WholePicture(const Picture& pic) { return {0, 0, kColumns, kLines / pic.cellHeight()}; }

namespace {

// Greedy passes: a cell is exchanged when that lowers the sum; each pass
// sees the exchanges of the cells before it, and the passes stop when one
// changes nothing.
void greedyPasses(Picture& pic, Field& f, const MixTable& mix, const CellBlock& block, int maxPasses) {
  constexpr double kMinGain = -1e-3;
  for (int pass = 0; pass < maxPasses; ++pass) {
    int swapped = 0;
    forEachCell(pic, block, [&](const Cell& cell) {
      const CellReach reach(f, cell);
      if (!reach.nonZero() || swapGain(f, reach) >= kMinGain || !mixSymmetric(pic, mix, cell)) return;
      applySwap(f, reach, cell);
      swapScreens(pic, cell);
      ++swapped;
    });
    if (swapped == 0) break;
  }
}

}  // namespace

BalanceResult BalanceFlicker(Picture& pic, const MixTable& mix, const CellBlock& block) {
  const auto before = std::make_unique<std::array<uint8_t, kPlanesSize>>(pic.planes);
  BalanceResult result;
  result.scoreBefore = FlickerScore(pic);
  // Two starts: the picture as it is, and with every other column's cells
  // exchanged, which cancels any flat area outright; the greedy passes then
  // refine each, and the better one stays.
  Picture striped = pic;
  forEachCell(striped, block, [&](const Cell& cell) {
    if (cell.column % 2 && mixSymmetric(striped, mix, cell)) swapScreens(striped, cell);
  });
  constexpr int kPasses = 2;
  auto f = fieldOf(pic);
  greedyPasses(pic, *f, mix, block, kPasses);
  auto g = fieldOf(striped);
  greedyPasses(striped, *g, mix, block, kPasses);
  if (flickerSum(*g) < flickerSum(*f)) pic.planes = striped.planes;
  result.scoreAfter = FlickerScore(pic);
  if (result.scoreAfter > result.scoreBefore) {
    // Rounding can never outweigh the gains asked for, but the promise is
    // kept whatever happens.
    pic.planes = *before;
    result.scoreAfter = result.scoreBefore;
  }
  return result;
}

}  // namespace cs
