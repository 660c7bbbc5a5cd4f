// The preview window's frame and jump, and the magnifier's source block.
#include <gtest/gtest.h>

#include "render/preview_nav.h"

namespace cs {
namespace {

ViewState viewAt(int target, int cellX, int cellY) {
  ViewState v;
  v.previewZoomTarget = target;
  v.previewCellX = cellX;
  v.previewCellY = cellY;
  return v;
}

TEST(PreviewFrame, SidesAreTwiceTheBoxOverTheTargetInWholeEightPixelColumns) {
  EXPECT_EQ(PreviewFrameLength(642, 16), 80);  // floor(642 / 64) = 10 -> 10 * 16 / 16 * 8
  EXPECT_EQ(PreviewFrameLength(638, 16), 72);
  EXPECT_EQ(PreviewFrameLength(642, 12), 104);  // 160 / 12 = 13 columns
  EXPECT_EQ(PreviewFrameLength(638, 8), 144);
  EXPECT_EQ(PreviewFrameLength(63, 8), 0);
}

TEST(PreviewFrame, AtTheBottomRightWithTargetSixteenItIsPulledBackToEndAtThePicturesEdge) {
  ViewState v = viewAt(16, PreviewCellAt(511), PreviewCellAt(383));
  EXPECT_EQ(PlacePreviewFrame(v, 642, 520), (PreviewFrame{432, 320, 80, 64}));
  EXPECT_EQ(v.previewCellX, 27);
  EXPECT_EQ(v.previewCellY, 20);
}

TEST(PreviewFrame, ACellWhoseFrameFitsStaysWhereTheMouseIs) {
  ViewState v = viewAt(8, 3, 4);
  EXPECT_EQ(PlacePreviewFrame(v, 642, 520), (PreviewFrame{48, 64, 160, 128}));
  EXPECT_EQ(v.previewCellX, 3);
  EXPECT_EQ(v.previewCellY, 4);
}

TEST(PreviewFrame, TheClampCountsWholeCellsSoAnOddColumnCountReachesEightPixelsPast) {
  ViewState v = viewAt(16, 31, 0);
  const PreviewFrame f = PlacePreviewFrame(v, 638, 520);
  EXPECT_EQ(f.x + f.width, 520);
  EXPECT_EQ(v.previewCellX, 28);
}

TEST(PreviewFrame, ACellOffThePreviewIsNotClamped) {
  ViewState v = viewAt(16, 40, 3);
  EXPECT_EQ(PlacePreviewFrame(v, 642, 520).x, 640);
  EXPECT_EQ(v.previewCellX, 40);
  EXPECT_EQ(v.previewCellY, 3);
}

TEST(PreviewFrame, ABoxWiderThanThePictureAtItsTargetPutsTheFrameLeftOfThePreview) {
  ViewState v = viewAt(8, 5, 0);
  EXPECT_EQ(PlacePreviewFrame(v, 2048, 520), (PreviewFrame{0, 0, 512, 128}));  // fits exactly
  v = viewAt(8, 5, 0);
  EXPECT_EQ(PlacePreviewFrame(v, 3000, 520).x, -224);  // 736 wide: 32 - 46 cells
  EXPECT_EQ(v.previewCellX, -14);
}

TEST(PreviewFrame, MouseLeftOfOrAboveThePreviewGivesCellZero) {
  EXPECT_EQ(PreviewCellAt(-15), 0);
  EXPECT_EQ(PreviewCellAt(15), 0);
  EXPECT_EQ(PreviewCellAt(16), 1);
}

TEST(PreviewFrame, OutlineRunsAlongTheFramesOwnEdgesInCharGridDots) {
  std::vector<Segment> edges;
  CollectPreviewFrameSegments({432, 320, 80, 64}, edges);
  RgbImage canvas(512, 384, rgb(1, 2, 3));
  DrawSegments(canvas, 0, 0, edges, MakeOverlayPatterns());
  const Rgb grey = kGridGrey, white = kCharGridDot, none = rgb(1, 2, 3);
  // Left column and top row start at the frame's corner; the right column is
  // x = 511 and the bottom row y = 383, the preview's last pixels.
  EXPECT_EQ(canvas.at(432, 320), grey);
  EXPECT_EQ(canvas.at(432, 321), white);
  EXPECT_EQ(canvas.at(433, 320), white);
  EXPECT_EQ(canvas.at(511, 350), grey);
  EXPECT_EQ(canvas.at(511, 351), white);
  EXPECT_EQ(canvas.at(511, 320), white);  // the top row, drawn after the columns
  EXPECT_EQ(canvas.at(434, 383), grey);
  EXPECT_EQ(canvas.at(435, 383), white);
  EXPECT_EQ(canvas.at(431, 340), none);
  EXPECT_EQ(canvas.at(433, 321), none);
  EXPECT_EQ(canvas.at(510, 382), none);
}

TEST(PreviewTarget, UpAndDownStepByFourBetweenEightAndSixteen) {
  EXPECT_EQ(RaisedPreviewTarget(8), 12);
  EXPECT_EQ(RaisedPreviewTarget(12), 16);
  EXPECT_EQ(RaisedPreviewTarget(16), 16);
  EXPECT_EQ(LoweredPreviewTarget(16), 12);
  EXPECT_EQ(LoweredPreviewTarget(12), 8);
  EXPECT_EQ(LoweredPreviewTarget(8), 8);
}

TEST(PreviewJump, LandsAtTheTargetsLevelWithTheChosenBlockAtTheTopLeft) {
  EXPECT_EQ(PreviewJumpLevel(8), 2);
  EXPECT_EQ(PreviewJumpLevel(12), 3);
  EXPECT_EQ(PreviewJumpLevel(16), 4);
  EXPECT_EQ(PreviewJumpScroll(16, 27, 20), (ScrollPositions{3456, 2560}));
  EXPECT_EQ(PreviewJumpScroll(8, 1, 2), (ScrollPositions{64, 128}));
}

TEST(Magnifier, ShowsEightyEightPixelsFromFortyFourLeftAndAboveTheMouse) {
  EXPECT_EQ(MagnifierSourceOf({100 * 4 + 3, 60 * 4}, 4), (MagnifierSource{2 * 56, 2 * 16}));
  EXPECT_EQ(MagnifierSourceOf({50 * 16 + 15, 44 * 16}, 16), (MagnifierSource{2 * 6, 0}));
}

TEST(Magnifier, StopsAtColumn167SoPictureColumn255NeverShows) {
  const MagnifierSource far = MagnifierSourceOf({1023, 767}, 4);
  EXPECT_EQ(far, (MagnifierSource{2 * 167, 2 * 104}));
  // The last magnified column is Picture column 254.
  EXPECT_EQ((far.x + kMagnifierSize - 1) / 2, 254);
  EXPECT_EQ((far.y + kMagnifierSize - 1) / 2, 191);
  EXPECT_EQ(MagnifierSourceOf({4095, 3071}, 16), far);
}

TEST(Magnifier, APositionLeftOfOrAboveTheImageShowsTheTopLeftCorner) {
  EXPECT_EQ(MagnifierSourceOf({-3, -20}, 4), (MagnifierSource{0, 0}));
  EXPECT_EQ(MagnifierSourceOf({0, 0}, 8), (MagnifierSource{0, 0}));
}

TEST(CopyRect, CopiesOnlyThePartInsideBothImages) {
  RgbImage src(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) src.set(x, y, rgb(x, y, 9));
  RgbImage dst(3, 3, rgb(0, 0, 0));
  CopyRect(dst, 1, -1, src, 2, 0, 5, 5);
  // dst row 0 gets src row 1, from column 2; columns past src's right stay.
  EXPECT_EQ(dst.at(0, 0), rgb(0, 0, 0));
  EXPECT_EQ(dst.at(1, 0), rgb(2, 1, 9));
  EXPECT_EQ(dst.at(2, 0), rgb(3, 1, 9));
  EXPECT_EQ(dst.at(1, 1), rgb(2, 2, 9));
  EXPECT_EQ(dst.at(1, 2), rgb(0, 0, 0));
  CopyRect(dst, 5, 5, src, 0, 0, 4, 3);  // wholly outside: nothing
  CopyRect(dst, 0, 0, src, -10, 0, 4, 3);
  EXPECT_EQ(dst.at(0, 0), rgb(0, 0, 0));
}

}  // namespace
}  // namespace cs
