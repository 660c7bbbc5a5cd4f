#include "formats/zx_screen.h"

#include <array>
#include <cstring>

#include "model/colour.h"

namespace cs {

void PlaneToDisplayFile(const uint8_t* plane, uint8_t* displayFile) {
  for (int line = 0; line < kLines; ++line) {
    uint8_t* row = displayFile + ScreenRowOffset(line);
    for (int column = 0; column < kColumns; ++column) row[column] = plane[pixelIndex(column, line)];
  }
}

namespace {

// ScreenRowOffset of every line, so the loaders' inner loops only look up.
constexpr std::array<uint16_t, kLines> kRowOffsets = [] {
  std::array<uint16_t, kLines> t{};
  for (int line = 0; line < kLines; ++line) t[static_cast<std::size_t>(line)] = static_cast<uint16_t>(ScreenRowOffset(line));
  return t;
}();

}  // namespace

// Column by column, so the plane is written in order.
void DisplayFileToPlane(const uint8_t* displayFile, uint8_t* plane) {
  for (int column = 0; column < kColumns; ++column) {
    const uint8_t* from = displayFile + column;
    uint8_t* to = plane + pixelIndex(column, 0);
    for (int line = 0; line < kLines; ++line) to[line] = from[kRowOffsets[static_cast<std::size_t>(line)]];
  }
}

uint8_t AttributeAt(const uint8_t* attrPlane, int column, int line) {
  const int a = attrIndex(column, line);
  return AttributeByte(attrPlane[a], attrPlane[a + 1]);
}

namespace {

// Every ZX attribute byte's INK and PAP entry, split once: loaders set
// thousands of entries a file.
using Entry = std::array<uint8_t, 2>;
const std::array<Entry, 256>& entryTable() {
  static const std::array<Entry, 256> table = [] {
    std::array<Entry, 256> t{};
    for (int a = 0; a < 256; ++a) {
      const InkPap c = SplitAttribute(static_cast<uint8_t>(a));
      t[static_cast<std::size_t>(a)] = {c.ink, c.pap};
    }
    return t;
  }();
  return table;
}

}  // namespace

void SetCellAttribute(uint8_t* attrPlane, int column, int firstLine, int count, uint8_t attribute) {
  const Entry entry = entryTable()[attribute];
  uint8_t* at = attrPlane + attrIndex(column, firstLine);
  for (int i = 0; i < count; ++i) std::memcpy(at + 2 * i, entry.data(), 2);
}

namespace {

// The attribute rows of one screen, each for RowHeight lines, column by
// column so the plane is written in order; a constant row height lets the
// compiler unroll the fill.
template <int RowHeight>
void rowsToPlane(const uint8_t* rows, const std::array<Entry, 256>& table, uint8_t* attrPlane) {
  for (int column = 0; column < kColumns; ++column) {
    uint8_t* at = attrPlane + attrIndex(column, 0);
    for (int row = 0; row < kLines / RowHeight; ++row) {
      const Entry entry = table[rows[row * kColumns + column]];
      for (int k = 0; k < RowHeight; ++k, at += 2) std::memcpy(at, entry.data(), 2);
    }
  }
}

}  // namespace

void AttributeRowsToPlane(const uint8_t* rows, int rowHeight, uint8_t* attrPlane) {
  const std::array<Entry, 256>& table = entryTable();
  switch (rowHeight) {
    case 1: rowsToPlane<1>(rows, table, attrPlane); break;
    case 2: rowsToPlane<2>(rows, table, attrPlane); break;
    case 4: rowsToPlane<4>(rows, table, attrPlane); break;
    default: rowsToPlane<8>(rows, table, attrPlane); break;
  }
}

void ScreenToPlanes(const uint8_t* screen, int rowHeight, Picture& pic, int s) {
  DisplayFileToPlane(screen, pic.pixels(s));
  AttributeRowsToPlane(screen + kPixelPlaneSize, rowHeight, pic.attrs(s));
}

}  // namespace cs

namespace cs {

bool OuterColumnsHideColours(const uint8_t* attrPlane) {
  for (int column = 0; column < kColumns; ++column) {
    if (!isOuterColumn(column)) continue;
    const uint8_t* entries = attrPlane + attrIndex(column, 0);
    for (int line = 0; line < kLines; ++line)
      if (entries[line * 2] != entries[line / 8 * 16] || entries[line * 2 + 1] != entries[line / 8 * 16 + 1])
        return true;
  }
  return false;
}

}  // namespace cs

namespace cs {

void CopyScreen0ToScreen1(Picture& pic) {
  std::memcpy(pic.pixels(1), pic.pixels(0), kPixelPlaneSize);
  std::memcpy(pic.attrs(1), pic.attrs(0), kAttrPlaneSize);
}

std::string SizeMismatch(const char* kind, const char* sizes, std::size_t size) {
  return std::string("a ") + kind + " file has " + sizes + " bytes, this one " + std::to_string(size);
}

}  // namespace cs
