// Painting a whole set of pixels at once, as the point rule would paint them
// one by one with the four current colours: fills, filled shapes, patterns
// and gradients. Every pixel is written once, so the order the rule would
// visit them in does not matter.
#pragma once

#include "edit/painting.h"
#include "edit/pixel_mask.h"

namespace cs {

// Paints the pixels of `region`: in the current mix, or in the second mix
// (ShapeOptions::secondMix) where `second` holds the pixel. Each cell that
// was painted in is redrawn once.
void PaintMask(EditorState& s, PaintSink& sink, const PixelMask& region, const PixelMask* second = nullptr);

// The pixels a pattern's 0 bits give to the second mix.
PixelMask PatternSecond(int pattern);

// The ordered-dither gradient from picture pixel a to b: the pixels whose
// centre projects past the dither threshold of their place take the second
// mix. a == b gives none.
PixelMask GradientSecond(int ax, int ay, int bx, int by);

}  // namespace cs
