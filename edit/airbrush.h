// The Airbrush instrument: while the left button is held, the window calls
// AirbrushSpray every 20 ms, and each call paints `airDensity` pixels at
// random, uniformly in the disc of `airRadius` picture pixels around the
// pointer, in the current mix. A press seeds the random source from
// BrushState::airSeed, so the same seed sprays the same pixels.
#pragma once

#include "edit/instrument_unit.h"

namespace cs {

inline constexpr int kMinAirDensity = 1, kMaxAirDensity = 64;
inline constexpr int kMinAirRadius = 2, kMaxAirRadius = 32;

// One spray around editor-image position (X, Y): every pixel through the
// point rule's writes and the mirrors; pixels outside the picture are
// skipped. The status labels show the pointer's point.
void AirbrushSpray(EditorState& s, PaintSink& sink, int X, int Y);

InstrumentUnit& AirbrushUnit();

}  // namespace cs
