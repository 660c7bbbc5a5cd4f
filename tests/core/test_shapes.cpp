#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <utility>

#include "edit/ellipse.h"

namespace cs {
namespace {

// Distance from (px, py) to the ellipse with semi-axes a >= b about the origin: its nearest
// point is (a²px/(t+a²), b²py/(t+b²)), t the root above -b² of a decreasing function.
double EllipseDistance(double a, double b, double px, double py) {
  px = std::abs(px), py = std::abs(py);
  if (a < b) std::swap(a, b), std::swap(px, py);
  if (a == b) return std::abs(std::hypot(px, py) - a);
  if (py == 0 && px * a <= a * a - b * b) {
    const double x = a * a * px / (a * a - b * b);
    return std::hypot(x - px, b * std::sqrt(1 - x * x / (a * a)));
  }
  double lo = -b * b, hi = std::hypot(a * px, b * py);
  for (int i = 0; i < 100; ++i) {
    const double t = (lo + hi) / 2, u = a * px / (t + a * a), v = b * py / (t + b * b);
    (u * u + v * v > 1 ? lo : hi) = t;
  }
  return std::hypot(a * a * px / (lo + a * a) - px, b * b * py / (lo + b * b) - py);
}

using Pixels = std::set<std::pair<int, int>>;

Pixels Outline(int x0, int y0, int x1, int y1) {
  Pixels s;
  for (PixelXY p : EllipseOutline(x0, y0, x1, y1)) EXPECT_TRUE(s.insert({p.x, p.y}).second) << "twice";
  return s;
}

// Inside the rectangle (l, t) .. (r, b), touching its four sides, the same
// under both mirrors, near the curve, one 8-connected piece, and (unless 1 or
// 2 pixels across) without a 2 x 2 block or the corner pixel of an L.
void ExpectGoodOutline(int l, int t, int r, int b) {
  SCOPED_TRACE(::testing::Message() << (r - l + 1) << " x " << (b - t + 1) << " at " << l << "," << t);
  const Pixels s = Outline(r, b, l, t);
  ASSERT_EQ(s, Outline(l, t, r, b));
  auto has = [&](int x, int y) { return s.count({x, y}) > 0; };
  auto around = [&](int x, int y) {
    std::vector<std::pair<int, int>> near;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if ((dx || dy) && has(x + dx, y + dy)) near.push_back({x + dx, y + dy});
    return near;
  };
  // An even side of 4 or 6 beside one of 100 or more has tips up to 1.2 pixels
  // off the curve: a nearer pixel would make a 2 x 2 block.
  const double bound = std::min(r - l, b - t) < 6 ? 1.2 : 1.0;
  int sides = 0;
  for (auto [x, y] : s) {
    ASSERT_TRUE(x >= l && x <= r && y >= t && y <= b);
    EXPECT_TRUE(has(l + r - x, y) && has(x, t + b - y));
    sides |= (x == l) | (x == r) << 1 | (y == t) << 2 | (y == b) << 3;
    EXPECT_LE(EllipseDistance((r - l + 1) / 2., (b - t + 1) / 2., x - (l + r) / 2., y - (t + b) / 2.), bound);
    if (r - l < 2 || b - t < 2) continue;
    EXPECT_FALSE(has(x + 1, y) && has(x, y + 1) && has(x + 1, y + 1)) << "2x2 at " << x << "," << y;
    const auto near = around(x, y);
    EXPECT_FALSE(near.size() == 2 && std::abs(near[0].first - near[1].first) <= 1 &&
                 std::abs(near[0].second - near[1].second) <= 1)
        << "L corner at " << x << "," << y;
  }
  EXPECT_EQ(sides, 15);
  Pixels reached{*s.begin()};
  for (std::vector todo{*s.begin()}; !todo.empty();) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    for (auto p : around(x, y))
      if (reached.insert(p).second) todo.push_back(p);
  }
  EXPECT_EQ(reached.size(), s.size()) << "not one piece";
}

TEST(EllipseOutline, EverySmallSizeAndRandomLargeOnes) {
  for (int w = 1; w <= 40; ++w)
    for (int h = 1; h <= 40; ++h) ExpectGoodOutline(w % 7, h % 5, w % 7 + w - 1, h % 5 + h - 1);
  std::mt19937 rng(7);
  for (int i = 0; i < 300; ++i) {
    const int w = std::uniform_int_distribution(1, 256)(rng), h = std::uniform_int_distribution(1, 192)(rng);
    ExpectGoodOutline(256 - w, 192 - h, 255, 191);
  }
  ExpectGoodOutline(0, 0, 255, 3);
}

TEST(EllipseOutline, SmallShapes) {
  EXPECT_EQ(Outline(9, 9, 9, 9), (Pixels{{9, 9}}));
  EXPECT_EQ(Outline(5, 0, 6, 2), (Pixels{{5, 0}, {6, 0}, {5, 1}, {6, 1}, {5, 2}, {6, 2}}));
  EXPECT_EQ(Outline(0, 0, 3, 3), (Pixels{{1, 0}, {2, 0}, {0, 1}, {3, 1}, {0, 2}, {3, 2}, {1, 3}, {2, 3}}));
}

}  // namespace
}  // namespace cs
