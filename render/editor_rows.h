// The magnified picture with its grids, written line by line into a pixel
// buffer: the fast way to paint the editor image. Each picture line is
// magnified once per line parity, with the vertical grid dots in place, and
// copied to every screen line it covers; only the lines a horizontal grid
// line crosses are built pixel by pixel. The selection's ants are not drawn
// here (they are a few short segments drawn over the result).
#pragma once

#include <cstddef>
#include <vector>

#include "model/rgb_image.h"
#include "render/overlays.h"
#include "render/reference_layer.h"

namespace cs {

// Writes the editor image's pixels of `area` (editor-image coordinates,
// inside the image) into `dst`, whose (0, 0) is the area's top-left corner
// and whose lines lie `stride` pixels apart. `scratch` is reused between
// calls so a paint allocates nothing. A `reference` is blended over each
// picture pixel before the grids are laid on.
void RenderEditorArea(const RgbImage& composite, const OverlayView& v, ScreenRect area, Rgb* dst,
                      std::ptrdiff_t stride, std::vector<Rgb>& scratch, const ReferenceLayer* reference = nullptr);

}  // namespace cs
