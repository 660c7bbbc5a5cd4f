#include "render/compose.h"

#include <array>
#include <cstring>

namespace cs {

namespace {

// spread[b] puts bit 7-j of b into byte j (lowest byte first), so two pixel
// bytes give all eight mix numbers of a row at once: (spread[b0] << 1) | spread[b1].
constexpr std::array<uint64_t, 256> makeSpread() {
  std::array<uint64_t, 256> t{};
  for (unsigned b = 0; b < 256; ++b)
    for (unsigned j = 0; j < 8; ++j)
      if (b & (0x80u >> j)) t[b] |= uint64_t{1} << (8 * j);
  return t;
}
constexpr std::array<uint64_t, 256> kSpread = makeSpread();

struct CellPaint {
  Rgb mix[4];
  Rgb z0[2];
  Rgb z1[2];
};

CellPaint cellPaint(const Picture& pic, const ColourTables& t, int attr) {
  const uint8_t ink0 = pic.attrs(0)[attr], pap0 = pic.attrs(0)[attr + 1];
  const uint8_t ink1 = pic.attrs(1)[attr], pap1 = pic.attrs(1)[attr + 1];
  return {{t.mix.at(ink0, ink1), t.mix.at(ink0, pap1), t.mix.at(pap0, ink1), t.mix.at(pap0, pap1)},
          {t.zx[safeIndex(ink0)], t.zx[safeIndex(pap0)]},
          {t.zx[safeIndex(ink1)], t.zx[safeIndex(pap1)]}};
}

// Paints the 8 pixels of column `column` on line y. The mixed colour of a
// pixel is picked by its two bits (screen 0 high, screen 1 low).
inline void paintRow(const Picture& pic, const CellPaint& cp, ComposedImages& out, int column, int y,
                     bool screens) {
  const unsigned b0 = pic.pixels(0)[pixelIndex(column, y)];
  const unsigned b1 = pic.pixels(1)[pixelIndex(column, y)];
  const uint64_t s0 = kSpread[b0], s1 = kSpread[b1];
  const uint64_t k = (s0 << 1) | s1;
  const int x0 = column * 8;
  Rgb* c = out.composite.row(y) + x0;
  Rgb* pv = out.preview.row(2 * y) + 2 * x0;
  Rgb* pv2 = out.preview.row(2 * y + 1) + 2 * x0;
  for (int j = 0; j < 8; ++j) {
    const Rgb m = cp.mix[(k >> (8 * j)) & 3];
    c[j] = m;
    pv[2 * j] = m;
    pv[2 * j + 1] = m;
    pv2[2 * j] = m;
    pv2[2 * j + 1] = m;
  }
  if (screens) {
    Rgb* z0 = out.screen0.row(y) + x0;
    Rgb* z1 = out.screen1.row(y) + x0;
    for (int j = 0; j < 8; ++j) {
      z0[j] = cp.z0[(s0 >> (8 * j)) & 1];
      z1[j] = cp.z1[(s1 >> (8 * j)) & 1];
    }
  }
}


}  // namespace

CellRect cellRectOf(int cellHeight, int column, int cellRow) {
  if (cellHeight == 1 && isOuterColumn(column)) return {column * 8, cellRow / 8 * 8, 8, 8};
  return {column * 8, cellRow * cellHeight, 8, cellHeight};
}

void ComposePicture(const Picture& pic, const ColourTables& t, ComposedImages& out) {
  const int h = pic.cellHeight();
  // Row by row, so every image is written in address order.
  CellPaint cells[kColumns];
  for (int y = 0; y < kLines; ++y) {
    for (int column = 0; column < kColumns; ++column) {
      const int a = attributeLine(h, column, y);
      if (a == y) cells[column] = cellPaint(pic, t, attrIndex(column, a));
      paintRow(pic, cells[column], out, column, y, true);
    }
  }
}

CellRect ComposeCell(const Picture& pic, const ColourTables& t, ComposedImages& out, int column,
                     int cellRow) {
  const int h = pic.cellHeight();
  const CellRect r = cellRectOf(h, column, cellRow);
  if (column < 0 || column >= kColumns || r.y < 0 || r.y + r.height > kLines) return {0, 0, 0, 0};
  const CellPaint cp = cellPaint(pic, t, attrIndex(column, r.y));
  for (int y = r.y; y < r.y + r.height; ++y) paintRow(pic, cp, out, column, y, false);
  return r;
}

}  // namespace cs
