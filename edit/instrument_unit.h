// The one shape every instrument of the editor image has: what it does on a
// press, a move and a release of the mouse over the picture and on a key
// release, and which rubber band it wants shown. The dispatch in
// instruments.cpp does what is common to all of them (the click guard, the
// picture's bounds, the right button's colour pick, the Shift-line band) and
// hands the rest to the current instrument's unit.
#pragma once

#include "edit/painting.h"

namespace cs {

enum class MouseButton { Left, Right, Middle };

struct PressResult {
  bool startSelection = false;  // the Select instrument started a selection there
  bool pickedColours = false;   // the current colours were loaded from a cell
  bool refreshView = false;     // redraw from the composite (removes a rubber band)
};

struct RubberBand {
  enum class Kind { None, Line, Rect, Ellipse };
  Kind kind = Kind::None;
  ImagePoint from;
  ImagePoint to;
};

struct MoveResult {
  bool handled = false;         // the position was inside and no click guard was set
  RubberBand band;              // the band to show after a refresh from the composite
  bool selectionDrag = false;   // the selection was reshaped to follow the mouse
  bool hover = false;           // show the hover status and the cell's colours
  PointInfo hoverPoint{};
};

struct ReleaseResult {
  // The history step the press-to-release made, when it changed the Picture
  // (the history records nothing when it did not); empty for none.
  const char* stepName = "";
  bool refreshView = false;  // redraw from the composite (removes a rubber band)
};

// What the mix table and the four current colours say a pixel looks like,
// for the instruments that look at the picture as it is shown.
struct PaintContext {
  const MixTable* mix = nullptr;
};

class InstrumentUnit {
 public:
  virtual ~InstrumentUnit() = default;
  // A press of any button inside the picture with no click guard set.
  virtual void press(EditorState&, PaintSink&, MouseButton, bool /*shift*/, int /*X*/, int /*Y*/,
                     PressResult&) {}
  // The band this instrument shows at (X, Y), after the Shift-line band.
  virtual RubberBand band(const EditorState&, ImagePoint) const { return {}; }
  // A move inside the picture with no click guard set.
  virtual void move(EditorState&, PaintSink&, bool /*leftHeld*/, int /*X*/, int /*Y*/, MoveResult&) {}
  // A button released over the editor image.
  virtual ReleaseResult release(EditorState&, PaintSink&, const PaintContext&) { return {}; }
  // True when the open Shift-line of the pen ends on a key release.
  virtual bool endsShiftLineOnKeyRelease() const { return false; }
};

}  // namespace cs
