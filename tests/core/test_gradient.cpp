#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <vector>
#include <utility>

#include "colour/gradient_chart.h"
#include "colour/palette_images.h"

namespace cs {
namespace {

std::set<std::pair<int, int>> hitCells(const GradientBlink& b) {
  std::set<std::pair<int, int>> s;
  for (int i = 0; i < b.hitCount; ++i) s.insert({b.hits[size_t(i)][0] / 16, b.hits[size_t(i)][1] / 16});
  return s;
}

TEST(GradientTables, PairsSharingASquareShareAColourAndNoSquareHoldsMoreThanEight) {
  const MixTable mix = ComputeMixTable();
  std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> squares;
  for (int c = 0; c < 15; ++c)
    for (int r = 0; r < 15; ++r)
      squares[{GradientSquareX[size_t(c)][size_t(r)], GradientSquareY[size_t(c)][size_t(r)]}].push_back({c, r});
  EXPECT_EQ(squares.size(), 102u);
  std::set<Rgb> colours;
  for (const auto& [pos, pairs] : squares) {
    EXPECT_LE(pairs.size(), 8u);
    const Rgb first = mix.at(uint8_t(pairs[0].first), uint8_t(pairs[0].second));
    colours.insert(first);
    for (auto [c, r] : pairs) EXPECT_EQ(mix.at(uint8_t(c), uint8_t(r)), first) << c << "," << r;
  }
  EXPECT_EQ(colours.size(), 102u) << "every distinct mix has its own square";
}

TEST(GradientChart, SquaresShowTheirMixAtTheChartLevels) {
  const RgbImage chart = MakeGradientChart();
  ASSERT_EQ(chart.width(), 76);
  ASSERT_EQ(chart.height(), 229);
  EXPECT_EQ(chart.at(6, 60), rgb(0x75, 0x75, 0x75)) << "darkest grey";
  EXPECT_EQ(chart.at(51, 60), rgb(0, 0, 0)) << "black";
  EXPECT_EQ(chart.at(42, 60), rgb(0xFE, 0xFE, 0xFE)) << "white";
  EXPECT_EQ(chart.at(0, 0), kChartBackground);
  EXPECT_EQ(chart.at(75, 228), kChartBackground);
}

TEST(GradientBlink, HitsForTheStatedSquares) {
  RgbImage view = MakeFullPaletteView({});
  GradientBlink b;
  ASSERT_TRUE(GradientPress(b, view, {}, 2, 56));
  EXPECT_EQ(hitCells(b), (std::set<std::pair<int, int>>{
                             {0, 13}, {1, 11}, {3, 9}, {5, 7}, {7, 5}, {9, 3}, {11, 1}, {13, 0}}));
  ASSERT_TRUE(GradientPress(b, view, {}, 47 + 4, 56 + 4));
  EXPECT_EQ(hitCells(b), (std::set<std::pair<int, int>>{{0, 0}}));
  ASSERT_TRUE(GradientPress(b, view, {}, 20, 56));
  EXPECT_EQ(hitCells(b), (std::set<std::pair<int, int>>{{13, 13}}));
  EXPECT_FALSE(GradientPress(b, view, {}, 1, 1)) << "the margin blinks nothing";
}

TEST(GradientBlink, BlinksTwentyTicksAndLeavesThePaletteExactlyAsBefore) {
  CurrentColours cc;
  cc.ink0 = 13;
  cc.ink1 = 0;
  cc.pap0 = 14;
  cc.pap1 = 2;
  RgbImage view = MakeFullPaletteView(cc);
  const RgbImage before = view;
  GradientBlink b;
  ASSERT_TRUE(GradientPress(b, view, cc, 2, 56));  // includes (13, 0), which carries a marker
  int ticks = 0;
  while (GradientTick(b, view, cc)) {
    ++ticks;
    const Rgb shown = view.at(16 * 13 + 1, 1);
    EXPECT_EQ(shown, ticks % 2 == 1 ? rgb(255, 255, 255) : rgb(115, 115, 115)) << ticks;
    EXPECT_EQ(view.at(16 * 13 + 5, 5), rgb(255, 255, 255)) << "the marker stays on top";
  }
  EXPECT_EQ(ticks, 20);
  EXPECT_EQ(0, std::memcmp(view.data(), before.data(), 240 * 240 * 4));
}

TEST(GradientBlink, ASecondPressRestoresTheFirstBlinkEvenBeforeItsFirstTick) {
  RgbImage view = MakeFullPaletteView({});
  const RgbImage before = view;
  GradientBlink b;
  GradientPress(b, view, {}, 2, 56);
  GradientTick(b, view, {});
  GradientTick(b, view, {});
  GradientPress(b, view, {}, 20, 56);  // interrupted mid-blink
  GradientPress(b, view, {}, 1, 1);    // interrupted before its first tick
  EXPECT_FALSE(b.running);
  EXPECT_EQ(0, std::memcmp(view.data(), before.data(), 240 * 240 * 4));
}

TEST(PaletteImages, MarkersSitInsideTheSwatchAndLeaveTheSamplePixel) {
  const RgbImage strip = MakeStripView(5);
  EXPECT_EQ(strip.at(16 * 5 + 1, 1), zxColour(5));
  EXPECT_EQ(strip.at(16 * 5 + 4, 4), rgb(0, 0, 0));
  EXPECT_EQ(strip.at(16 * 5 + 5, 5), rgb(255, 255, 255));
  EXPECT_EQ(strip.at(16 * 5 + 12, 12), zxColour(5)) << "right and bottom edges are exclusive";
  const RgbImage border = MakeBorderPaletteView(2, 6);
  EXPECT_EQ(border.at(32, 96), rgb(202, 115, 0));
  EXPECT_EQ(border.at(40, 104), rgb(255, 255, 255));
}

}  // namespace
}  // namespace cs
