// The Picture: two ZX Spectrum screens shown in alternate frames, each with a
// column-major pixel plane and a per-line attribute plane, plus the cell height
// and the border pair. Screen 1's planes sit at fixed offsets from screen 0's
// so painting code can reach the other screen by adding a constant.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cs {

inline constexpr int kColumns = 32;                 // byte columns per screen
inline constexpr int kLines = 192;                  // pixel lines per screen
inline constexpr int kWidth = kColumns * 8;         // 256 pixels
inline constexpr int kPixelPlaneSize = 6144;        // bytes of one screen's pixels
inline constexpr int kAttrPlaneSize = 12288;        // bytes of one screen's attributes
inline constexpr int kPixelBlockSize = 2 * kPixelPlaneSize;
inline constexpr int kAttrBlockSize = 2 * kAttrPlaneSize;
inline constexpr int kPlanesSize = kPixelBlockSize + kAttrBlockSize;  // 36864
inline constexpr std::size_t kPlanesAlign = 64;

// Offset of a pixel byte within one screen's plane.
constexpr int pixelIndex(int column, int line) { return column * kLines + line; }
// Offset of an attribute entry (INK byte; PAP follows) within one screen's plane.
constexpr int attrIndex(int column, int line) { return column * 384 + line * 2; }

// True for the columns that keep 8-line cells when the cell height is 1.
constexpr bool isOuterColumn(int column) { return column < 8 || column > 23; }

constexpr bool isValidCellHeight(int h) { return h == 8 || h == 4 || h == 2 || h == 1; }

// The line whose attribute entry colours pixel line `line` of `column`:
// the first line of the cell. At cell height 1 the outer columns still use
// 8-line cells, so only the 16 central columns have per-line colour.
constexpr int attributeLine(int cellHeight, int column, int line) {
  if (cellHeight == 1 && isOuterColumn(column)) return line / 8 * 8;
  return line / cellHeight * cellHeight;
}

// The same for a cell height known to be 8, 4, 2 or 1, without a division:
// for loops over every line, where the division would cost more than the work.
constexpr int attributeLineFast(int cellHeight, int column, int line) {
  if (cellHeight == 1 && isOuterColumn(column)) return line & ~7;
  return line & ~(cellHeight - 1);
}

// First line and height of the cell that contains `line` in `column`.
struct CellSpan {
  int firstLine;
  int height;
};
constexpr CellSpan cellSpan(int cellHeight, int column, int line) {
  if (cellHeight == 1 && isOuterColumn(column)) return {line / 8 * 8, 8};
  return {line / cellHeight * cellHeight, cellHeight};
}

struct CellColours {
  uint8_t ink0, pap0, ink1, pap1;
  friend bool operator==(const CellColours&, const CellColours&) = default;
};

struct Picture {
  // Layout of `planes`: pixel plane 0, pixel plane 1, attribute plane 0,
  // attribute plane 1. The undo snapshot copies this block whole. Every copy
  // of the planes starts on a cache line: a block copy between buffers that
  // are a few bytes out of line with each other runs many times slower.
  alignas(kPlanesAlign) std::array<uint8_t, kPlanesSize> planes{};
  uint8_t vertSize = 1;  // MGS_VertSize: 8, 4, 2 or 1
  uint8_t borderIndex0 = 0;
  uint8_t borderIndex1 = 0;

  // The cell height to lay cells out by. Loaders only ever store 8, 4, 2 or
  // 1; anything else reads as 8, so no division or table goes wrong.
  int cellHeight() const { return isValidCellHeight(vertSize) ? vertSize : 8; }

  uint8_t* pixels(int screen) { return planes.data() + screen * kPixelPlaneSize; }
  const uint8_t* pixels(int screen) const { return planes.data() + screen * kPixelPlaneSize; }
  uint8_t* attrs(int screen) { return planes.data() + kPixelBlockSize + screen * kAttrPlaneSize; }
  const uint8_t* attrs(int screen) const {
    return planes.data() + kPixelBlockSize + screen * kAttrPlaneSize;
  }

  // Pixel bit of screen s at (x, y); x 0..255, y 0..191.
  bool pixel(int screen, int x, int y) const;
  void setPixel(int screen, int x, int y, bool on);

  // The four colour indices that colour the cell holding pixel line `line`.
  CellColours cellColours(int column, int line) const;
  // Writes the four indices at the attribute line of the cell holding `line`.
  void setCellColours(int column, int line, CellColours c);

  // Colour index screen s shows at (x, y), before mixing.
  uint8_t screenColour(int screen, int x, int y) const;
};

// Every byte of both pixel planes and both attribute planes to zero.
void ClearPicture(Picture& pic);
// "New": a black Picture of the given cell height.
void NewPicture(Picture& pic, int cellHeight);
// "Convert to 8xN": only the cell height changes; the planes are untouched,
// so converting back restores the earlier look.
void ConvertPicture(Picture& pic, int cellHeight);

// One-level undo: a copy of the four planes. Swapping exchanges it with the
// Picture, so a second swap redoes.
struct UndoSnapshot {
  alignas(kPlanesAlign) std::array<uint8_t, kPlanesSize> planes{};
};
void TakeUndoSnapshot(const Picture& pic, UndoSnapshot& snap);
void SwapUndoSnapshot(Picture& pic, UndoSnapshot& snap);

}  // namespace cs
