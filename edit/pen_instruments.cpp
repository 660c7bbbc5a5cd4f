#include "edit/pen_instruments.h"

#include "edit/selection.h"
#include "model/translatable.h"

namespace cs {

namespace {

// The pen paints a point at the press and at every move with the left
// button held; with Shift the press draws a line from the last point.
// FillChar is the same pen with the cell-filling point rule.
class Pen : public InstrumentUnit {
 public:
  explicit Pen(bool endsShiftLine) : endsShiftLine_(endsShiftLine) {}

  void press(EditorState& s, PaintSink& sink, MouseButton button, bool shift, int X, int Y,
             PressResult&) override {
    if (button != MouseButton::Left) return;
    TakeUndoSnapshot(s);
    if (shift) {
      DrawPenLine(s, sink, s.lastPoint.x, s.lastPoint.y, X, Y);
      s.lastPoint = {X, Y};
    } else {
      PaintMirroredPoint(s, sink, X, Y);
    }
  }

  void move(EditorState& s, PaintSink& sink, bool leftHeld, int X, int Y, MoveResult& r) override {
    if (leftHeld) {
      PaintMirroredPoint(s, sink, X, Y);
    } else {
      r.hover = true;
      r.hoverPoint = MapPosition(s, X, Y);
    }
  }

  // The pen's stroke is named by what it painted with: a stamp, a brush
  // wider than a pixel, or the plain pen (the table's name).
  ReleaseResult release(EditorState& s, PaintSink&, const PaintContext&) override {
    if (s.curInstrument != Instrument::Paint) return {};
    if (s.brush.hasStamp()) return {CS_TRANSLATE_NOOP("Core", "Stamp"), false};
    if (s.brush.size > 1) return {CS_TRANSLATE_NOOP("Core", "Brush"), false};
    return {};
  }

  // Only the pen itself ends its Shift-line when Shift goes up.
  bool endsShiftLineOnKeyRelease() const override { return endsShiftLine_; }

 private:
  bool endsShiftLine_;
};

class Select : public InstrumentUnit {
 public:
  void press(EditorState& s, PaintSink&, MouseButton, bool, int X, int Y, PressResult& r) override {
    SelectPress(s, X, Y);
    r.startSelection = true;
  }
  void move(EditorState& s, PaintSink&, bool, int X, int Y, MoveResult& r) override {
    if (!s.selection.dragging) return;
    SelectMove(s, X, Y);
    r.selectionDrag = true;
  }
};

}  // namespace

InstrumentUnit& PenUnit() {
  static Pen unit(true);
  return unit;
}

InstrumentUnit& FillCharUnit() {
  static Pen unit(false);
  return unit;
}

InstrumentUnit& SelectUnit() {
  static Select unit;
  return unit;
}

}  // namespace cs
