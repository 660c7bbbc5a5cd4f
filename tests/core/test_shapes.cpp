#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "edit/ellipse.h"

namespace cs {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Outline(int x0, int y0, int x1, int y1) {
  Pixels s;
  for (PixelXY p : EllipseOutline(x0, y0, x1, y1)) EXPECT_TRUE(s.insert({p.x, p.y}).second) << "twice";
  return s;
}

// Inside (l, t) .. (r, b) and touching the middles of its sides, the same under both mirrors and with the
// corners swapped, one 8-connected piece within `near` of the ideal ellipse (1.2 for the tips an even side of
// 4 or 6 forces), and unless 1 or 2 pixels across never turning a square corner (so no 2 x 2 block).
void ExpectGoodOutline(int l, int t, int r, int b) {
  SCOPED_TRACE(::testing::Message() << (r - l + 1) << " x " << (b - t + 1) << " at " << l << "," << t);
  const Pixels s = Outline(r, b, l, t);
  ASSERT_EQ(s, Outline(l, t, r, b));
  auto has = [&](int x, int y) { return s.count({x, y}) > 0; };
  const double near = std::min(r - l, b - t) < 6 ? 1.2 : 1.0, a = (r - l + 1) / 2., c = (b - t + 1) / 2.;
  // Height over the unit circle: the distance to it along a row or column is never below the straight one.
  auto arc = [](double u) { return std::sqrt(std::max(0., 1 - u * u)); };
  for (auto [x, y] : s) {
    ASSERT_TRUE(x >= l && x <= r && y >= t && y <= b);
    EXPECT_TRUE(has(l + r - x, y) && has(x, t + b - y));
    const double px = std::abs(x - (l + r) / 2.), py = std::abs(y - (t + b) / 2.);
    EXPECT_LE(std::min(std::abs(py - c * arc(px / a)), std::abs(px - a * arc(py / c))), near);
    const bool corner = (has(x - 1, y) || has(x + 1, y)) && (has(x, y - 1) || has(x, y + 1));
    EXPECT_FALSE(corner && r - l > 1 && b - t > 1) << "square corner at " << x << "," << y;
  }
  EXPECT_TRUE(has(l, (t + b) / 2) && has((l + r) / 2, t)) << "not touching the sides' middles";
  std::vector reached{*s.begin()};
  for (std::size_t i = 0; i < reached.size(); ++i)
    for (int k = 0; k < 9; ++k) {
      const std::pair p{reached[i].first + k % 3 - 1, reached[i].second + k / 3 - 1};
      if (s.count(p) && std::find(reached.begin(), reached.end(), p) == reached.end()) reached.push_back(p);
    }
  EXPECT_EQ(reached.size(), s.size()) << "not one piece";
}

TEST(EllipseOutline, SmallShapesEverySizeTo40AndRandomLargeOnes) {
  EXPECT_EQ(Outline(5, 0, 6, 2), (Pixels{{5, 0}, {6, 0}, {5, 1}, {6, 1}, {5, 2}, {6, 2}}));
  EXPECT_EQ(Outline(0, 0, 3, 3), (Pixels{{1, 0}, {2, 0}, {0, 1}, {3, 1}, {0, 2}, {3, 2}, {1, 3}, {2, 3}}));
  for (int w = 1; w <= 40; ++w)
    for (int h = 1; h <= 40; ++h) ExpectGoodOutline(w % 7, h % 5, w % 7 + w - 1, h % 5 + h - 1);
  std::mt19937 rng(7);
  for (int i = 0; i < 300; ++i)
    ExpectGoodOutline(std::uniform_int_distribution(0, 255)(rng), std::uniform_int_distribution(0, 191)(rng),
                      255, 191);
  ExpectGoodOutline(0, 0, 255, 3);
}

}  // namespace
}  // namespace cs
