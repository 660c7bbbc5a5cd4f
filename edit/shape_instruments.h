// The units of the Line, Rect and Ellipse instruments: two clicks (or a
// polyline of clicks) with a rubber band between them.
#pragma once

#include "edit/instrument_unit.h"

namespace cs {

InstrumentUnit& LineUnit();
InstrumentUnit& RectUnit();
InstrumentUnit& EllipseUnit();

}  // namespace cs
