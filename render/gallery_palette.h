// The palettes a view can show the Picture in: chromaSmith's own (the one the
// palette panels and every file format know) and the ones the zxart gallery
// blends GigaScreen pictures with. A palette is a pair of colour tables, one
// screen's colours and the mix of two, so every renderer takes any of them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/view_mode.h"
#include "render/compose.h"

namespace cs {

// The palette's name as menus and the converter's --palette spell it.
const char* viewPaletteName(ViewPalette p);
std::optional<ViewPalette> viewPaletteByName(std::string_view name);

// The single-screen colours and the mix of the palette. The gallery's mix of
// two component levels is a level of its own for each pair of levels (zero,
// normal, bright), followed by a 3 x 3 colour correction.
ColourTables ViewPaletteTables(ViewPalette p);

// The border of one screen alone (ZX colour 0 ... 7, normal brightness) and
// the border of both screens mixed, in a palette's tables.
Rgb screenBorder(const ColourTables& t, uint8_t borderIndex);
Rgb mixedBorder(const ColourTables& t, uint8_t borderIndex0, uint8_t borderIndex1);

}  // namespace cs
