#include <gtest/gtest.h>

#include "app/panel_hit_test.h"

namespace cs {
namespace {

constexpr int W = 640, H = 480;
PanelZone freeAt(int x, int y) { return PanelHitTest(x, y, W, H, PanelAlign::None, false); }

TEST(PanelHitTest, FreePanelResizesWithinFivePixelsOfEveryEdgeAndCorner) {
  EXPECT_EQ(freeAt(639, 479), PanelZone::BottomRight);
  EXPECT_EQ(freeAt(635, 475), PanelZone::BottomRight);
  EXPECT_EQ(freeAt(0, 0), PanelZone::TopLeft);
  EXPECT_EQ(freeAt(5, 5), PanelZone::TopLeft);
  EXPECT_EQ(freeAt(639, 0), PanelZone::TopRight);
  EXPECT_EQ(freeAt(0, 479), PanelZone::BottomLeft);
  EXPECT_EQ(freeAt(639, 200), PanelZone::Right);
  EXPECT_EQ(freeAt(0, 200), PanelZone::Left);
  EXPECT_EQ(freeAt(300, 479), PanelZone::Bottom);
  EXPECT_EQ(freeAt(300, 5), PanelZone::Top);
  EXPECT_EQ(freeAt(6, 6), PanelZone::Client);
  EXPECT_EQ(freeAt(634, 474), PanelZone::Client);
}

TEST(PanelHitTest, PanelFillingItsParentHasNoGrips) {
  for (int x : {0, 3, 300, 639})
    for (int y : {0, 3, 200, 479}) EXPECT_EQ(PanelHitTest(x, y, W, H, PanelAlign::Client, true), PanelZone::Client);
}

TEST(PanelHitTest, DockedPanelResizesOnlyAtItsFreeEdgeAndHasNoCorners) {
  EXPECT_EQ(PanelHitTest(639, 479, W, H, PanelAlign::Left, false), PanelZone::Right);
  EXPECT_EQ(PanelHitTest(0, 200, W, H, PanelAlign::Left, false), PanelZone::Client);
  EXPECT_EQ(PanelHitTest(0, 0, W, H, PanelAlign::Right, false), PanelZone::Left);
  EXPECT_EQ(PanelHitTest(300, 479, W, H, PanelAlign::Top, false), PanelZone::Bottom);
  EXPECT_EQ(PanelHitTest(639, 0, W, H, PanelAlign::Bottom, false), PanelZone::Top);
  EXPECT_EQ(PanelHitTest(639, 479, W, H, PanelAlign::Custom, false), PanelZone::Client);
}

TEST(PanelHitTest, MovingFreePanelIsGrabbedAnywhere) {
  EXPECT_EQ(PanelHitTest(639, 479, W, H, PanelAlign::None, true), PanelZone::Caption);
  EXPECT_EQ(PanelHitTest(300, 200, W, H, PanelAlign::None, true), PanelZone::Caption);
  EXPECT_EQ(PanelHitTest(639, 200, W, H, PanelAlign::Left, true), PanelZone::Right);
}

TEST(ResizePanel, OppositeEdgesStayAndTheSizeNeverFallsBelowTheMinimum) {
  const PanelRect r{2, 42, 640, 480};
  EXPECT_EQ(ResizePanel(r, PanelZone::BottomRight, 30, -10, 524, 414), (PanelRect{2, 42, 670, 470}));
  EXPECT_EQ(ResizePanel(r, PanelZone::BottomRight, -500, -500, 524, 414), (PanelRect{2, 42, 524, 414}));
  EXPECT_EQ(ResizePanel(r, PanelZone::TopLeft, 20, 10, 524, 414), (PanelRect{22, 52, 620, 470}));
  EXPECT_EQ(ResizePanel(r, PanelZone::TopLeft, 400, 400, 524, 414), (PanelRect{118, 108, 524, 414}));
  EXPECT_EQ(ResizePanel(r, PanelZone::Right, 5, 99, 524, 414), (PanelRect{2, 42, 645, 480}));
  EXPECT_EQ(ResizePanel(r, PanelZone::Caption, 30, -10, 524, 414), (PanelRect{32, 32, 640, 480}));
}

}  // namespace
}  // namespace cs
