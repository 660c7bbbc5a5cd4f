// The editor's own 8x8 font: ASCII 32..126 and the Russian alphabet, drawn
// for this program. Its name is empty: the panel calls it the built-in font.
#pragma once

#include "model/font.h"

namespace cs {

Font BuiltInFont();

}  // namespace cs
