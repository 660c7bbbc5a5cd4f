#include "formats/zx_screen.h"

#include <array>
#include <cstring>

#include "formats/screen_strips.h"
#include "model/colour.h"
#include "model/translatable.h"

namespace cs {

void PlaneToDisplayFile(const uint8_t* plane, uint8_t* displayFile) {
  for (int line = 0; line < kLines; ++line) {
    uint8_t* row = displayFile + ScreenRowOffset(line);
    for (int column = 0; column < kColumns; ++column) row[column] = plane[pixelIndex(column, line)];
  }
}

// Strip by strip: the 8 lines of a character row lie 256 bytes apart.
void DisplayFileToPlane(const uint8_t* displayFile, uint8_t* plane) {
  for (int line = 0; line < kLines; line += 8)
    for (int column = 0; column < kColumns; column += 16)
      PixelStrip(displayFile + ScreenRowOffset(line) + column, 256, plane + pixelIndex(column, line));
}

void LinearBitmapToPlane(const uint8_t* bitmap, uint8_t* plane) {
  for (int line = 0; line < kLines; line += 8)
    for (int column = 0; column < kColumns; column += 16)
      PixelStrip(bitmap + line * kColumns + column, kColumns, plane + pixelIndex(column, line));
}

uint8_t AttributeAt(const uint8_t* attrPlane, int column, int line) {
  const int a = attrIndex(column, line);
  return AttributeByte(attrPlane[a], attrPlane[a + 1]);
}

namespace {

// Every ZX attribute byte's INK and PAP entry, split once, as the 2-byte
// word it is in memory: loaders set thousands of entries a file.
const std::array<uint16_t, 256> kEntryWords = [] {
  std::array<uint16_t, 256> t{};
  for (int a = 0; a < 256; ++a) {
    const InkPap c = SplitAttribute(static_cast<uint8_t>(a));
    const uint8_t entry[2] = {c.ink, c.pap};
    std::memcpy(&t[static_cast<std::size_t>(a)], entry, 2);
  }
  return t;
}();

}  // namespace

void SetCellAttribute(uint8_t* attrPlane, int column, int firstLine, int count, uint8_t attribute) {
  // Four entries a word while whole words fit.
  const uint64_t four = kEntryWords[attribute] * 0x0001000100010001u;
  uint8_t* at = attrPlane + attrIndex(column, firstLine);
  int i = 0;
  for (; i + 4 <= count; i += 4) std::memcpy(at + 2 * i, &four, 8);
  for (; i < count; ++i) std::memcpy(at + 2 * i, &four, 2);
}

void CellColumnToPlane(const uint8_t* attributes, std::ptrdiff_t stride, int count, uint8_t* entries) {
  for (int i = 0; i < count; ++i, entries += 16) {
    const uint64_t four = kEntryWords[attributes[i * stride]] * 0x0001000100010001u;
    std::memcpy(entries, &four, 8);
    std::memcpy(entries + 8, &four, 8);
  }
}

void AttributeRowsToPlane(const uint8_t* rows, int rowHeight, uint8_t* attrPlane) {
  if (!isValidCellHeight(rowHeight)) rowHeight = 8;
  for (int row = 0; row < kLines / rowHeight; row += 8)
    for (int column = 0; column < kColumns; column += 16)
      AttributeStrip(rows + row * kColumns + column, kColumns, rowHeight, attrPlane + attrIndex(column, row * rowHeight));
}

void ScreenToPlanes(const uint8_t* screen, int rowHeight, Picture& pic, int s) {
  DisplayFileToPlane(screen, pic.pixels(s));
  AttributeRowsToPlane(screen + kPixelPlaneSize, rowHeight, pic.attrs(s));
}

}  // namespace cs

namespace cs {

bool OuterColumnsHideColours(const uint8_t* attrPlane) {
  // A character row's 8 entries are 16 bytes: two words that each hold its
  // first entry four times when the row has one colour.
  for (int column = 0; column < kColumns; ++column) {
    if (!isOuterColumn(column)) continue;
    for (const uint8_t* row = attrPlane + attrIndex(column, 0); row < attrPlane + attrIndex(column + 1, 0); row += 16) {
      uint16_t first;
      uint64_t half[2];
      std::memcpy(&first, row, 2);
      std::memcpy(half, row, 16);
      const uint64_t same = first * 0x0001000100010001u;
      if (half[0] != same || half[1] != same) return true;
    }
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
  return FormatText(CS_TRANSLATE_NOOP("Core", "a %1 file has %2 bytes, this one %3"),
                    {kind, sizes, std::to_string(size)});
}

}  // namespace cs
