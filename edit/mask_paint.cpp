#include "edit/mask_paint.h"

#include <algorithm>
#include <bitset>

#include "edit/patterns.h"

namespace cs {

void PaintMask(EditorState& s, PaintSink& sink, const PixelMask& region, const PixelMask* second) {
  Picture& pic = s.picture;
  const CurrentColours& cc = s.colours;
  const int h = pic.cellHeight();
  const uint8_t cur0 = cc.bit0 ? 0xFF : 0x00, cur1 = cc.bit1 ? 0xFF : 0x00;
  const int mix2 = std::clamp(s.shapes.secondMix, 0, 3);
  const uint8_t sec0 = mix2 / 2 ? 0xFF : 0x00, sec1 = mix2 % 2 ? 0xFF : 0x00;
  uint8_t* p0 = pic.pixels(0);
  uint8_t* p1 = pic.pixels(1);
  uint8_t* a0 = pic.attrs(0);
  uint8_t* a1 = pic.attrs(1);
  // Cells painted in, by column and first line, to redraw each once.
  std::bitset<kColumns * kLines> painted;
  for (int y = 0; y < kLines; ++y) {
    const MaskRow& row = region.rows[size_t(y)];
    if (!row.any()) continue;
    const MaskRow* sec = second ? &second->rows[size_t(y)] : nullptr;
    for (int c = 0; c < kColumns; ++c) {
      const uint8_t m = row.byte(c);
      if (!m) continue;
      const int attrLine = attributeLine(h, c, y);
      if (s.rgbModeOn) {
        const int a = attrIndex(c, attrLine);
        a0[a] = cc.ink0;
        a0[a + 1] = cc.pap0;
        a1[a] = cc.ink1;
        a1[a + 1] = cc.pap1;
      }
      if (s.pixModeOn) {
        const uint8_t inSecond = sec ? uint8_t(sec->byte(c) & m) : 0;
        const uint8_t inCurrent = uint8_t(m & ~inSecond);
        const int i = pixelIndex(c, y);
        p0[i] = uint8_t((p0[i] & ~m) | (cur0 & inCurrent) | (sec0 & inSecond));
        p1[i] = uint8_t((p1[i] & ~m) | (cur1 & inCurrent) | (sec1 & inSecond));
      }
      painted.set(size_t(c * kLines + cellSpan(h, c, y).firstLine));
    }
  }
  for (int c = 0; c < kColumns; ++c)
    for (int y = 0; y < kLines; ++y)
      if (painted.test(size_t(c * kLines + y))) sink.redrawCell(c, y / h, attributeLine(h, c, y));
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
