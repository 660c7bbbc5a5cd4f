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

TEST(CentredOffset, HalvesInRealArithmeticAndTruncatesTowardZero) {
  EXPECT_EQ(CentredOffset(1001, 345), 328);
  EXPECT_EQ(CentredOffset(1000, 345), 327);  // 327.5
  EXPECT_EQ(CentredOffset(1000, 161), 419);
  EXPECT_EQ(CentredOffset(300, 345), -22);  // -22.5, not -23
  EXPECT_EQ(CentredOffset(0, 161), -80);
}

}  // namespace
}  // namespace cs
