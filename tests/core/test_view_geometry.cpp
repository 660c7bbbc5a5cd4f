#include <gtest/gtest.h>

#include "render/view_geometry.h"

namespace cs {
namespace {

// The picture pixel under the viewport's middle, measured from a placement
// the way the user sees it: image starts one border pixel into the panel.
double shownCentre(int viewport, AxisPlacement p, int scale) {
  return (viewport / 2.0 - (p.offset + kEditPanelBorder - p.scroll)) / scale;
}

TEST(ZoomCentring, ScrolledViewKeepsTheCentrePointWithinAScreenPixelAtEveryLevelChange) {
  const int viewport = 900;  // narrower than the image at every level
  for (int from = kMinZoom; from <= kMaxZoom; ++from)
    for (int to = kMinZoom; to <= kMaxZoom; ++to) {
      const int sOld = PixelScaleOf(from), sNew = PixelScaleOf(to);
      const int maxOld = MaxScroll(256 * sOld + 2, viewport);
      for (int scroll = 0; scroll <= maxOld; scroll += 37) {
        const AxisPlacement before{0, scroll};
        const double c = CentrePoint(viewport, before, sOld, 256);
        ASSERT_NEAR(shownCentre(viewport, before, sOld), c, 1e-9);
        const AxisPlacement after = ZoomAxis(viewport, c, sNew, 256);
        const int maxNew = MaxScroll(256 * sNew + 2, viewport);
        ASSERT_GE(after.scroll, 0);
        ASSERT_LE(after.scroll, maxNew);
        // Near the picture's edges the scroll limit wins over centring.
        if (after.scroll > 0 && after.scroll < maxNew) {
          ASSERT_NEAR(shownCentre(viewport, after, sNew), c, 0.5 / sNew + 1e-9) << from << "->" << to << " at " << scroll;
        }
      }
    }
}

TEST(ZoomCentring, FromTheMiddleOfLevelOneToLevelTwo) {
  // 1026-pixel panel in a 600-pixel viewport scrolled to its middle shows
  // the middle of the picture, x = 128; at level 2 it is still there.
  const AxisPlacement before{0, 213};
  EXPECT_DOUBLE_EQ(CentrePoint(600, before, 4, 256), 128.0);
  const AxisPlacement after = ZoomAxis(600, 128.0, 8, 256);
  EXPECT_EQ(after, (AxisPlacement{0, 725}));
  EXPECT_DOUBLE_EQ(shownCentre(600, after, 8), 128.0);
}

TEST(ZoomCentring, CentredSmallPictureCountsItsOffset) {
  // Level 1 centred in a 1500-pixel viewport: the middle is column 128 even
  // though nothing is scrolled.
  const AxisPlacement centred = CentreAxis(1500, 1026);
  EXPECT_EQ(centred, (AxisPlacement{237, 0}));
  EXPECT_DOUBLE_EQ(CentrePoint(1500, centred, 4, 256), 128.0);
}

TEST(ZoomCentring, APictureThatFitsAfterTheZoomIsCentredAndCannotScroll) {
  EXPECT_EQ(ZoomAxis(1500, 10, 4, 256), (AxisPlacement{237, 0}));
  // Exactly as large as the viewport: not narrower, so it sits at the origin.
  EXPECT_EQ(ZoomAxis(1026, 128, 4, 256), (AxisPlacement{0, 0}));
}

TEST(ZoomCentring, CentreNearTheEdgesIsClampedToTheScrollRange) {
  EXPECT_EQ(ZoomAxis(500, 0, 16, 192).scroll, 0);
  EXPECT_EQ(ZoomAxis(500, 191.5, 16, 192).scroll, MaxScroll(192 * 16 + 2, 500));
  EXPECT_DOUBLE_EQ(CentrePoint(500, {0, 0}, 4, 192), 62.25);
  // A viewport far larger than the picture never reports a point outside it.
  EXPECT_DOUBLE_EQ(CentrePoint(5000, {0, 0}, 4, 192), 192.0);
}

TEST(CentreEditorPicture, NarrowerPanelIsCentredOtherwiseStartsAtTheOrigin) {
  EXPECT_EQ(CentreAxis(1101, 1026), (AxisPlacement{37, 0}));
  EXPECT_EQ(CentreAxis(1026, 1026), (AxisPlacement{0, 0}));
  EXPECT_EQ(CentreAxis(500, 1026), (AxisPlacement{0, 0}));
}

TEST(WheelZoom, OneStepPerTickAndNeverPastTheLimits) {
  EXPECT_EQ(WheelZoomTarget(1, true, true), 2);
  EXPECT_EQ(WheelZoomTarget(3, false, true), 2);
  EXPECT_EQ(WheelZoomTarget(2, true, false), 0);
  EXPECT_EQ(WheelZoomTarget(2, false, false), 0);
  EXPECT_EQ(WheelZoomTarget(4, true, true), 0);
  EXPECT_EQ(WheelZoomTarget(1, false, true), 0);
  // 100 ms of event time between zooms, across the 32-bit clock's wrap too.
  EXPECT_FALSE(WheelStepDue(5000, 5099));
  EXPECT_TRUE(WheelStepDue(0xFFFFFFF0u, 0x54u));
  EXPECT_FALSE(WheelStepDue(0xFFFFFFF0u, 0x53u));
}

}  // namespace
}  // namespace cs
