// The unit of the Fill instrument: a click fills the region of the clicked
// pixel (in the pattern, when one is chosen); a drag from the press fills it
// with an ordered-dither gradient from the current mix to the second mix.
#pragma once

#include "edit/instrument_unit.h"

namespace cs {

InstrumentUnit& FillUnit();

// The drag, in picture pixels, from which a press and release make a
// gradient rather than a plain fill.
inline constexpr int kGradientMinDrag = 2;

}  // namespace cs
