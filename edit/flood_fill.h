// The region a fill paints: the pixels 4-connected to a start pixel whose
// shown mixed colour equals the start pixel's. Found on bit rows with an
// explicit stack of runs, so a region of the whole picture needs no
// recursion and little memory.
#pragma once

#include "edit/pixel_mask.h"
#include "model/colour.h"

namespace cs {

// The pixels of the picture whose mixed colour (as `mix` shows it) is `rgb`.
PixelMask PixelsOfColour(const Picture& pic, const MixTable& mix, Rgb rgb);
// The mixed colour of picture pixel (x, y).
Rgb ShownColour(const Picture& pic, const MixTable& mix, int x, int y);
// The region of (x, y), which must lie in the picture.
PixelMask FillRegion(const Picture& pic, const MixTable& mix, int x, int y);

}  // namespace cs
