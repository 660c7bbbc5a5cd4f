#include "edit/transforms.h"

#include <algorithm>
#include <array>
#include <bit>
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

// Mirrors each of n bytes: bit 7 swaps with bit 0 and so on. Eight bytes
// at a time where it can.
void reverseBytes(uint8_t* dst, const uint8_t* src, int n) {
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t x;
    std::memcpy(&x, src + i, 8);
    x = ((x >> 1) & 0x5555555555555555ull) | ((x & 0x5555555555555555ull) << 1);
    x = ((x >> 2) & 0x3333333333333333ull) | ((x & 0x3333333333333333ull) << 2);
    x = ((x >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((x & 0x0F0F0F0F0F0F0F0Full) << 4);
    std::memcpy(dst + i, &x, 8);
  }
  for (; i < n; ++i) dst[i] = kReversedBits[src[i]];
}

void flipHorizontal(EditorState& s, const Region& r) {
  // Byte columns swap ends and each byte is mirrored; a column's lines lie
  // next to each other in the plane.
  for (int screen = 0; screen < 2; ++screen) {
    const Planes p = pixelPlanes(s, screen);
    for (int j = 0; j < r.columns; ++j) {
      const int from = r.column + j, to = r.column + r.columns - 1 - j;
      reverseBytes(p.dst + pixelIndex(to, r.line), p.src + pixelIndex(from, r.line), r.lines);
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
    for (int c = r.column; c < r.column + r.columns; ++c) {
      const uint8_t* __restrict src = p.src + pixelIndex(c, r.line);
      uint8_t* __restrict dst = p.dst + pixelIndex(c, r.line);
      int i = 0;
      if constexpr (std::endian::native == std::endian::little)
        for (; i + 8 <= r.lines; i += 8) {
          uint64_t x;
          std::memcpy(&x, src + i, 8);
          x = __builtin_bswap64(x);
          std::memcpy(dst + r.lines - 8 - i, &x, 8);
        }
      for (; i < r.lines; ++i) dst[r.lines - 1 - i] = src[i];
    }
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
    for (int c = r.column; c <= last; ++c) {
      // The column whose edge pixel enters this one.
      const int other = right ? (c == r.column ? last : c - 1) : (c == last ? r.column : c + 1);
      // The source and the live planes are separate buffers.
      const uint8_t* __restrict here = p.src + pixelIndex(c, r.line);
      const uint8_t* __restrict next = p.src + pixelIndex(other, r.line);
      uint8_t* __restrict dst = p.dst + pixelIndex(c, r.line);
      // Eight lines at a time, each byte shifted on its own.
      int y = 0;
      for (; y + 8 <= r.lines; y += 8) {
        uint64_t a, b;
        std::memcpy(&a, here + y, 8);
        std::memcpy(&b, next + y, 8);
        const uint64_t out = right ? ((a >> 1) & 0x7F7F7F7F7F7F7F7Full) | ((b << 7) & 0x8080808080808080ull)
                                   : ((a << 1) & 0xFEFEFEFEFEFEFEFEull) | ((b >> 7) & 0x0101010101010101ull);
        std::memcpy(dst + y, &out, 8);
      }
      for (; y < r.lines; ++y)
        dst[y] = right ? uint8_t((here[y] >> 1) | (next[y] << 7)) : uint8_t((here[y] << 1) | (next[y] >> 7));
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
  // Line 7 in the top byte, line 0 in the bottom one.
  uint64_t x = 0;
  if constexpr (std::endian::native == std::endian::little)
    std::memcpy(&x, lines, 8);
  else
    for (int i = 0; i < 8; ++i) x |= uint64_t(lines[i]) << (8 * i);
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
          // Line j of the turned block from the top byte down.
          if constexpr (std::endian::native == std::endian::little) {
            const uint64_t out = __builtin_bswap64(turned);
            std::memcpy(dst, &out, 8);
          } else {
            for (int j = 0; j < 8; ++j) dst[j] = uint8_t(turned >> (56 - 8 * j));
          }
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
