// The press, move, release and key-release dispatch of the editor image:
// what every instrument shares (the click guard, the picture's bounds, the
// right button's colour pick, the pen's Shift-line band, the end of a
// selection drag) and the hand-over to the current instrument's unit. The
// window turns the results into drawing (rubber bands, selection outline,
// status bar) and history steps; the Picture is changed here.
#pragma once

#include "edit/instrument_unit.h"

namespace cs {

void SetInstrument(EditorState& s, Instrument n);

PressResult EditorPress(EditorState& s, PaintSink& sink, MouseButton button, bool shift, int X, int Y);
MoveResult EditorMove(EditorState& s, PaintSink& sink, bool leftHeld, bool shift, int X, int Y);
// A button released over the editor image.
ReleaseResult EditorRelease(EditorState& s, PaintSink& sink, const PaintContext& context);
// Any key released in the main window. Returns true when the open Shift-line
// closed and its rubber band must be wiped.
bool EditorKeyRelease(EditorState& s, bool shiftHeld);

}  // namespace cs
