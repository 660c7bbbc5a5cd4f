#include "edit/ellipse.h"
#include <algorithm>
#include <cmath>
namespace cs {
// Placeholder until the rasterizer lands: the rectangle's corners' box sampled.
std::vector<PixelXY> EllipseOutline(int x0, int y0, int x1, int y1) {
  std::vector<PixelXY> out;
  const int l = std::min(x0, x1), r = std::max(x0, x1), t = std::min(y0, y1), b = std::max(y0, y1);
  const double cx = (l + r) / 2.0, cy = (t + b) / 2.0, rx = (r - l) / 2.0 + 0.5, ry = (b - t) / 2.0 + 0.5;
  for (int y = t; y <= b; ++y)
    for (int x = l; x <= r; ++x) {
      const double dx = (x - cx) / rx, dy = (y - cy) / ry;
      const double d = dx * dx + dy * dy;
      if (d <= 1.0 && d > 0.7) out.push_back({x, y});
    }
  return out;
}
}
