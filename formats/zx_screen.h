// The two conversions every Spectrum-side format shares: the pixel plane to
// and from the ZX display file, and attribute entries to and from ZX
// attribute bytes.
//
// The display file is one screen's 6144 pixel bytes in the order the
// Spectrum holds them. Line L starts at ScreenRowOffset(L): third of the
// screen x 2048 + pixel row within the character row x 256 + character row
// within the third x 32. The bytes themselves are the same as the Picture's
// (bit 7 leftmost); only their order differs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/picture.h"
#include "model/translatable.h"

namespace cs {

constexpr int ScreenRowOffset(int line) { return (line & 7) * 256 + (line & 0x38) * 4 + (line & 0xC0) * 32; }

// The line whose bytes sit at row position `row` of a display file: the
// inverse of ScreenRowOffset(line) / 32.
constexpr int DisplayFileLineAt(int row) { return (row & 0xC0) | ((row & 7) << 3) | ((row & 0x38) >> 3); }

// plane is one screen's column-major pixel plane (Picture::pixels).
void PlaneToDisplayFile(const uint8_t* plane, uint8_t* displayFile);
void DisplayFileToPlane(const uint8_t* displayFile, uint8_t* plane);
// A linear bitmap (192 lines of 32 bytes, top to bottom) into a pixel plane.
void LinearBitmapToPlane(const uint8_t* bitmap, uint8_t* plane);

// attrPlane is one screen's attribute plane (Picture::attrs).
// The ZX attribute byte of the entry at `line` of `column`.
uint8_t AttributeAt(const uint8_t* attrPlane, int column, int line);
// Writes the INK and PAP of a ZX attribute into the entries of `count` lines
// from `firstLine` on, so every line of a cell holds the cell's colours.
void SetCellAttribute(uint8_t* attrPlane, int column, int firstLine, int count, uint8_t attribute);
// `count` attribute bytes, `stride` apart, each for 8 lines, into one
// column's entries from `entries` on: a column of 8-line cells.
void CellColumnToPlane(const uint8_t* attributes, std::ptrdiff_t stride, int count, uint8_t* entries);

// One screen as many kinds hold it, a display file followed by rows of 32
// attribute bytes, each row for `rowHeight` lines (8: the 768 of a screen;
// 1: one row per line), into screen s of the Picture.
void ScreenToPlanes(const uint8_t* screen, int rowHeight, Picture& pic, int s);
// Only the attribute rows (192 / rowHeight rows of 32 bytes) into one
// screen's attribute plane.
void AttributeRowsToPlane(const uint8_t* rows, int rowHeight, uint8_t* attrPlane);

}  // namespace cs

namespace cs {

// Whether an 8x1 screen's outer columns hold, at some line, another colour
// than at the first line of its character row: colours the Picture keeps but
// cannot show, since those columns keep 8-line cells.
bool OuterColumnsHideColours(const uint8_t* attrPlane);
inline constexpr const char* kOuterColumnsNote = CS_TRANSLATE_NOOP(
    "Core",
    "The outer columns change colour within a character row; the picture shows each row's first line there");

// Screen 0's planes into screen 1, for the kinds that hold one screen.
void CopyScreen0ToScreen1(Picture& pic);

// The reason a file of a fixed-size kind is refused: "a .mlt file has 12288
// bytes, this one 100".
std::string SizeMismatch(const char* kind, const char* sizes, std::size_t size);

}  // namespace cs
