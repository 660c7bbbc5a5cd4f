// The lowered bevel that shows a switched-on key, a chosen role or a selected
// swatch; shared by the toolbar keys and the palette swatches.
#pragma once

#include <QRect>

class QPainter;

namespace cs {

inline constexpr int kBevelWidth = 4;

// A lowered bevel of `width` pixels (at most kBevelWidth) along the inside of
// `r`, the look of a key or swatch that is switched on.
void DrawLoweredBevel(QPainter& p, QRect r, int width = kBevelWidth);

}  // namespace cs
