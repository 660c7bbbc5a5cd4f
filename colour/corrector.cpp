#include "colour/corrector.h"

#include <algorithm>
#include <cstring>

#include "render/view_geometry.h"

namespace cs {

namespace {

// What an operation does to one kind of plane: to one screen, to both, a copy
// to the right (screen 0 over screen 1) or to the left, or an exchange. For
// pixel planes a single screen is inverted; for attribute planes its INK and
// PAP are swapped.
enum class Act : uint8_t { None, Screen0, Screen1, Both, CopyRight, CopyLeft, Exchange };

struct Rule {
  Act pixels;
  Act attrs;
};

constexpr Rule kRules[kCorrectorOpCount] = {
    {Act::Screen0, Act::Screen0},     {Act::None, Act::Screen0},   {Act::Screen0, Act::None},
    {Act::Screen1, Act::Screen1},     {Act::None, Act::Screen1},   {Act::Screen1, Act::None},
    {Act::Both, Act::Both},           {Act::None, Act::Both},      {Act::Both, Act::None},
    {Act::CopyRight, Act::CopyRight}, {Act::None, Act::CopyRight}, {Act::CopyRight, Act::None},
    {Act::CopyLeft, Act::CopyLeft},   {Act::None, Act::CopyLeft},  {Act::CopyLeft, Act::None},
    {Act::Exchange, Act::Exchange},
};

// Eight bytes at a time, then the rest: a column's run is at most 192 pixel
// bytes or 384 attribute bytes, and the whole picture is 36 KB.
template <class Word, class Byte>
void eachWord(uint8_t* p, int bytes, Word word, Byte byte) {
  int i = 0;
  for (; i + 8 <= bytes; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    w = word(w);
    std::memcpy(p + i, &w, 8);
  }
  byte(p + i, bytes - i);
}

void invert(uint8_t* p, int n) {
  eachWord(
      p, n, [](uint64_t w) { return ~w; },
      [](uint8_t* q, int m) {
        for (int i = 0; i < m; ++i) q[i] = static_cast<uint8_t>(~q[i]);
      });
}

// Exchanges INK and PAP of n two-byte entries.
void swapEntries(uint8_t* a, int n) {
  constexpr uint64_t kLow = 0x00FF00FF00FF00FFull;
  eachWord(
      a, 2 * n, [](uint64_t w) { return ((w & kLow) << 8) | ((w >> 8) & kLow); },
      [](uint8_t* q, int m) {
        for (int i = 0; i + 1 < m; i += 2) std::swap(q[i], q[i + 1]);
      });
}

// One run of n units (bytes or entries of `unit` bytes) on both screens.
void apply(Act act, bool attrs, uint8_t* s0, uint8_t* s1, int n) {
  const int bytes = attrs ? 2 * n : n;
  auto own = [&](uint8_t* p) { attrs ? swapEntries(p, n) : invert(p, n); };
  switch (act) {
    case Act::None: break;
    case Act::Screen0: own(s0); break;
    case Act::Screen1: own(s1); break;
    case Act::Both:
      own(s0);
      own(s1);
      break;
    case Act::CopyRight: std::memcpy(s1, s0, size_t(bytes)); break;
    case Act::CopyLeft: std::memcpy(s0, s1, size_t(bytes)); break;
    case Act::Exchange: std::swap_ranges(s0, s0 + bytes, s1); break;
  }
}

int clampedCell(int v, int cellSize, int count) { return std::clamp(floorDiv(v, cellSize), 0, count - 1); }

}  // namespace

CorrectorBlock UsedBlock(const CorrectorState& c, int cellHeight) {
  const int lastRow = CellRows(cellHeight) - 1;
  CorrectorBlock b;
  b.left = std::clamp(c.cell.column, 0, kColumns - 1);
  b.top = std::clamp(c.cell.row, 0, lastRow);
  b.right = std::clamp(c.blockEnd.column, b.left, kColumns - 1);
  b.bottom = std::clamp(c.blockEnd.row, b.top, lastRow);
  return b;
}

LineRange BlockLines(const CorrectorBlock& b, int cellHeight, int column) {
  int first = b.top * cellHeight;
  int end = (b.bottom + 1) * cellHeight;
  if (cellHeight == 1 && isOuterColumn(column)) {
    first = first / 8 * 8;
    end = (end + 7) / 8 * 8;
  }
  return {first, end - first};
}

CellColours AnchorColours(const Picture& pic, const CorrectorBlock& b) {
  const int h = pic.cellHeight();
  const int a = attrIndex(b.left, attributeLine(h, b.left, b.top * h));
  return {pic.attrs(0)[a], pic.attrs(0)[a + 1], pic.attrs(1)[a], pic.attrs(1)[a + 1]};
}

void CorrectorPress(CorrectorState& c, int cellHeight, int x, int y) {
  // A press lies in the view, so these clamps only guard the arithmetic.
  c.cell = {clampedCell(x, kCorrectorCellWidth, kColumns),
            clampedCell(y, CorrectorCellHeight(cellHeight), CellRows(cellHeight))};
  c.blockEnd = c.cell;
  c.dragging = true;
}

bool CorrectorMove(CorrectorState& c, int cellHeight, int x, int y) {
  if (!c.dragging) return false;
  int col = floorDiv(x, kCorrectorCellWidth);
  int row = floorDiv(y, CorrectorCellHeight(cellHeight));
  if (col == c.blockEnd.column && row == c.blockEnd.row) return false;
  col = std::min(std::max(col, c.cell.column), kColumns - 1);
  row = std::min(std::max(row, c.cell.row), CellRows(cellHeight) - 1);
  c.blockEnd = {col, row};
  return true;
}

void CorrectorRelease(CorrectorState& c, int cellHeight, int x, int y) {
  const int col = std::max(floorDiv(x, kCorrectorCellWidth), c.cell.column);
  const int row = std::max(floorDiv(y, CorrectorCellHeight(cellHeight)), c.cell.row);
  c.blockEnd = {std::min(col, kColumns - 1), std::min(row, CellRows(cellHeight) - 1)};
  c.dragging = false;
}

void ApplyCorrectorOp(CorrectorOp op, const CorrectorBlock& b, Picture& pic) {
  const Rule rule = kRules[static_cast<size_t>(op)];
  const int h = pic.cellHeight();
  // A column's lines are contiguous in both planes, so each column is one
  // run of pixel bytes and one run of attribute entries.
  for (int column = b.left; column <= b.right; ++column) {
    const LineRange lines = BlockLines(b, h, column);
    const int p = pixelIndex(column, lines.first), a = attrIndex(column, lines.first);
    apply(rule.pixels, false, pic.pixels(0) + p, pic.pixels(1) + p, lines.count);
    apply(rule.attrs, true, pic.attrs(0) + a, pic.attrs(1) + a, lines.count);
  }
}

}  // namespace cs
