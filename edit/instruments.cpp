#include "edit/instruments.h"

#include "edit/selection.h"

namespace cs {

namespace {

bool isPen(Instrument i) { return i == Instrument::Paint || i == Instrument::FillChar; }

}  // namespace

void SetInstrument(EditorState& s, Instrument n) { s.curInstrument = n; }

PressResult EditorPress(EditorState& s, PaintSink& sink, MouseButton button, bool shift, int X, int Y) {
  PressResult r;
  if (s.clickGuard || !InsidePicture(s, X, Y)) return r;
  const bool left = button == MouseButton::Left;
  const Instrument ins = s.curInstrument;

  if (ins == Instrument::Select) {
    SelectPress(s, X, Y);
    r.startSelection = true;
  }

  if (isPen(ins) && left) {
    TakeUndoSnapshot(s);
    if (shift) {
      DrawPenLine(s, sink, s.lastPoint.x, s.lastPoint.y, X, Y);
      s.lastPoint = {X, Y};
    } else {
      PaintPoint(s, sink, X, Y);
    }
  }

  if (button == MouseButton::Right) {
    PickCellColours(s, X, Y);
    r.pickedColours = true;
  }

  if ((ins == Instrument::Rect || ins == Instrument::Ellipse) && left) {
    if (!s.shapeStarted) {
      TakeUndoSnapshot(s);
      s.lastPoint = {X, Y};
      s.shapeStarted = true;
    } else {
      s.shapeStarted = false;
      if (ins == Instrument::Rect) DrawPenRect(s, sink, s.lastPoint.x, s.lastPoint.y, X, Y);
      r.refreshView = true;
    }
  }

  if (ins == Instrument::Line && left) {
    if (!s.shapeStarted)
      TakeUndoSnapshot(s);
    else
      DrawPenLine(s, sink, s.lastPoint.x, s.lastPoint.y, X, Y);
    s.lastPoint = {X, Y};
    s.shapeStarted = true;
  }
  return r;
}

MoveResult EditorMove(EditorState& s, PaintSink& sink, bool leftHeld, bool shift, int X, int Y) {
  MoveResult r;
  if (s.clickGuard) return r;
  s.lastMousePos = {X, Y};
  if (!InsidePicture(s, X, Y)) return r;
  r.handled = true;

  // Three independent tests; each later band replaces the earlier one on
  // screen, since every band starts with a refresh from the composite.
  const ImagePoint here{X, Y};
  if ((s.curInstrument == Instrument::Line && s.shapeStarted) || shift) {
    s.shapeStarted = true;
    r.band = {RubberBand::Kind::Line, s.lastPoint, here};
  }
  if (s.curInstrument == Instrument::Rect && s.shapeStarted)
    r.band = {RubberBand::Kind::Rect, s.lastPoint, here};
  if (s.curInstrument == Instrument::Ellipse && s.shapeStarted)
    r.band = {RubberBand::Kind::Ellipse, s.lastPoint, here};

  if (s.curInstrument == Instrument::Select && s.selection.dragging) {
    SelectMove(s, X, Y);
    r.selectionDrag = true;
  }

  if (isPen(s.curInstrument)) {
    if (leftHeld) {
      PaintPoint(s, sink, X, Y);
    } else {
      r.hover = true;
      r.hoverPoint = MapPosition(s, X, Y);
    }
  }
  return r;
}

bool EditorKeyRelease(EditorState& s, bool shiftHeld) {
  if (s.curInstrument == Instrument::Paint && s.shapeStarted && !shiftHeld) {
    s.shapeStarted = false;
    return true;
  }
  return false;
}

}  // namespace cs
