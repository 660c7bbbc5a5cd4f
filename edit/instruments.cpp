#include "edit/instruments.h"

#include "edit/instrument_table.h"
#include "edit/selection.h"

namespace cs {

namespace {

InstrumentUnit& currentUnit(const EditorState& s) { return InstrumentOf(s.curInstrument).unit(); }

}  // namespace

void SetInstrument(EditorState& s, Instrument n) { s.curInstrument = n; }

PressResult EditorPress(EditorState& s, PaintSink& sink, MouseButton button, bool shift, int X, int Y) {
  PressResult r;
  if (s.clickGuard || !InsidePicture(s, X, Y)) return r;
  currentUnit(s).press(s, sink, button, shift, X, Y, r);
  if (button == MouseButton::Right) {
    PickCellColours(s, X, Y);
    r.pickedColours = true;
  }
  return r;
}

MoveResult EditorMove(EditorState& s, PaintSink& sink, bool leftHeld, bool shift, int X, int Y) {
  MoveResult r;
  if (s.clickGuard) return r;
  s.lastMousePos = {X, Y};
  if (!InsidePicture(s, X, Y)) return r;
  r.handled = true;

  // Shift shows the pen's line from the last point whatever the instrument;
  // an instrument's own band replaces it (every band starts with a refresh
  // from the composite, so only the last one drawn is seen).
  const ImagePoint here{X, Y};
  if (shift) {
    s.shapeStarted = true;
    r.band = {RubberBand::Kind::Line, s.lastPoint, here};
  }
  InstrumentUnit& unit = currentUnit(s);
  if (const RubberBand own = unit.band(s, here); own.kind != RubberBand::Kind::None) r.band = own;
  unit.move(s, sink, leftHeld, X, Y, r);
  return r;
}

ReleaseResult EditorRelease(EditorState& s, PaintSink& sink, const PaintContext& context) {
  SelectRelease(s);
  ReleaseResult r = currentUnit(s).release(s, sink, context);
  if (!*r.stepName) r.stepName = InstrumentOf(s.curInstrument).stepName;
  return r;
}

bool EditorKeyRelease(EditorState& s, bool shiftHeld) {
  if (currentUnit(s).endsShiftLineOnKeyRelease() && s.shapeStarted && !shiftHeld) {
    s.shapeStarted = false;
    return true;
  }
  return false;
}

}  // namespace cs
