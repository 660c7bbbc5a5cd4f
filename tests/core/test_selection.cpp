#include <gtest/gtest.h>

#include "selection_test_util.h"

namespace cs {
namespace {

using Selecting = testing::SelectionFixture;

uint8_t pixelAt(const std::array<uint8_t, kPlanesSize>& planes, int screen, int column, int line) {
  return planes[size_t(screen * kPixelPlaneSize + pixelIndex(column, line))];
}

TEST_F(Selecting, DragReshapesFromTheAnchorUntilReleased) {
  use(8);
  const ImagePoint from = cell(5, 3), to = cell(2, 7);
  SelectPress(s, from.x, from.y);
  SelectMove(s, to.x, to.y);
  EXPECT_EQ(s.selection, (Selection{true, true, 2, 3, 4, 5, 5, 3}));
  SelectRelease(s);
  EXPECT_FALSE(s.selection.dragging);
  RemoveSelection(s);
  EXPECT_EQ(s.selection, (Selection{false, false, 2, 3, 4, 5, 5, 3}));
  use(2);
  SelectAll(s);
  EXPECT_EQ(s.selection, (Selection{true, false, 0, 0, 32, 96, 0, 0}));
}

TEST_F(Selecting, CopyWithoutSelectionTakesTheCellUnderTheMouseWhichThenStretches) {
  use(8);
  const ImagePoint p = cell(4, 2), q = cell(6, 3);
  s.lastMousePos = p;
  EXPECT_TRUE(CopySelection(s, true));
  EXPECT_EQ(s.selection, (Selection{true, true, 4, 2, 1, 1, 4, 2}));
  EXPECT_EQ(s.copy.planes, s.picture.planes);
  SelectMove(s, q.x, q.y);
  EXPECT_EQ(s.selection.width, 3);
  EXPECT_EQ(s.selection.height, 2);
  // Away from the picture the last rectangle is copied as it is.
  RemoveSelection(s);
  EXPECT_FALSE(CopySelection(s, false));
  EXPECT_EQ(s.copy.width, 3);
  EXPECT_FALSE(s.selection.visible);
}

TEST_F(Selecting, RecordLayoutIsLittleEndianWithThePlanesAtOffset45) {
  use(8);
  select(10, 4, 3, 2);
  s.selection.dragging = true;
  s.antsPhase = 12;
  CopySelection(s, false);
  const auto bytes = SerializeSelectionBlock(s);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[1], 1);
  EXPECT_EQ(bytes[4], 10);
  EXPECT_EQ(bytes[8], 4);
  EXPECT_EQ(bytes[20], 3);
  EXPECT_EQ(bytes[28], 10);
  EXPECT_EQ(bytes[40], 2);
  EXPECT_EQ(bytes[44], 12);
  EXPECT_EQ(bytes[45], s.picture.planes[0]);
  EXPECT_EQ(bytes[36908], s.picture.planes[kPlanesSize - 1]);
  SelectionBlock back;
  ASSERT_TRUE(ParseSelectionBlock(bytes, back));
  EXPECT_EQ(back.selection, s.selection);
  EXPECT_EQ(back.copy.planes, s.picture.planes);
}

TEST_F(Selecting, PasteFromAnotherEditorIsClippedAtTheRightAndBottom) {
  EditorState other;
  other.picture = testing::RandomPicture(9, 8);
  other.selection = {true, false, 10, 4, 3, 2, 10, 4};
  CopySelection(other, false);
  const auto clipboard = SerializeSelectionBlock(other);

  use(8);
  const Picture before = s.picture;
  s.lastMousePos = cell(30, 23);
  ASSERT_TRUE(PasteSelection(s, clipboard, true));
  EXPECT_TRUE(snapshotTaken(before));
  for (int line = 184; line < 192; ++line)
    for (int screen = 0; screen < 2; ++screen) {
      EXPECT_EQ(s.picture.pixels(screen)[pixelIndex(30, line)],
                pixelAt(other.picture.planes, screen, 10, line - 152));
      EXPECT_EQ(s.picture.pixels(screen)[pixelIndex(31, line)],
                pixelAt(other.picture.planes, screen, 11, line - 152));
      EXPECT_EQ(s.picture.attrs(screen)[attrIndex(31, line) + 1],
                other.picture.attrs(screen)[attrIndex(11, line - 152) + 1]);
      EXPECT_EQ(s.picture.pixels(screen)[pixelIndex(29, line)], before.pixels(screen)[pixelIndex(29, line)]);
    }
  // The frame shows what was selected when the copy was made.
  EXPECT_EQ(s.selection, other.selection);
}

TEST_F(Selecting, CellRowsArePastedAtTheCellHeightOfThePaste) {
  use(8);
  select(0, 2, 1, 3);
  CopySelection(s, false);
  const auto copied = s.copy.planes;
  ConvertPicture(s.picture, 1);
  s.lastMousePos = cell(20, 100);
  PasteSelection(s, {}, true);
  // Rows 2..4 at one line each: lines 2, 3 and 4, not 16..39.
  for (int k = 0; k < 3; ++k)
    EXPECT_EQ(s.picture.pixels(1)[pixelIndex(20, 100 + k)], pixelAt(copied, 1, 0, 2 + k));
  // A copy made at one line per row with rows near the bottom, pasted at
  // eight lines per row: rows past the copy's last line are skipped.
  use(1);
  select(3, 180, 1, 12);
  CopySelection(s, false);
  ConvertPicture(s.picture, 8);
  s.lastMousePos = cell(0, 0);
  const Picture before = s.picture;
  PasteSelection(s, {}, true);
  EXPECT_EQ(s.picture.planes, before.planes);
}

TEST_F(Selecting, PasteAwayFromThePictureOnlyTakesTheBlock) {
  EditorState other;
  other.selection = {true, false, 1, 1, 2, 2, 1, 1};
  CopySelection(other, false);
  use(8);
  const Picture before = s.picture;
  EXPECT_FALSE(PasteSelection(s, SerializeSelectionBlock(other), false));
  EXPECT_EQ(s.picture.planes, before.planes);
  EXPECT_TRUE(snapshotTaken(before));
  EXPECT_EQ(s.selection, other.selection);
}

TEST_F(Selecting, ClipboardDataShortOrOutOfRangeIsIgnored) {
  EditorState other;
  other.selection = {true, false, 1, 1, 2, 2, 1, 1};
  CopySelection(other, false);
  const auto good = SerializeSelectionBlock(other);
  auto spoilt = [&](std::size_t at, uint8_t value) {
    auto b = good;
    b[at] = value;
    return b;
  };
  const std::array<uint8_t, kSelectionBlockSize> bad[] = {spoilt(0, 2),        // a flag other than 0 or 1
                                                          spoilt(7, 0x80),     // a negative left column
                                                          spoilt(20, 32),      // 1 + 32 columns
                                                          spoilt(40, 193),     // copy rows past line 191
                                                          spoilt(44, 3),       // an ants phase between steps
                                                          spoilt(12333, 15)};  // a colour index above 14
  use(8);
  select(5, 5, 1, 1);
  CopySelection(s, false);
  SelectionBlock unused;
  for (const auto& b : bad) {
    EXPECT_FALSE(ParseSelectionBlock(b, unused));
    PasteSelection(s, b, false);
    EXPECT_EQ(s.selection.left, 5);
  }
  EXPECT_FALSE(ParseSelectionBlock(std::span(good).first(kSelectionBlockSize - 1), unused));
}

TEST_F(Selecting, DeleteFillsTheSelectionWithTheCurrentMixOrDoesNothing) {
  use(4);
  const Picture before = s.picture;
  s.colours = {1, 4, 7, 10, 1, 0, 1};
  EXPECT_FALSE(DeleteSelection(s));
  EXPECT_FALSE(snapshotTaken(before));
  select(2, 3, 2, 2);
  RemoveSelection(s);
  EXPECT_FALSE(DeleteSelection(s));
  select(2, 3, 2, 2);
  ASSERT_TRUE(DeleteSelection(s));
  EXPECT_TRUE(snapshotTaken(before));
  for (int column = 0; column < kColumns; ++column)
    for (int line = 0; line < kLines; ++line) {
      const bool inside = column >= 2 && column < 4 && line >= 12 && line < 20;
      const uint8_t* a0 = s.picture.attrs(0) + attrIndex(column, line);
      if (!inside) {
        EXPECT_EQ(s.picture.pixels(1)[pixelIndex(column, line)], before.pixels(1)[pixelIndex(column, line)]);
        continue;
      }
      EXPECT_EQ(s.picture.pixels(0)[pixelIndex(column, line)], 0x00);
      EXPECT_EQ(s.picture.pixels(1)[pixelIndex(column, line)], 0xFF);
      EXPECT_EQ(a0[0], 1);
      EXPECT_EQ(a0[1], 4);
      EXPECT_EQ(s.picture.attrs(1)[attrIndex(column, line) + 1], 10);
    }
}

}  // namespace
}  // namespace cs
