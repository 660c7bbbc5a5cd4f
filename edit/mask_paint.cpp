#include "edit/mask_paint.h"

#include <algorithm>
#include <vector>

#include "edit/patterns.h"

namespace cs {

void PaintMask(EditorState& s, PaintSink& sink, const PixelMask& region, const PixelMask* second) {
  Picture& pic = s.picture;
  const int h = pic.cellHeight();
  // Everything the loop reads, in locals: the planes' bytes may alias any
  // of the state's fields, so the compiler would read those again per byte.
  const CurrentColours cc = s.colours;
  const bool rgb = s.rgbModeOn, pix = s.pixModeOn;
  const uint8_t cur0 = cc.bit0 ? 0xFF : 0x00, cur1 = cc.bit1 ? 0xFF : 0x00;
  const int mix2 = std::clamp(s.shapes.secondMix, 0, 3);
  const uint8_t sec0 = mix2 / 2 ? 0xFF : 0x00, sec1 = mix2 % 2 ? 0xFF : 0x00;
  uint8_t* p0 = pic.pixels(0);
  uint8_t* p1 = pic.pixels(1);
  uint8_t* a0 = pic.attrs(0);
  uint8_t* a1 = pic.attrs(1);
  // Column by column, as the planes lie: a cell's lines come one after the
  // other, so its colours are written once. Its redraw waits until every
  // pixel is painted.
  struct Cell {
    int column, attrLine;
  };
  std::vector<Cell> cells;
  cells.reserve(kColumns * kLines / 8);
  for (int c = 0; c < kColumns; ++c) {
    int lastCell = -1;
    for (int y = 0; y < kLines; ++y) {
      const uint8_t m = region.rows[size_t(y)].byte(c);
      if (!m) continue;
      const int attrLine = attributeLineFast(h, c, y);
      if (pix) {
        const auto inSecond = second ? uint8_t(second->rows[size_t(y)].byte(c) & m) : uint8_t(0);
        const auto inCurrent = uint8_t(m & ~inSecond);
        const int i = pixelIndex(c, y);
        p0[i] = uint8_t((p0[i] & ~m) | (cur0 & inCurrent) | (sec0 & inSecond));
        p1[i] = uint8_t((p1[i] & ~m) | (cur1 & inCurrent) | (sec1 & inSecond));
      }
      // The attribute line is the cell's first line: a new one is a new cell.
      if (attrLine == lastCell) continue;
      lastCell = attrLine;
      if (rgb) {
        const int a = attrIndex(c, attrLine);
        a0[a] = cc.ink0;
        a0[a + 1] = cc.pap0;
        a1[a] = cc.ink1;
        a1[a + 1] = cc.pap1;
      }
      cells.push_back({c, attrLine});
    }
  }
  for (const Cell& cell : cells) sink.redrawCell(cell.column, cell.attrLine / h, cell.attrLine);
}

PixelMask PatternSecond(int pattern) {
  PixelMask m;
  if (pattern < 0 || pattern >= kFillPatternCount) return m;
  for (int y = 0; y < kLines; ++y) {
    const uint8_t zeros = uint8_t(~PatternRow(pattern, y));
    for (int c = 0; c < kColumns; ++c) m.rows[size_t(y)].orByte(c, zeros);
  }
  return m;
}

PixelMask GradientSecond(int ax, int ay, int bx, int by) {
  PixelMask m;
  // t = dot / len2 of the pixel centre's offset from a's centre along the
  // vector between the centres, clamped to 0..1; the pixel takes the second
  // mix where t > (B + 0.5) / 64, in integers: 128 dot > (2B + 1) len2.
  const int64_t vx = bx - ax, vy = by - ay;
  const int64_t len2 = vx * vx + vy * vy;
  if (len2 == 0) return m;
  for (int y = 0; y < kLines; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const int64_t dot = std::clamp((x - ax) * vx + (y - ay) * vy, int64_t(0), len2);
      if (128 * dot > (2 * int64_t(Bayer(x, y)) + 1) * len2) m.set(x, y);
    }
  return m;
}

}  // namespace cs
