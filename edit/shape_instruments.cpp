#include "edit/shape_instruments.h"

#include <algorithm>

#include "edit/brush.h"
#include "edit/ellipse.h"
#include "edit/mask_paint.h"
#include "edit/patterns.h"
#include "model/translatable.h"
#include "render/view_geometry.h"

namespace cs {

namespace {

// The Line instrument draws a polyline: the first click takes the snapshot
// and sets the start, each further click adds a segment from the last one.
class Line : public InstrumentUnit {
 public:
  void press(EditorState& s, PaintSink& sink, MouseButton button, bool, int X, int Y, PressResult&) override {
    if (button != MouseButton::Left) return;
    if (!s.shapeStarted)
      TakeUndoSnapshot(s);
    else
      DrawPenLine(s, sink, s.lastPoint.x, s.lastPoint.y, X, Y);
    s.lastPoint = {X, Y};
    s.shapeStarted = true;
  }
  RubberBand band(const EditorState& s, ImagePoint here) const override {
    if (!s.shapeStarted) return {};
    return {RubberBand::Kind::Line, s.lastPoint, here};
  }
};

// The mask with its mirror images added, as the mirrors that are on repeat
// every point.
PixelMask withMirrors(const EditorState& s, PixelMask m) {
  const ShapeOptions& o = s.shapes;
  if (!o.mirrorLeftRight && !o.mirrorTopBottom) return m;
  const PixelMask plain = m;
  if (o.mirrorLeftRight) m |= Mirrored(plain, true, false);
  if (o.mirrorTopBottom) m |= Mirrored(plain, false, true);
  if (o.mirrorLeftRight && o.mirrorTopBottom) m |= Mirrored(plain, true, true);
  return m;
}

// A filled shape's inside: on each line, the pixels from the outline's
// leftmost to its rightmost pixel there.
PixelMask insideOf(const std::vector<PixelXY>& outline) {
  PixelMask m;
  std::array<int, kLines> left, right;
  left.fill(kWidth);
  right.fill(-1);
  for (const PixelXY& p : outline) {
    left[size_t(p.y)] = std::min(left[size_t(p.y)], p.x);
    right[size_t(p.y)] = std::max(right[size_t(p.y)], p.x);
  }
  for (int y = 0; y < kLines; ++y)
    if (right[size_t(y)] >= 0) m.rows[size_t(y)].setRun(left[size_t(y)], right[size_t(y)]);
  return m;
}

// The rectangle between two picture pixels, both corners included.
PixelMask boxOf(int x0, int y0, int x1, int y1) {
  PixelMask m;
  for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
    m.rows[size_t(y)].setRun(std::min(x0, x1), std::max(x0, x1));
  return m;
}

// A filled shape's inside, painted in the pattern: its 0 bits in the second
// mix, except on `solid`, the outline's pixels, which stay in the current mix.
void paintInside(EditorState& s, PaintSink& sink, const PixelMask& inside, const PixelMask& solid) {
  if (s.shapes.pattern == kSolidPattern) return PaintMask(s, sink, inside);
  PixelMask second = PatternSecond(s.shapes.pattern);
  second.subtract(solid);
  PaintMask(s, sink, inside, &second);
}

// Rect and Ellipse: the first click takes the snapshot and anchors the
// shape, the second paints it (its inside first when filled shapes are on,
// in the pattern, then the outline solid) and closes it.
class TwoClickShape : public InstrumentUnit {
 public:
  TwoClickShape(RubberBand::Kind kind, const char* name, const char* filledName)
      : kind_(kind), name_(name), filledName_(filledName) {}

  void press(EditorState& s, PaintSink& sink, MouseButton button, bool, int X, int Y,
             PressResult& r) override {
    if (button != MouseButton::Left) return;
    if (!s.shapeStarted) {
      TakeUndoSnapshot(s);
      s.lastPoint = {X, Y};
      s.shapeStarted = true;
      return;
    }
    s.shapeStarted = false;
    paint(s, sink, X, Y);
    r.refreshView = true;
  }
  RubberBand band(const EditorState& s, ImagePoint here) const override {
    if (!s.shapeStarted) return {};
    return {kind_, s.lastPoint, here};
  }
  ReleaseResult release(EditorState& s, PaintSink&, const PaintContext&) override {
    return {s.shapes.filled ? filledName_ : name_, false};
  }

 private:
  void paint(EditorState& s, PaintSink& sink, int X, int Y) {
    const int scale = s.view.pixelScale();
    const int x0 = floorDiv(s.lastPoint.x, scale), y0 = floorDiv(s.lastPoint.y, scale);
    const int x1 = floorDiv(X, scale), y1 = floorDiv(Y, scale);
    const bool ellipse = kind_ == RubberBand::Kind::Ellipse;
    if (ellipse) {
      paintEllipse(s, sink, EllipseOutline(x0, y0, x1, y1));
      // Where the rectangle's outline leaves it: the second click's pixel.
      s.lastPoint = {x1 * scale, y1 * scale};
      s.penMemo.clear();
      return;
    }
    // The outline is painted over the inside point by point afterwards.
    if (s.shapes.filled) paintInside(s, sink, withMirrors(s, boxOf(x0, y0, x1, y1)), PixelMask{});
    DrawPenRect(s, sink, s.lastPoint.x, s.lastPoint.y, X, Y);
  }

  // The outline's points, and the inside when filled, in one pass: each
  // pixel is painted by the point rule exactly as point by point would, the
  // outline solid and the inside in the pattern.
  static void paintEllipse(EditorState& s, PaintSink& sink, const std::vector<PixelXY>& outline) {
    PixelMask points;
    for (const PixelXY& p : outline) points.set(p.x, p.y);
    // A brush wider than one pixel paints its footprint at every outline point.
    points = withMirrors(s, WidenedByBrush(s, points));
    if (!s.shapes.filled) return PaintMask(s, sink, points);
    // Each line's inside runs from its leftmost to its rightmost outline
    // pixel, so it holds the outline too (the brush's widening added).
    PixelMask inside = withMirrors(s, insideOf(outline));
    inside |= points;
    paintInside(s, sink, inside, points);
  }

  RubberBand::Kind kind_;
  const char* name_;
  const char* filledName_;
};

}  // namespace

InstrumentUnit& LineUnit() {
  static Line unit;
  return unit;
}

InstrumentUnit& RectUnit() {
  static TwoClickShape unit(RubberBand::Kind::Rect, CS_TRANSLATE_NOOP("Core", "Rectangle"),
                            CS_TRANSLATE_NOOP("Core", "Filled rectangle"));
  return unit;
}

InstrumentUnit& EllipseUnit() {
  static TwoClickShape unit(RubberBand::Kind::Ellipse, CS_TRANSLATE_NOOP("Core", "Ellipse"),
                            CS_TRANSLATE_NOOP("Core", "Filled ellipse"));
  return unit;
}

}  // namespace cs
