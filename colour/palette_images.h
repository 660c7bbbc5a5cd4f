// The images the palette panels show: the colour strips and the full and
// border palettes with their selection markers. Built from the source palette
// images, so every pixel outside a marker is an exact copy of the source.
#pragma once

#include "model/current_colours.h"
#include "model/rgb_image.h"

namespace cs {

// An 8 x 8 square, black outline and white fill, 4 pixels inside the 16 x 16
// swatch at column c, row r.
void DrawMarker(RgbImage& img, int c, int r);

// A colour strip (240 x 16) with its marker on `index`.
RgbImage MakeStripView(uint8_t index);
// The full palette with the four markers of the current colours' pairs.
RgbImage MakeFullPaletteView(const CurrentColours& cc);
void DrawFullPaletteMarkers(RgbImage& fullView, const CurrentColours& cc);
// The border palette with its marker on the border pair.
RgbImage MakeBorderPaletteView(uint8_t borderIndex0, uint8_t borderIndex1);

}  // namespace cs
