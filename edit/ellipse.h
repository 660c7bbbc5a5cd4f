#pragma once
#include <vector>
namespace cs {
struct PixelXY { int x = 0, y = 0; friend bool operator==(const PixelXY&, const PixelXY&) = default; };
std::vector<PixelXY> EllipseOutline(int x0, int y0, int x1, int y1);
}
