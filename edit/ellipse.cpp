#include "edit/ellipse.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace cs {

namespace {

// One quarter of the outline in doubled coordinates about the rectangle's
// centre, so that even sizes, whose centre lies between pixels, stay in
// integers: a pixel centre is (X, Y) with X = 2x - left - right, X = W - 1,
// W - 3, ... and the ideal ellipse has semi-axes W and H.
class Quarter {
 public:
  Quarter(int w, int h) : w_(w), h_(h), x0_(1 - w % 2), y0_(1 - h % 2) {}

  // The pixels with X >= 0 and Y >= 0, from the end of the vertical axis (X
  // smallest) to the end of the horizontal one (Y smallest), each a king's
  // move from the one before.
  std::vector<PixelXY> Walk() const {
    std::vector<PixelXY> picks;
    // Each column takes the row nearest the curve: the curve crosses column X
    // above the midpoint Y - 1 exactly when that midpoint is inside. Rows take
    // the column nearest the curve the same way. Columns alone leave gaps
    // where the curve is steep, rows alone where it is flat; together every
    // column and row has a pixel, and all of them lie on one staircase.
    for (int x = x0_, y = h_ - 1; x < w_; x += 2) {
      while (y > y0_ && Outside(x, y - 1) > 0) y -= 2;
      picks.push_back(Clamped(x, y));
    }
    for (int y = y0_, x = w_ - 1; y < h_; y += 2) {
      while (x > x0_ && Outside(x - 1, y) > 0) x -= 2;
      picks.push_back(Clamped(x, y));
    }
    std::sort(picks.begin(), picks.end(),
              [](PixelXY a, PixelXY b) { return a.x != b.x ? a.x < b.x : a.y > b.y; });
    picks.erase(std::unique(picks.begin(), picks.end()), picks.end());
    // A pixel whose two neighbours on the staircase touch each other is the
    // corner of an L where a diagonal step does: leave it out.
    std::vector<PixelXY> thin;
    for (PixelXY p : picks) {
      while (thin.size() >= 2 && Touch(thin[thin.size() - 2], p)) thin.pop_back();
      thin.push_back(p);
    }
    return thin;
  }

 private:
  // Positive outside the ideal ellipse, zero on it, negative inside.
  int64_t Outside(int x, int y) const {
    const int64_t w2 = int64_t(w_) * w_, h2 = int64_t(h_) * h_;
    return h2 * x * x + w2 * y * y - w2 * h2;
  }
  static bool Touch(PixelXY a, PixelXY b) { return std::abs(a.x - b.x) <= 2 && std::abs(a.y - b.y) <= 2; }

  // Where a size is even and more than 2, the pixels beside the axis pair up
  // with their mirror images: a second pixel in that column (or row) would
  // make a 2 x 2 block, so the curve keeps only the one at the end of the axis
  // and takes the next column (or row) instead. That end pixel is always
  // picked: its row or its column rounds to it.
  PixelXY Clamped(int x, int y) const {
    if (w_ % 2 == 0 && w_ > 2 && x == 1 && y < h_ - 1) x = 3;
    if (h_ % 2 == 0 && h_ > 2 && y == 1 && x < w_ - 1) y = 3;
    return {x, y};
  }

  int w_, h_, x0_, y0_;
};

}  // namespace

std::vector<PixelXY> EllipseOutline(int x0, int y0, int x1, int y1) {
  const int left = std::min(x0, x1), right = std::max(x0, x1);
  const int top = std::min(y0, y1), bottom = std::max(y0, y1);
  std::vector<PixelXY> out;
  for (PixelXY q : Quarter(right - left + 1, bottom - top + 1).Walk()) {
    // Mirror the quarter into the other three; pixels on an axis once only.
    for (int sx : {1, -1}) {
      if (sx < 0 && q.x == 0) continue;
      for (int sy : {1, -1}) {
        if (sy < 0 && q.y == 0) continue;
        out.push_back({(sx * q.x + left + right) / 2, (sy * q.y + top + bottom) / 2});
      }
    }
  }
  return out;
}

}  // namespace cs
