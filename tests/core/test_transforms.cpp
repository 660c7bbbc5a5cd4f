#include <gtest/gtest.h>

#include "edit/transforms.h"
#include "selection_test_util.h"

namespace cs {
namespace {

using Transforming = testing::SelectionFixture;

// The transforms' pixel rules one pixel pair at a time, as the user reads
// them, to hold the byte-wise code to.
Picture byThePixel(const EditorState& s, Transform t) {
  Picture out = s.picture;
  const Selection& sel = s.selection;
  const int h = s.picture.cellHeight();
  const int x0 = 8 * sel.left, y0 = h * sel.top, W = 8 * sel.width, H = h * sel.height;
  auto move = [&](int tx, int ty, int fx, int fy) {
    for (int screen = 0; screen < 2; ++screen) out.setPixel(screen, tx, ty, s.picture.pixel(screen, fx, fy));
  };
  for (int i = 0; i < H; ++i)
    for (int j = 0; j < W; ++j) switch (t) {
        case Transform::FlipHorizontal: move(x0 + W - 1 - j, y0 + i, x0 + j, y0 + i); break;
        case Transform::FlipVertical: move(x0 + j, y0 + H - 1 - i, x0 + j, y0 + i); break;
        case Transform::Rotate90: move(x0 + H - 1 - i, y0 + j, x0 + j, y0 + i); break;
        case Transform::RotateRight: move(x0 + (j + 1) % W, y0 + i, x0 + j, y0 + i); break;
        case Transform::RotateLeft: move(x0 + j, y0 + i, x0 + (j + 1) % W, y0 + i); break;
        case Transform::RotateUp: move(x0 + j, y0 + i, x0 + j, y0 + (i + 1) % H); break;
        case Transform::RotateDown: move(x0 + j, y0 + (i + 1) % H, x0 + j, y0 + i); break;
      }
  return out;
}

constexpr Transform kAll[] = {Transform::FlipHorizontal, Transform::FlipVertical, Transform::Rotate90,
                              Transform::RotateRight,    Transform::RotateLeft,   Transform::RotateUp,
                              Transform::RotateDown};

TEST_F(Transforming, PixelsMoveAsThePixelRulesSayAtEveryCellHeight) {
  for (int h : {8, 4, 2, 1})
    for (Transform t : kAll) {
      use(h, unsigned(h));
      select(3, 8 / h + 1, 2, 16 / h + 1);  // at 8 lines a 2 x 3 block; elsewhere taller
      if (t == Transform::Rotate90) select(3, 1, 2, 24 / h + 1);  // 32, 28, 26 and 25 lines
      const Picture expected = byThePixel(s, t);
      ASSERT_TRUE(ApplyTransform(s, t));
      const auto pixels = [](const Picture& p) {
        return std::vector(p.planes.begin(), p.planes.begin() + kPixelBlockSize);
      };
      EXPECT_EQ(pixels(s.picture), pixels(expected)) << "height " << h << " transform " << int(t);
    }
}

TEST_F(Transforming, CellColoursMoveWithFlipsAndTurnsOnlyAtCellStarts) {
  use(8);
  select(4, 1, 1, 3);
  const Picture before = s.picture;
  ApplyTransform(s, Transform::FlipVertical);
  const auto entry = [](const Picture& p, int column, int line) {
    return p.attrs(1)[attrIndex(column, line)];
  };
  EXPECT_EQ(entry(s.picture, 4, 8), entry(before, 4, 24));
  EXPECT_EQ(entry(s.picture, 4, 24), entry(before, 4, 8));
  EXPECT_EQ(entry(s.picture, 4, 9), entry(before, 4, 9));
  select(4, 1, 3, 1);
  ApplyTransform(s, Transform::FlipHorizontal);
  EXPECT_EQ(entry(s.picture, 6, 8), entry(before, 4, 24));
  // A 2 x 1 block turns into a 1 x 2 block of cells at its top-left corner.
  use(8);
  select(4, 1, 2, 1);
  const Picture flat = s.picture;
  ApplyTransform(s, Transform::Rotate90);
  EXPECT_EQ(entry(s.picture, 4, 8), entry(flat, 4, 8));
  EXPECT_EQ(entry(s.picture, 4, 16), entry(flat, 5, 8));
}

TEST_F(Transforming, RoundTripsGiveThePictureBackAndEachIsOneUndoStep) {
  use(8);
  select(2, 1, 4, 4);
  const Picture before = s.picture;
  for (Transform t : {Transform::FlipHorizontal, Transform::FlipVertical}) {
    for (int i = 0; i < 2; ++i) ApplyTransform(s, t);
    EXPECT_EQ(s.picture.planes, before.planes);
  }
  for (int i = 0; i < 4; ++i) ApplyTransform(s, Transform::Rotate90);
  EXPECT_EQ(s.picture.planes, before.planes);
  for (int i = 0; i < 4; ++i) ApplyTransform(s, Transform::RotateRight);
  for (int i = 0; i < 4; ++i) ApplyTransform(s, Transform::RotateLeft);
  EXPECT_EQ(s.picture.planes, before.planes);
  ApplyTransform(s, Transform::RotateDown);
  SwapUndoSnapshot(s);
  EXPECT_EQ(s.picture.planes, before.planes);
}

TEST_F(Transforming, LastRectangleStillActsAndNoRectangleChangesNothing) {
  use(8);
  const Picture before = s.picture;
  for (Transform t : kAll) ASSERT_TRUE(ApplyTransform(s, t));
  EXPECT_EQ(s.picture.planes, before.planes);
  EXPECT_TRUE(snapshotTaken(before));
  select(0, 0, 1, 1);
  RemoveSelection(s);
  ApplyTransform(s, Transform::RotateLeft);
  EXPECT_EQ(s.picture.pixels(0)[0], uint8_t(before.pixels(0)[0] << 1 | before.pixels(0)[0] >> 7));
}

TEST_F(Transforming, TurnsThatDoNotFitAreRefusedAndOtherTransformsClip) {
  use(8);
  const Picture before = s.picture;
  select(0, 0, 32, 24);  // turned it would be 192 wide and 256 high
  EXPECT_FALSE(ApplyTransform(s, Transform::Rotate90));
  select(30, 2, 2, 4);  // four cell rows turned need four columns
  EXPECT_FALSE(ApplyTransform(s, Transform::Rotate90));
  EXPECT_EQ(s.picture.planes, before.planes);
  EXPECT_FALSE(snapshotTaken(before));
  // Made at one line per row, far below the eight-line picture's last row.
  select(0, 100, 2, 80);
  EXPECT_FALSE(ApplyTransform(s, Transform::Rotate90));
  for (Transform t : kAll)
    if (t != Transform::Rotate90) {
      EXPECT_TRUE(ApplyTransform(s, t));
    }
  EXPECT_EQ(s.picture.planes, before.planes);
  select(0, 20, 1, 10);  // rows 20..23 lie inside
  ApplyTransform(s, Transform::RotateUp);
  EXPECT_EQ(s.picture.pixels(0)[pixelIndex(0, 191)], before.pixels(0)[pixelIndex(0, 160)]);
}

}  // namespace
}  // namespace cs
