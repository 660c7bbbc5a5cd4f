// The outline the Ellipse instrument paints: a thin, closed, 8-connected curve
// inscribed in a rectangle of picture pixels, the same seen from either
// mirror of the rectangle.
#pragma once

#include <vector>

namespace cs {

struct PixelXY {
  int x = 0, y = 0;
  friend bool operator==(const PixelXY&, const PixelXY&) = default;
};

// The outline of the ellipse inscribed in the rectangle whose corners are the
// picture pixels (x0, y0) and (x1, y1), in any order, both inclusive. Each
// pixel appears once, in no particular order.
//
// The ideal curve is the ellipse through the outer edges of the rectangle (for
// a rectangle W x H pixels, semi-axes W/2 and H/2 about its centre); each
// column and each row takes the pixel whose centre is nearest that curve, so
// pixel centres lie within half a pixel of it. No 2 x 2 block is painted
// unless the rectangle is 2 pixels wide or high, where the outline is two
// straight lines: beside the axis of an even side of 4 to 12 the curve steps
// out a pixel early, and where such a side of 4 or 6 meets one of 100 or more
// the tip pixels lie up to 1.2 pixels off the curve. A rectangle 1 pixel wide
// or high gives its line.
std::vector<PixelXY> EllipseOutline(int x0, int y0, int x1, int y1);

}  // namespace cs
