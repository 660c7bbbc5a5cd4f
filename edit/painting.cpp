#include "edit/painting.h"

#include <cstdlib>
#include <utility>

#include "edit/brush.h"
#include "render/view_geometry.h"

namespace cs {

PointInfo MapPosition(const EditorState& s, int X, int Y) {
  const int scale = s.view.pixelScale();
  const int h = s.picture.cellHeight();
  const int px = floorDiv(X, scale);
  const int line = floorDiv(Y, scale);
  const int column = floorDiv(px, 8);
  const int cellRow = floorDiv(line, h);
  return {column, px - 8 * column, line, cellRow, attributeLine(h, column, line)};
}

bool InsidePicture(const EditorState& s, int X, int Y) {
  const int scale = s.view.pixelScale();
  return X >= 0 && Y >= 0 && X < kWidth * scale && Y < kLines * scale;
}

namespace {

// The part of the point rule before the writes: the last point, the status
// labels and the pen memo. False when nothing is to be written.
bool passPoint(EditorState& s, PaintSink& sink, int X, int Y, PointInfo& p) {
  s.lastPoint = {X, Y};
  p = MapPosition(s, X, Y);
  // The callers keep positions inside the Picture; a stray one is dropped
  // rather than allowed to address outside the planes.
  if (p.column < 0 || p.column >= kColumns || p.line < 0 || p.line >= kLines) return false;
  sink.showPaintedPoint(p);

  PenMemo& memo = s.penMemo;
  if (memo.column == p.column && memo.cellRow == p.cellRow && memo.bit == p.bit && memo.line == p.line)
    return false;
  memo = {p.column, p.cellRow, p.bit, p.line};
  return true;
}

}  // namespace

bool PaintPoint(EditorState& s, PaintSink& sink, int X, int Y) {
  PointInfo p{};
  if (!passPoint(s, sink, X, Y, p)) return false;
  WritePoint(s, sink, p, s.colours.bit0, s.colours.bit1);
  return true;
}

void WritePoint(EditorState& s, PaintSink& sink, const PointInfo& p, int bit0, int bit1) {
  Picture& pic = s.picture;
  const CurrentColours& cc = s.colours;
  if (s.rgbModeOn) {
    const int a = attrIndex(p.column, p.attrLine);
    pic.attrs(0)[a] = cc.ink0;
    pic.attrs(0)[a + 1] = cc.pap0;
    pic.attrs(1)[a] = cc.ink1;
    pic.attrs(1)[a + 1] = cc.pap1;
  }
  if (s.curInstrument == Instrument::FillChar) {
    // Whole bytes over the cell's lines; the outer-column exception of the
    // attribute line does not widen this span.
    const int h = s.picture.cellHeight();
    const int first = p.line / h * h;
    for (int l = first; l < first + h; ++l) {
      pic.pixels(0)[pixelIndex(p.column, l)] = bit0 ? 0xFF : 0x00;
      pic.pixels(1)[pixelIndex(p.column, l)] = bit1 ? 0xFF : 0x00;
    }
  } else if (s.pixModeOn) {
    pic.setPixel(0, p.pixelX(), p.line, bit0 != 0);
    pic.setPixel(1, p.pixelX(), p.line, bit1 != 0);
  }
  sink.redrawCell(p.column, p.cellRow, p.attrLine);
}

bool PaintMirroredPoint(EditorState& s, PaintSink& sink, int X, int Y) {
  // The point itself decides, by the memo, whether anything is painted; the
  // brush, when wider than the point, paints around it.
  PointInfo p{};
  if (!passPoint(s, sink, X, Y, p)) return false;
  if (BrushActive(s))
    PaintBrushAt(s, sink, p.pixelX(), p.line);
  else
    PaintMirroredPixel(s, sink, p.pixelX(), p.line, s.colours.bit0, s.colours.bit1);
  return true;
}

void PaintShapePoint(EditorState& s, PaintSink& sink, int X, int Y) {
  s.penMemo.clear();
  PaintMirroredPoint(s, sink, X, Y);
}

void PaintPicturePoint(EditorState& s, PaintSink& sink, int x, int y) {
  const int scale = s.view.pixelScale();
  PaintShapePoint(s, sink, x * scale, y * scale);
}

void DrawPenLine(EditorState& s, PaintSink& sink, int X0, int Y0, int X1, int Y1) {
  const int scale = s.view.pixelScale();
  const int x0 = floorDiv(X0, scale), y0 = floorDiv(Y0, scale);
  const int x1 = floorDiv(X1, scale), y1 = floorDiv(Y1, scale);
  int dx = std::abs(x0 - x1), dy = std::abs(y0 - y1);
  const int sx = (x1 > x0) - (x1 < x0), sy = (y1 > y0) - (y1 < y0);
  const bool steep = dy > dx;
  if (steep) std::swap(dx, dy);
  int e = 2 * dy - dx;
  int x = x0, y = y0;
  for (int i = 0; i <= dx; ++i) {
    PaintPicturePoint(s, sink, x, y);
    if (e >= 0) {
      if (steep)
        x += sx;
      else
        y += sy;
      e -= 2 * dx;
    }
    if (steep)
      y += sy;
    else
      x += sx;
    e += 2 * dy;
  }
  s.penMemo.clear();
}

void DrawPenRect(EditorState& s, PaintSink& sink, int X0, int Y0, int X1, int Y1) {
  DrawPenLine(s, sink, X0, Y0, X1, Y0);
  DrawPenLine(s, sink, X0, Y1, X1, Y1);
  DrawPenLine(s, sink, X0, Y0, X0, Y1);
  DrawPenLine(s, sink, X1, Y0, X1, Y1);
}

void PickCellColours(EditorState& s, int X, int Y) {
  if (!InsidePicture(s, X, Y)) return;
  const PointInfo p = MapPosition(s, X, Y);
  const int a = attrIndex(p.column, p.attrLine);
  s.colours.ink0 = s.picture.attrs(0)[a];
  s.colours.pap0 = s.picture.attrs(0)[a + 1];
  s.colours.ink1 = s.picture.attrs(1)[a];
  s.colours.pap1 = s.picture.attrs(1)[a + 1];
}

std::array<Rgb, 4> CellMixColours(const EditorState& s, const MixTable& t, int X, int Y) {
  if (!InsidePicture(s, X, Y)) return {};
  const PointInfo p = MapPosition(s, X, Y);
  const int a = attrIndex(p.column, p.attrLine);
  const uint8_t ink0 = s.picture.attrs(0)[a], pap0 = s.picture.attrs(0)[a + 1];
  const uint8_t ink1 = s.picture.attrs(1)[a], pap1 = s.picture.attrs(1)[a + 1];
  return {t.at(ink0, ink1), t.at(ink0, pap1), t.at(pap0, ink1), t.at(pap0, pap1)};
}

}  // namespace cs
