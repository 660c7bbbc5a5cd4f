// The units of the pen, the FillChar pen and the Select instrument.
#pragma once

#include "edit/instrument_unit.h"

namespace cs {

InstrumentUnit& PenUnit();
InstrumentUnit& FillCharUnit();
InstrumentUnit& SelectUnit();

}  // namespace cs
