// Balancing the flicker: which cells exchange their two screens.
//
// Exchanging a cell's screens negates its d, so the question is which signs
// keep the boxes' sums small. The cells are settled column by column from
// the left: a cell exchanges when that cancels the column beside it over
// the lines its boxes reach (see ChooseExchanges). A flat area so becomes
// stripes of exchanged columns, in which every whole box cancels. From
// there the exact search (flicker_search.cpp) exchanges single cells while
// that lowers the exact score, which mends what stripes leave: the boxes
// clipped at the picture's edges and areas that are not flat. The exact
// scores before and after have the last word: should the new one be
// higher, every exchange is taken back.
#include <algorithm>
#include <array>
#include <memory>

#include "colour/flicker.h"
#include "colour/flicker_search.h"
#include "colour/flicker_sums.h"

namespace cs {

namespace {

bool wholeTableSymmetric(const MixTable& mix) {
  for (int a = 0; a < 16; ++a)
    for (int b = 0; b < a; ++b)
      if (mix.at(uint8_t(a), uint8_t(b)) != mix.at(uint8_t(b), uint8_t(a))) return false;
  return true;
}

// Whether `mix` shows the cell whose first line is `line` the same with its
// screens exchanged.
bool cellSymmetric(const Picture& pic, const MixTable& mix, int column, int line) {
  const int a = attrIndex(column, line);
  const uint8_t i0 = pic.attrs(0)[a], p0 = pic.attrs(0)[a + 1];
  const uint8_t i1 = pic.attrs(1)[a], p1 = pic.attrs(1)[a + 1];
  const auto same = [&](uint8_t x, uint8_t y) { return mix.at(x, y) == mix.at(y, x); };
  return same(i0, i1) && same(i0, p1) && same(p0, i1) && same(p0, p1);
}

// The cells of `block` that may exchange: whole cells inside it (at cell
// height 1 the outer columns' 8-line cells only when all their lines are)
// whose colours the mix shows alike either way round.
void markAllowed(const Picture& pic, const MixTable& mix, const CellBlock& block, LineMasks& allowed) {
  const int h = pic.cellHeight();
  const int rows = kLines / h;
  const int left = std::clamp(block.left, 0, kColumns), right = std::clamp(block.left + block.width, left, kColumns);
  const int top = std::clamp(block.top, 0, rows), bottom = std::clamp(block.top + block.height, top, rows);
  const bool symmetric = wholeTableSymmetric(mix);
  for (int c = 0; c < kColumns; ++c) {
    auto& lines = allowed[std::size_t(c)];
    std::fill(lines.begin(), lines.end(), int16_t(0));
    if (c < left || c >= right) continue;
    const int ch = cellLines(h, c);
    const int first = (top * h + ch - 1) / ch * ch, last = bottom * h / ch * ch;
    if (first >= last) continue;
    std::fill(lines.begin() + first, lines.begin() + last, int16_t(-1));
    if (!symmetric)
      for (int y0 = first; y0 < last; y0 += ch)
        if (!cellSymmetric(pic, mix, c, y0)) std::fill_n(lines.begin() + y0, ch, int16_t(0));
  }
}

struct Work {
  ByteSums bytes;
  LineMasks allowed, chosen, searched;
};

// Marks in `out` the lines of the cells the search exchanged; whether any.
bool markFound(const std::vector<SearchCell>& cells, const SearchResult& found, LineMasks& out) {
  for (auto& column : out) column.fill(0);
  bool any = false;
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (found.exchanged[i]) {
      std::fill_n(out[std::size_t(cells[i].column)].begin() + cells[i].top, cells[i].lines, int16_t(-1));
      any = true;
    }
  return any;
}

// How many cells the exact search looks at, at most, to reach a local
// optimum: enough on every picture tried (some 30,000 at 8x1), a bound on
// pathological ones.
constexpr long kSearchBudget = 1000000;

}  // namespace

CellBlock WholePicture(const Picture& pic) { return {0, 0, kColumns, kLines / pic.cellHeight()}; }

BalanceResult BalanceFlicker(Picture& pic, const MixTable& mix, const CellBlock& block, long kickBudget) {
  const std::unique_ptr<Work> work(new Work);  // every entry is written before it is read
  const FlickerSums before = SumFlicker(pic, &work->bytes);
  markAllowed(pic, mix, block, work->allowed);
  BalanceResult result;
  result.scoreBefore = result.scoreAfter = ScoreOfSums(before);
  const bool chose = ChooseExchanges(work->bytes, pic.cellHeight(), work->allowed, work->chosen);
  if (chose) ExchangeScreens(pic, work->chosen);
  const std::vector<SearchCell> cells = CellsToSearch(pic.cellHeight(), work->allowed);
  FlickerSearch search(pic);
  const bool searched = markFound(cells, SearchExchanges(search, cells, kSearchBudget, kickBudget), work->searched);
  if (!chose && !searched) return result;
  if (searched) ExchangeScreens(pic, work->searched);
  result.scoreAfter = ScoreOfSums(SumFlicker(pic));
  if (result.scoreAfter > result.scoreBefore) {
    if (searched) ExchangeScreens(pic, work->searched);
    if (chose) ExchangeScreens(pic, work->chosen);
    result.scoreAfter = result.scoreBefore;
  }
  return result;
}

namespace {

// For each line of `column`, whether any of its bytes differs between the
// pictures: the pixels and the attribute entry, on both screens.
void linesDiffering(const Picture& a, const Picture& b, int column, std::array<uint8_t, kLines>& out) {
  std::fill(out.begin(), out.end(), uint8_t{0});
  for (int s = 0; s < 2; ++s) {
    const uint8_t* pa = a.pixels(s) + pixelIndex(column, 0);
    const uint8_t* pb = b.pixels(s) + pixelIndex(column, 0);
    const uint8_t* aa = a.attrs(s) + attrIndex(column, 0);
    const uint8_t* ab = b.attrs(s) + attrIndex(column, 0);
    for (int y = 0; y < kLines; ++y)
      out[std::size_t(y)] |= uint8_t((pa[y] ^ pb[y]) | (aa[2 * y] ^ ab[2 * y]) | (aa[2 * y + 1] ^ ab[2 * y + 1]));
  }
}

// How many cells the search over touched cells looks at, at most: a stroke
// across the picture touches a few hundred.
constexpr long kTouchedBudget = 200000;

}  // namespace

std::vector<ExchangedCell> BalanceTouchedCells(Picture& pic, const Picture& before, const MixTable& mix) {
  const int h = pic.cellHeight();
  const bool symmetric = wholeTableSymmetric(mix);
  std::vector<SearchCell> cells;
  std::array<uint8_t, kLines> differs;
  for (int c = 0; c < kColumns; ++c) {
    linesDiffering(pic, before, c, differs);
    const int n = cellLines(h, c);
    for (int y = 0; y < kLines; y += n)
      if (std::any_of(differs.begin() + y, differs.begin() + y + n, [](uint8_t d) { return d != 0; }) &&
          (symmetric || cellSymmetric(pic, mix, c, y)))
        cells.push_back({int16_t(c), int16_t(y), int16_t(n)});
  }
  std::vector<ExchangedCell> exchanged;
  if (cells.empty()) return exchanged;
  // The sums are needed only where the touched cells reach.
  int first = kLines, last = 0;
  for (const SearchCell& c : cells) first = std::min<int>(first, c.top), last = std::max(last, c.top + c.lines - 1);
  FlickerSearch search(pic, first, last);
  const SearchResult found = SearchExchanges(search, cells, kTouchedBudget);
  const std::unique_ptr<LineMasks> chosen(new LineMasks);
  if (!markFound(cells, found, *chosen)) return exchanged;
  ExchangeScreens(pic, *chosen);
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (found.exchanged[i]) exchanged.push_back({cells[i].column, cells[i].top, cells[i].lines});
  return exchanged;
}

}  // namespace cs
