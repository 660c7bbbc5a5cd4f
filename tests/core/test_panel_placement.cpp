// The caption-strip drag and the About panel's centring.
#include <gtest/gtest.h>

#include "app/panel_placement.h"

namespace cs {
namespace {

TEST(CaptionDrag, PanelMovesByExactlyTheMousesTravelWhereverItWentMeanwhile) {
  CaptionDrag drag;
  drag.press({500, 300}, {10, 20});
  PanelPoint at;
  ASSERT_TRUE(drag.move({-2000, 4000}, at));
  EXPECT_EQ(at, (PanelPoint{-2490, 3720}));  // no snapping, no limit
  ASSERT_TRUE(drag.move({530, 290}, at));
  EXPECT_EQ(at, (PanelPoint{40, 10}));
}

TEST(CaptionDrag, MovesWithoutAPressOrAfterTheReleaseDoNothing) {
  CaptionDrag drag;
  PanelPoint at{7, 7};
  EXPECT_FALSE(drag.move({1, 1}, at));
  drag.press({0, 0}, {0, 0});
  drag.release();
  EXPECT_FALSE(drag.move({1, 1}, at));
  EXPECT_EQ(at, (PanelPoint{7, 7}));
}

TEST(KeepCaptionInside, TheStripStaysWhollyInsideInHeightAndByAGripInWidth) {
  // An 800 x 500 area and a strip 300 x 17.
  const auto keep = [](int x, int y, int width = 300) {
    return KeepCaptionInside({x, y}, width, 17, 800, 500);
  };
  EXPECT_EQ(keep(100, 200), (PanelPoint{100, 200})) << "inside: stays";
  EXPECT_EQ(keep(100, 490), (PanelPoint{100, 483})) << "the body may hang out below, the strip not";
  EXPECT_EQ(keep(-32767, -32767), (PanelPoint{kCaptionGrip - 300, 0}));
  EXPECT_EQ(keep(32767, 32767), (PanelPoint{800 - kCaptionGrip, 483}));
  EXPECT_EQ(keep(-280, 0, 20), (PanelPoint{0, 0})) << "a strip narrower than the grip stays whole";
  EXPECT_EQ(keep(-2000, 0, 1041), (PanelPoint{kCaptionGrip - 1041, 0})) << "wider than the area";
  EXPECT_EQ(KeepCaptionInside({50, 50}, 300, 17, 800, 10), (PanelPoint{50, 0}))
      << "area lower than the strip";
}

TEST(CentredOffset, HalvesInRealArithmeticAndTruncatesTowardZero) {
  EXPECT_EQ(CentredOffset(1001, 345), 328);
  EXPECT_EQ(CentredOffset(1000, 345), 327);  // 327.5
  EXPECT_EQ(CentredOffset(1000, 161), 419);
  EXPECT_EQ(CentredOffset(300, 345), -22);  // -22.5, not -23
  EXPECT_EQ(CentredOffset(0, 161), -80);
}

}  // namespace
}  // namespace cs
