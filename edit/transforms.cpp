#include "edit/transforms.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace cs {

namespace {

// The region in byte columns and pixel lines, clipped to the Picture, and
// its first cell row with the number of whole cell rows in it.
struct Region {
  int column, columns;
  int line, lines;
  int cellRow, cellRows;
  int cellHeight;
};

Region clippedRegion(const EditorState& s) {
  const Selection& sel = s.selection;
  const int h = s.picture.cellHeight();
  Region r{};
  r.cellHeight = h;
  r.column = std::clamp(sel.left, 0, kColumns);
  r.columns = std::clamp(sel.left + sel.width, 0, kColumns) - r.column;
  r.cellRow = std::clamp(sel.top, 0, kLines / h);
  r.cellRows = std::clamp(sel.top + sel.height, 0, kLines / h) - r.cellRow;
  r.line = r.cellRow * h;
  r.lines = r.cellRows * h;
  return r;
}

constexpr std::array<uint8_t, 256> kReversedBits = [] {
  std::array<uint8_t, 256> t{};
  for (int v = 0; v < 256; ++v) {
    int r = 0;
    for (int b = 0; b < 8; ++b)
      if (v & (1 << b)) r |= 0x80 >> b;
    t[size_t(v)] = uint8_t(r);
  }
  return t;
}();

// The source and live pixel plane of one screen.
struct Planes {
  const uint8_t* src;
  uint8_t* dst;
};

Planes pixelPlanes(EditorState& s, int screen) {
  return {s.transformSource.data() + screen * kPixelPlaneSize, s.picture.pixels(screen)};
}

// Moves the attribute entry (both bytes) at (fromColumn, fromLine) of the
// source to (toColumn, toLine) of the live planes, on both screens.
void moveEntry(EditorState& s, int toColumn, int toLine, int fromColumn, int fromLine) {
  for (int screen = 0; screen < 2; ++screen) {
    const uint8_t* src = s.transformSource.data() + kPixelBlockSize + screen * kAttrPlaneSize;
    std::memcpy(s.picture.attrs(screen) + attrIndex(toColumn, toLine), src + attrIndex(fromColumn, fromLine),
                2);
  }
}

void flipHorizontal(EditorState& s, const Region& r) {
  for (int screen = 0; screen < 2; ++screen) {
    const Planes p = pixelPlanes(s, screen);
    for (int j = 0; j < r.columns; ++j) {
      const int from = r.column + j, to = r.column + r.columns - 1 - j;
      for (int y = r.line; y < r.line + r.lines; ++y)
        p.dst[pixelIndex(to, y)] = kReversedBits[p.src[pixelIndex(from, y)]];
    }
  }
  for (int i = 0; i < r.cellRows; ++i)
    for (int j = 0; j < r.columns; ++j) {
      const int line = (r.cellRow + i) * r.cellHeight;
      moveEntry(s, r.column + j, line, r.column + r.columns - 1 - j, line);
    }
}

void flipVertical(EditorState& s, const Region& r) {
  for (int screen = 0; screen < 2; ++screen) {
    const Planes p = pixelPlanes(s, screen);
    for (int c = r.column; c < r.column + r.columns; ++c)
      for (int i = 0; i < r.lines; ++i)
        p.dst[pixelIndex(c, r.line + r.lines - 1 - i)] = p.src[pixelIndex(c, r.line + i)];
  }
  for (int i = 0; i < r.cellRows; ++i)
    for (int c = r.column; c < r.column + r.columns; ++c)
      moveEntry(s, c, (r.cellRow + i) * r.cellHeight, c, (r.cellRow + r.cellRows - 1 - i) * r.cellHeight);
}

// Shifts every line of the region one pixel right or left, the pixel that
// leaves one end entering at the other.
void rotateSideways(EditorState& s, const Region& r, bool right) {
  if (r.columns == 0) return;
  const int last = r.column + r.columns - 1;
  for (int screen = 0; screen < 2; ++screen) {
    const Planes p = pixelPlanes(s, screen);
    for (int y = r.line; y < r.line + r.lines; ++y)
      for (int c = r.column; c <= last; ++c) {
        const uint8_t here = p.src[pixelIndex(c, y)];
        if (right) {
          const uint8_t before = p.src[pixelIndex(c == r.column ? last : c - 1, y)];
          p.dst[pixelIndex(c, y)] = uint8_t((here >> 1) | (before << 7));
        } else {
          const uint8_t after = p.src[pixelIndex(c == last ? r.column : c + 1, y)];
          p.dst[pixelIndex(c, y)] = uint8_t((here << 1) | (after >> 7));
        }
      }
  }
}

// Shifts every pixel column of the region one line up or down, cyclically.
// A byte column's lines lie next to each other in the plane.
void rotateUpright(EditorState& s, const Region& r, bool up) {
  if (r.lines == 0) return;
  const size_t n = size_t(r.lines - 1);
  for (int screen = 0; screen < 2; ++screen) {
    const Planes p = pixelPlanes(s, screen);
    for (int c = r.column; c < r.column + r.columns; ++c) {
      const uint8_t* src = p.src + pixelIndex(c, r.line);
      uint8_t* dst = p.dst + pixelIndex(c, r.line);
      if (up) {
        std::memcpy(dst, src + 1, n);
        dst[n] = src[0];
      } else {
        std::memcpy(dst + 1, src, n);
        dst[0] = src[n];
      }
    }
  }
}

bool pixelPair(const EditorState& s, int screen, int x, int y) {
  return s.transformSource[size_t(screen * kPixelPlaneSize + pixelIndex(x / 8, y))] & (0x80 >> (x % 8));
}

// A quarter turn of an 8 x 8 block: byte j of the result (line j of the
// turned block) holds in bit i what bit 7 - j of source byte i (line i)
// held, so source line 0 ends up in the rightmost column.
uint64_t turnBlock(const uint8_t* lines) {
  uint64_t x = 0;
  for (int i = 0; i < 8; ++i) x |= uint64_t(lines[7 - i]) << (56 - 8 * i);
  uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAull;
  x ^= t ^ (t << 7);
  t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCull;
  x ^= t ^ (t << 14);
  t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ull;
  x ^= t ^ (t << 28);
  return x;
}

// The region, W pixels wide and H lines high, turns about its top-left
// corner and becomes H wide and W high: pixel (x0 + j, y0 + i) goes to
// (x0 + H - 1 - i, y0 + j).
void rotate90Pixels(EditorState& s, const Region& r) {
  const int x0 = r.column * 8, y0 = r.line, W = r.columns * 8, H = r.lines;
  if (H % 8 == 0) {
    // Whole 8 x 8 blocks: source block (column c, lines y0 + 8b ...) lands
    // in column column + H / 8 - 1 - b, lines y0 + 8 (c - column) ...
    for (int screen = 0; screen < 2; ++screen) {
      const Planes p = pixelPlanes(s, screen);
      for (int c = 0; c < r.columns; ++c)
        for (int b = 0; b < H / 8; ++b) {
          const uint64_t turned = turnBlock(p.src + pixelIndex(r.column + c, y0 + 8 * b));
          uint8_t* dst = p.dst + pixelIndex(r.column + H / 8 - 1 - b, y0 + 8 * c);
          for (int j = 0; j < 8; ++j) dst[j] = uint8_t(turned >> (56 - 8 * j));
        }
    }
    return;
  }
  for (int i = 0; i < H; ++i)
    for (int j = 0; j < W; ++j)
      for (int screen = 0; screen < 2; ++screen) {
        const int x = x0 + H - 1 - i, y = y0 + j;
        uint8_t& byte = s.picture.pixels(screen)[pixelIndex(x / 8, y)];
        const uint8_t mask = uint8_t(0x80 >> (x % 8));
        byte = pixelPair(s, screen, x0 + j, y0 + i) ? uint8_t(byte | mask) : uint8_t(byte & ~mask);
      }
}

void rotate90(EditorState& s, const Region& r) {
  rotate90Pixels(s, r);
  // The cells turn as a grid of cells.
  const int h = r.cellHeight;
  for (int i = 0; i < r.cellRows; ++i)
    for (int j = 0; j < r.columns; ++j)
      moveEntry(s, r.column + r.cellRows - 1 - i, h * (r.cellRow + j), r.column + j, h * (r.cellRow + i));
}

// The quarter turn needs the rectangle inside the Picture and the turned
// block (pixels and cells) inside it too.
bool turnFits(const EditorState& s) {
  const Selection& sel = s.selection;
  const int h = s.picture.cellHeight();
  if (sel.left < 0 || sel.top < 0 || sel.width < 0 || sel.height < 0) return false;
  const int64_t x0 = 8 * int64_t(sel.left), y0 = int64_t(h) * sel.top;
  const int64_t W = 8 * int64_t(sel.width), H = int64_t(h) * sel.height;
  const bool inside = x0 + W <= kWidth && y0 + H <= kLines;
  const bool pixelsFit = x0 + H <= kWidth && y0 + W <= kLines;
  const bool cellsFit =
      int64_t(sel.left) + sel.height <= kColumns && h * (int64_t(sel.top) + sel.width - 1) < kLines;
  return inside && pixelsFit && cellsFit;
}

}  // namespace

bool ApplyTransform(EditorState& s, Transform t) {
  if (t == Transform::Rotate90 && !turnFits(s)) return false;
  TakeUndoSnapshot(s);
  s.transformSource = s.picture.planes;
  const Region r = clippedRegion(s);
  switch (t) {
    case Transform::FlipHorizontal: flipHorizontal(s, r); break;
    case Transform::FlipVertical: flipVertical(s, r); break;
    case Transform::Rotate90: rotate90(s, r); break;
    case Transform::RotateRight: rotateSideways(s, r, true); break;
    case Transform::RotateLeft: rotateSideways(s, r, false); break;
    case Transform::RotateUp: rotateUpright(s, r, true); break;
    case Transform::RotateDown: rotateUpright(s, r, false); break;
  }
  return true;
}

}  // namespace cs
