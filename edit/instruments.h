// The press, move and key-release dispatch of the editor image, and the shape
// instruments that hang off it: the Line polyline, Rect, Ellipse and the
// Shift-line of the pen. The window turns the results into drawing (rubber
// bands, selection outline, status bar); the Picture is changed here.
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

void SetInstrument(EditorState& s, Instrument n);

PressResult EditorPress(EditorState& s, PaintSink& sink, MouseButton button, bool shift, int X, int Y);
MoveResult EditorMove(EditorState& s, PaintSink& sink, bool leftHeld, bool shift, int X, int Y);
// Any key released in the main window. Returns true when the open Shift-line
// closed and its rubber band must be wiped.
bool EditorKeyRelease(EditorState& s, bool shiftHeld);

}  // namespace cs
