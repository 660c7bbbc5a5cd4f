#include <gtest/gtest.h>

#include <random>

#include "model/editor_state.h"
#include "model/picture.h"

namespace cs {
namespace {

void randomise(Picture& pic, unsigned seed) {
  std::mt19937 rng(seed);
  for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
  // Attribute entries must be colour indices.
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[static_cast<size_t>(i)] %= 15;
}

// The colour index each screen shows at every pixel, as the user sees it.
std::vector<uint8_t> look(const Picture& pic) {
  std::vector<uint8_t> v;
  for (int s = 0; s < 2; ++s)
    for (int y = 0; y < kLines; ++y)
      for (int x = 0; x < kWidth; ++x) v.push_back(pic.screenColour(s, x, y));
  return v;
}

TEST(PictureLayout, ScreenOnePlanesSitAtFixedOffsets) {
  Picture pic;
  EXPECT_EQ(pic.pixels(1) - pic.pixels(0), 6144);
  EXPECT_EQ(pic.attrs(1) - pic.attrs(0), 12288);
  EXPECT_EQ(pic.attrs(0) - pic.pixels(0), 12288);
  EXPECT_EQ(pixelIndex(1, 0), 192);
  EXPECT_EQ(attrIndex(2, 5), 2 * 384 + 10);
}

TEST(PictureLayout, LeftmostPixelIsBitSeven) {
  Picture pic;
  pic.setPixel(1, 8, 3, true);
  EXPECT_EQ(pic.pixels(1)[pixelIndex(1, 3)], 0x80);
  pic.setPixel(1, 15, 3, true);
  EXPECT_EQ(pic.pixels(1)[pixelIndex(1, 3)], 0x81);
  pic.setPixel(1, 8, 3, false);
  EXPECT_EQ(pic.pixels(1)[pixelIndex(1, 3)], 0x01);
  EXPECT_EQ(pic.pixels(0)[pixelIndex(1, 3)], 0);
}

TEST(AttributeLine, FollowsTheCellHeight) {
  EXPECT_EQ(attributeLine(8, 10, 15), 8);
  EXPECT_EQ(attributeLine(4, 10, 15), 12);
  EXPECT_EQ(attributeLine(2, 10, 15), 14);
  EXPECT_EQ(attributeLine(1, 10, 15), 15);
  EXPECT_EQ(attributeLine(8, 0, 191), 184);
}

TEST(AttributeLine, OuterColumnsKeepEightLineCellsAtHeightOne) {
  for (int column : {0, 7, 24, 31}) {
    EXPECT_EQ(attributeLine(1, column, 3), 0) << column;
    EXPECT_EQ(attributeLine(1, column, 191), 184) << column;
    EXPECT_EQ(cellSpan(1, column, 13).firstLine, 8);
    EXPECT_EQ(cellSpan(1, column, 13).height, 8);
  }
  for (int column : {8, 15, 23}) {
    EXPECT_EQ(attributeLine(1, column, 3), 3) << column;
    EXPECT_EQ(cellSpan(1, column, 13).height, 1);
  }
  // Outer columns at other heights follow the height as usual.
  EXPECT_EQ(attributeLine(2, 0, 3), 2);
}

TEST(AttributeLine, PaintingAnOuterCellAtHeightOneColoursTheWholeBlock) {
  Picture pic;
  pic.vertSize = 1;
  pic.setCellColours(0, 3, {5, 6, 7, 8});
  EXPECT_EQ(pic.attrs(0)[attrIndex(0, 0)], 5);
  EXPECT_EQ(pic.attrs(1)[attrIndex(0, 0) + 1], 8);
  for (int y = 0; y < 8; ++y) EXPECT_EQ(pic.screenColour(0, 4, y), 5) << y;
  EXPECT_EQ(pic.screenColour(0, 4, 8), 0);

  pic.setCellColours(8, 3, {5, 6, 7, 8});
  EXPECT_EQ(pic.attrs(0)[attrIndex(8, 3)], 5);
  EXPECT_EQ(pic.attrs(0)[attrIndex(8, 0)], 0);
  EXPECT_EQ(pic.screenColour(0, 64, 3), 5);
  EXPECT_EQ(pic.screenColour(0, 64, 2), 0);
  EXPECT_EQ(pic.screenColour(0, 64, 4), 0);
}

TEST(NewAndConvert, NewClearsEveryPlaneAndSetsTheHeight) {
  Picture pic;
  randomise(pic, 1);
  pic.borderIndex0 = 3;
  NewPicture(pic, 4);
  EXPECT_EQ(pic.vertSize, 4);
  for (uint8_t b : pic.planes) ASSERT_EQ(b, 0);
  EXPECT_EQ(pic.borderIndex0, 3) << "New keeps the border";
}

TEST(NewAndConvert, ConvertShowsHiddenEntriesAndConvertingBackRestoresTheLook) {
  Picture pic;
  NewPicture(pic, 8);
  randomise(pic, 2);
  const auto planes = pic.planes;
  const auto look8 = look(pic);

  ConvertPicture(pic, 1);
  EXPECT_EQ(pic.planes, planes) << "Convert never rewrites the planes";
  EXPECT_NE(look(pic), look8);
  // Line 1 of a central cell now shows the entry stored at line 1.
  EXPECT_EQ(pic.cellColours(12, 1).ink0, pic.attrs(0)[attrIndex(12, 1)]);

  ConvertPicture(pic, 8);
  EXPECT_EQ(look(pic), look8);
}

TEST(NewAndConvert, ConvertAfterNewShowsBlackAtFormerlyHiddenLines) {
  Picture pic;
  NewPicture(pic, 8);
  pic.setCellColours(12, 0, {1, 2, 3, 4});
  ConvertPicture(pic, 1);
  EXPECT_EQ(pic.cellColours(12, 0), (CellColours{1, 2, 3, 4}));
  EXPECT_EQ(pic.cellColours(12, 1), (CellColours{0, 0, 0, 0}));
  // The outer columns keep 8-line cells, so their look is unchanged.
  pic.setCellColours(0, 0, {1, 2, 3, 4});
  EXPECT_EQ(pic.cellColours(0, 7), (CellColours{1, 2, 3, 4}));
}

TEST(Undo, SwapUndoesAndASecondSwapRedoes) {
  EditorState s;
  randomise(s.picture, 3);
  const auto before = s.picture.planes;
  TakeUndoSnapshot(s);
  s.picture.setPixel(0, 10, 10, !s.picture.pixel(0, 10, 10));
  s.picture.setCellColours(3, 3, {9, 9, 9, 9});
  const auto after = s.picture.planes;

  SwapUndoSnapshot(s);
  EXPECT_EQ(s.picture.planes, before);
  SwapUndoSnapshot(s);
  EXPECT_EQ(s.picture.planes, after);
}

TEST(Undo, SnapshotHoldsZerosAtStartAndIgnoresHeightAndBorder) {
  EditorState s;
  randomise(s.picture, 4);
  s.picture.vertSize = 2;
  s.picture.borderIndex1 = 5;
  SwapUndoSnapshot(s);
  for (uint8_t b : s.picture.planes) ASSERT_EQ(b, 0);
  EXPECT_EQ(s.picture.vertSize, 2);
  EXPECT_EQ(s.picture.borderIndex1, 5);
}

TEST(Undo, UndoAfterNewBringsBackTheLastSnapshot) {
  EditorState s;
  randomise(s.picture, 5);
  TakeUndoSnapshot(s);
  const auto snapped = s.picture.planes;
  s.picture.setPixel(1, 0, 0, !s.picture.pixel(1, 0, 0));
  NewPicture(s.picture, 8);
  SwapUndoSnapshot(s);
  EXPECT_EQ(s.picture.planes, snapped);
}

}  // namespace
}  // namespace cs
