// The exact search that finishes balancing: single cells exchange their
// screens while that lowers the exact score, until no single exchange does.
//
// Exchanging a cell negates d on its pixels, which changes the box sum of
// every pixel whose box overlaps the cell (23 pixels across, the cell's
// lines and 15 more down) by twice the part of the cell inside that box.
// The search keeps every pixel's box sum, so the change of the score for an
// exchange is summed over that region alone, and an exchange made updates
// just that region. Only cells near an exchange made are looked at again.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

#include "colour/flicker_search.h"
#include "colour/flicker_sums.h"

#if defined(__x86_64__) || defined(__i386__)
#include "colour/avx2_lines.h"
#define CS_HAVE_AVX2_PATH 1
#endif

namespace cs {

namespace {

constexpr int kRadius = kFlickerRadius;
// A cell reaches the boxes of the pixels from 7 left of it to 8 right of
// it: 23 across, kept as 24 with a last part that is always 0.
constexpr int kBefore = kRadius - 1;
constexpr int kLanes = 24;
// Box sums are kept with margins, so every cell's 24 reach inside a row.
constexpr int kStride = kBefore + kWidth + kLanes;

using Parts = std::array<int32_t, kLanes>;

}  // namespace


namespace {

// The lines a cell reaches, and for each the cell's part of the box sums
// of the 24 pixels from its left edge - 7 on.
constexpr int kMaxReach = 8 + 2 * kRadius - 1;  // lines

struct Reach {
  int firstLine = 0, lines = 0, count = 0;
  // Lines whose boxes hold the same lines of a cell share their parts:
  // line k's are distinct[which[k]], of `count` distinct ones.
  std::array<uint8_t, kMaxReach> which;
  std::array<Parts, kMaxReach> distinct;
};

// A reach as the sums read it: made for this look, or kept for the cell.
struct ReachView {
  int firstLine, lines;
  const uint8_t* which;
  const Parts* distinct;
  const Parts& part(int k) const { return distinct[which[k]]; }
};

// A cell's reach kept between looks: its parts are `count` entries of the
// pool from `first` on.
struct KeptReach {
  int firstLine, lines;
  std::array<uint8_t, kMaxReach> which;
  uint32_t first;
  uint32_t count;
};

void reachOf(const int32_t* d, const SearchCell& c, Reach& reach) {
  // rows[j][i]: the sum of the first i pixels of the cell's line j.
  std::array<std::array<int32_t, 9>, 8> rows;
  for (int j = 0; j < c.lines; ++j) {
    const int32_t* p = d + (c.top + j) * kWidth + 8 * c.column;
    auto& row = rows[std::size_t(j)];
    row[0] = 0;
    for (std::size_t i = 0; i < 8; ++i) row[i + 1] = row[i] + p[i];
  }
  reach.firstLine = std::max(0, c.top - kBefore);
  const int last = std::min(kLines - 1, c.top + c.lines - 1 + kRadius);
  reach.lines = last - reach.firstLine + 1;
  std::array<int32_t, 9> r{};
  int ja = 0, jb = -1;  // the cell's lines in the running sum r
  int count = 0;
  for (int y = reach.firstLine; y <= last; ++y) {
    // The cell's lines inside the box of line y, y - 8 ... y + 7.
    const int na = std::max(0, y - kRadius - c.top), nb = std::min(c.lines - 1, y + kBefore - c.top);
    if (count > 0 && na == ja && nb == jb) {
      reach.which[std::size_t(y - reach.firstLine)] = uint8_t(count - 1);
      continue;
    }
    for (; jb < nb; ++jb)
      for (std::size_t i = 0; i < 9; ++i) r[i] += rows[std::size_t(jb + 1)][i];
    for (; ja < na; ++ja)
      for (std::size_t i = 0; i < 9; ++i) r[i] -= rows[std::size_t(ja)][i];
    // Boxes of the 7 pixels left of the cell hold its first 1 ... 7
    // pixels, the next 9 all 8, the 7 after those its last 7 ... 1.
    reach.which[std::size_t(y - reach.firstLine)] = uint8_t(count);
    Parts& part = reach.distinct[std::size_t(count++)];
    reach.count = count;
    for (std::size_t i = 0; i < 7; ++i) part[i] = r[i + 1];
    for (std::size_t i = 7; i < 16; ++i) part[i] = r[8];
    for (std::size_t i = 16; i < 23; ++i) part[i] = r[8] - r[i - 15];
    part[23] = 0;
  }
}

// |b - 2 part| - |b| of a line's 24 pixels: how much each |box sum| grows.
void growthOf(const int32_t* box, const Parts& part, Parts& out) {
  for (std::size_t i = 0; i < kLanes; ++i) out[i] = std::abs(box[i] - 2 * part[i]) - std::abs(box[i]);
}

// The growths of all lines summed; `box` at the first line's first pixel.
int64_t wholeGrowthPlain(const int32_t* box, const ReachView& reach) {
  Parts sum{}, growth;
  for (int k = 0; k < reach.lines; ++k) {
    growthOf(box + k * kStride, reach.part(k), growth);
    for (std::size_t i = 0; i < kLanes; ++i) sum[i] += growth[i];
  }
  int64_t whole = 0;
  for (int32_t g : sum) whole += g;
  return whole;
}

#ifdef CS_HAVE_AVX2_PATH
CS_AVX2 int64_t wholeGrowthAvx2(const int32_t* box, const ReachView& reach) {
  __m256i sum[3] = {_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256()};
  for (int k = 0; k < reach.lines; ++k) {
    const int32_t* b = box + k * kStride;
    const int32_t* p = reach.part(k).data();
    for (int v = 0; v < 3; ++v) {
      const __m256i bv = avx2::load(b + 8 * v), pv = avx2::load(p + 8 * v);
      const __m256i moved = _mm256_sub_epi32(bv, _mm256_add_epi32(pv, pv));
      sum[v] = _mm256_add_epi32(sum[v], _mm256_sub_epi32(_mm256_abs_epi32(moved), _mm256_abs_epi32(bv)));
    }
  }
  alignas(32) int32_t lanes[8];
  avx2::store(lanes, _mm256_add_epi32(_mm256_add_epi32(sum[0], sum[1]), sum[2]));
  int64_t whole = 0;
  for (int32_t g : lanes) whole += g;
  return whole;
}
#endif

}  // namespace

struct FlickerSearch::State {
  std::array<int32_t, kWidth * kLines> d;
  std::array<int32_t, kWidth * kLines> rows;   // window sums across, for the box sums
  std::array<int32_t, kStride * kLines> box;  // pixel (x, y) at y * kStride + kBefore + x
  std::array<double, kWidth> weightX;
  std::array<double, kLines> weightY;
  bool avx2 = false;
  Reach reach;  // scratch of `change` and `exchange`
  // Reaches kept for the cells of `keepReaches`, by column * kLines + top:
  // their index in `kept`, or -1.
  std::vector<int32_t> keptAt;
  std::vector<KeptReach> kept;
  std::vector<Parts> pool;

  // The reach of cell `c`: the kept one, or one made in `reach`.
  ReachView view(const SearchCell& c) {
    if (!keptAt.empty())
      if (const int32_t k = keptAt[std::size_t(c.column * kLines + c.top)]; k >= 0) {
        const KeptReach& r = kept[std::size_t(k)];
        return {r.firstLine, r.lines, r.which.data(), pool.data() + r.first};
      }
    reachOf(d.data(), c, reach);
    return {reach.firstLine, reach.lines, reach.which.data(), reach.distinct.data()};
  }
};

FlickerSearch::FlickerSearch(const Picture& pic) : FlickerSearch(pic, 0, kLines - 1) {}

FlickerSearch::FlickerSearch(const Picture& pic, int firstLine, int lastLine) : s_(new State) {
  // The lines whose box sums the cells reach, and the lines those boxes take.
  const int from = std::max(0, firstLine - kBefore), to = std::min(kLines, lastLine + kRadius + 1);
  FlickerD(pic, s_->d.data(), std::max(0, from - kRadius), std::min(kLines, to + kRadius - 1));
  FlickerBoxSums(s_->d.data(), s_->rows.data(), s_->box.data() + kBefore, kStride, from, to);
  // The margins beside each line, where a cell at the picture's edge reaches.
  for (int y = from; y < to; ++y) {
    int32_t* line = s_->box.data() + y * kStride;
    std::fill_n(line, kBefore, 0);
    std::fill_n(line + kBefore + kWidth, kStride - kBefore - kWidth, 0);
  }
  for (int x = 0; x < kWidth; ++x) s_->weightX[std::size_t(x)] = 1.0 / flickerSpan(x, kWidth);
  for (int y = 0; y < kLines; ++y) s_->weightY[std::size_t(y)] = 1.0 / flickerSpan(y, kLines);
#ifdef CS_HAVE_AVX2_PATH
  s_->avx2 = __builtin_cpu_supports("avx2");
#endif
}

FlickerSearch::~FlickerSearch() = default;

void FlickerSearch::usePlainPath() { s_->avx2 = false; }

void FlickerSearch::keepReaches(const std::vector<SearchCell>& cells) {
  State& s = *s_;
  s.keptAt.assign(kColumns * kLines, -1);
  s.kept.clear();
  s.pool.clear();
  s.kept.reserve(cells.size());
  s.pool.reserve(cells.size() * 4);  // most cells have one or two distinct parts; 8-line ones fifteen
  for (const SearchCell& c : cells) {
    reachOf(s.d.data(), c, s.reach);
    s.keptAt[std::size_t(c.column * kLines + c.top)] = int32_t(s.kept.size());
    s.kept.push_back({s.reach.firstLine, s.reach.lines, s.reach.which, uint32_t(s.pool.size()), uint32_t(s.reach.count)});
    s.pool.insert(s.pool.end(), s.reach.distinct.begin(), s.reach.distinct.begin() + s.reach.count);
  }
}

double FlickerSearch::change(const SearchCell& c) const {
  State& s = *s_;
  const int left = 8 * c.column - kBefore;
  const ReachView reach = s.view(c);
  const int32_t* box = s.box.data() + reach.firstLine * kStride + kBefore + left;
  // Whole boxes all have the same weight: for a cell whose reach keeps off
  // the picture's edges the growths are summed as whole numbers and
  // weighted once.
  if (left >= kRadius && left + kLanes - 1 <= kWidth - kRadius && reach.firstLine >= kRadius &&
      reach.firstLine + reach.lines <= kLines - kRadius) {
#ifdef CS_HAVE_AVX2_PATH
    if (s.avx2) return double(wholeGrowthAvx2(box, reach)) / (4 * kRadius * kRadius);
#endif
    return double(wholeGrowthPlain(box, reach)) / (4 * kRadius * kRadius);
  }
  double total = 0;
  Parts growth;
  for (int k = 0; k < reach.lines; ++k) {
    growthOf(box + k * kStride, reach.part(k), growth);
    double line = 0;
    for (int i = 0; i < kLanes; ++i) {
      const int x = left + i;
      if (x >= 0 && x < kWidth) line += double(growth[std::size_t(i)]) * s.weightX[std::size_t(x)];
    }
    total += line * s.weightY[std::size_t(reach.firstLine + k)];
  }
  return total;
}

void FlickerSearch::exchange(const SearchCell& c) {
  State& s = *s_;
  const ReachView reach = s.view(c);
  int32_t* box = s.box.data() + reach.firstLine * kStride + kBefore + 8 * c.column - kBefore;
  for (int k = 0; k < reach.lines; ++k)
    for (std::size_t i = 0; i < kLanes; ++i) box[k * kStride + int(i)] -= 2 * reach.part(k)[i];
  // The cell's d changes sign, and with it every part of its kept reach.
  if (!s.keptAt.empty())
    if (const int32_t k = s.keptAt[std::size_t(c.column * kLines + c.top)]; k >= 0) {
      const KeptReach& r = s.kept[std::size_t(k)];
      for (uint32_t j = r.first; j < r.first + r.count; ++j)
        for (int32_t& v : s.pool[j]) v = -v;
    }
  for (int j = 0; j < c.lines; ++j) {
    int32_t* d = s.d.data() + (c.top + j) * kWidth + 8 * c.column;
    for (int i = 0; i < 8; ++i) d[i] = -d[i];
  }
}

}  // namespace cs
