// What a press and a drag on the editor image do to the Picture: mapping a
// screen position to a pixel, byte column, cell and attribute line, the
// per-point rule of the PIX and RGB modes, FillChar, pen lines and rectangles,
// and the right-button colour pick. Everything works in editor-image
// coordinates (screen pixels of the zoomed image), so a test can drive a whole
// stroke with a list of points.
#pragma once

#include <array>

#include "model/editor_state.h"
#include "render/compose.h"

namespace cs {

// Where an editor-image position falls in the Picture.
struct PointInfo {
  int column;    // byte column 0..31
  int bit;       // 0 = leftmost pixel of the byte
  int line;      // 0..191
  int cellRow;   // line / cell height
  int attrLine;  // the line whose attribute entry colours the cell
  int pixelX() const { return column * 8 + bit; }
};
PointInfo MapPosition(const EditorState& s, int X, int Y);

// True when (X, Y) lies on the Picture's area of the editor image.
bool InsidePicture(const EditorState& s, int X, int Y);

// Hears about the consequences of painting that only the window can show.
class PaintSink {
 public:
  virtual ~PaintSink() = default;
  // A cell changed (or was painted over): repaint it.
  virtual void redrawCell(int column, int cellRow, int attrLine) = 0;
  // A point was painted: its column, cell row, bit and line for the status bar.
  virtual void showPaintedPoint(const PointInfo& p) = 0;
};

// The per-point rule. Returns false when the point equals the pen memo and
// nothing was done beyond the status labels.
bool PaintPoint(EditorState& s, PaintSink& sink, int X, int Y);
// What the rule writes at p, with the pixel bits (bit0, bit1) of the mix it
// paints in: the cell's colours in RGB mode, the pixel's bits in PIX mode or
// the cell's whole byte with FillChar. No memo, no status, no LastPoint.
void WritePoint(EditorState& s, PaintSink& sink, const PointInfo& p, int bit0, int bit1);
// A point of the pen: PaintPoint, and while it painted, the same point at
// its mirror images (without moving LastPoint or the memo); with a brush
// wider than a pixel or a stamp, the brush's pixels around the point instead.
bool PaintMirroredPoint(EditorState& s, PaintSink& sink, int X, int Y);
// A point of a shape: never skipped by the memo, mirrored like the pen's.
void PaintShapePoint(EditorState& s, PaintSink& sink, int X, int Y);
void PaintPicturePoint(EditorState& s, PaintSink& sink, int x, int y);
// Bresenham over picture pixels, both ends painted, as shape points; the
// memo is "none" afterwards.
void DrawPenLine(EditorState& s, PaintSink& sink, int X0, int Y0, int X1, int Y1);
// Outline as four lines: top, bottom, left, right.
void DrawPenRect(EditorState& s, PaintSink& sink, int X0, int Y0, int X1, int Y1);

// Right button: the cell's four colours become the current colours, unchanged.
void PickCellColours(EditorState& s, int X, int Y);
// The cell's four mixed colours, in the order of the mixes 0..3.
std::array<Rgb, 4> CellMixColours(const EditorState& s, const MixTable& t, int X, int Y);

}  // namespace cs
