#include <gtest/gtest.h>

#include "colour/corrector.h"
#include "colour/corrector_views.h"
#include "colour/palette_images.h"
#include "format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::SamePicture;

// What a byte (pixel plane) or an entry (attribute plane) of one screen holds
// after an operation: as before, its own inverted or INK/PAP-swapped value,
// or the other screen's value from before.
enum class From : uint8_t { Same, Own, Other };
struct OpRow {
  CorrectorOp op;
  From pix0, pix1, attr0, attr1;
};
constexpr From S = From::Same, O = From::Own, X = From::Other;
constexpr OpRow kOps[kCorrectorOpCount] = {
    {CorrectorOp::InvertAll0, O, S, O, S},    {CorrectorOp::InvertRgb0, S, S, O, S},
    {CorrectorOp::InvertPix0, O, S, S, S},    {CorrectorOp::InvertAll1, S, O, S, O},
    {CorrectorOp::InvertRgb1, S, S, S, O},    {CorrectorOp::InvertPix1, S, O, S, S},
    {CorrectorOp::InvertAllBoth, O, O, O, O}, {CorrectorOp::InvertRgbBoth, S, S, O, O},
    {CorrectorOp::InvertPixBoth, O, O, S, S}, {CorrectorOp::CopyRAll, S, X, S, X},
    {CorrectorOp::CopyRRgb, S, S, S, X},      {CorrectorOp::CopyRPix, S, X, S, S},
    {CorrectorOp::CopyLAll, X, S, X, S},      {CorrectorOp::CopyLRgb, S, S, X, S},
    {CorrectorOp::CopyLPix, X, S, S, S},      {CorrectorOp::Exchange, X, X, X, X},
};

uint8_t pixelAfter(From f, uint8_t own, uint8_t other) {
  return f == From::Same ? own : f == From::Own ? uint8_t(~own) : other;
}

// The block's pixel lines in every column, the 8-line cells of the outer
// columns at height 1 included, so the rows above can be checked byte by byte.
bool inBlock(const CorrectorBlock& b, int h, int column, int line) {
  if (column < b.left || column > b.right) return false;
  int first = b.top * h, end = (b.bottom + 1) * h;
  if (h == 1 && isOuterColumn(column)) first = first / 8 * 8, end = (end + 7) / 8 * 8;
  return line >= first && line < end;
}

TEST(CorrectorOps, EveryRowOfTheOperationsTableInsideTheBlockOnly) {
  for (int h : {2, 1})
    for (const OpRow& row : kOps) {
      const Picture before = RandomPicture(7, h);
      Picture pic = before;
      const CorrectorBlock b{3, 5, 9, 7};  // columns 3..9 cross into the 8-line outer cells at h = 1
      ApplyCorrectorOp(row.op, b, pic);
      SCOPED_TRACE(::testing::Message() << "operation " << int(row.op) << ", h " << h);
      for (int c = 0; c < kColumns; ++c)
        for (int line = 0; line < kLines; ++line) {
          const bool in = inBlock(b, h, c, line);
          const int p = pixelIndex(c, line), a = attrIndex(c, line);
          const uint8_t p0 = before.pixels(0)[p], p1 = before.pixels(1)[p];
          ASSERT_EQ(pic.pixels(0)[p], in ? pixelAfter(row.pix0, p0, p1) : p0) << c << "," << line;
          ASSERT_EQ(pic.pixels(1)[p], in ? pixelAfter(row.pix1, p1, p0) : p1) << c << "," << line;
          for (int s = 0; s < 2; ++s) {
            const From f = !in ? From::Same : s == 0 ? row.attr0 : row.attr1;
            const uint8_t* own = before.attrs(s) + a;
            const uint8_t* other = before.attrs(1 - s) + a;
            const uint8_t ink = f == From::Same ? own[0] : f == From::Own ? own[1] : other[0];
            const uint8_t pap = f == From::Same ? own[1] : f == From::Own ? own[0] : other[1];
            ASSERT_EQ(pic.attrs(s)[a], ink) << "screen " << s << " " << c << "," << line;
            ASSERT_EQ(pic.attrs(s)[a + 1], pap) << "screen " << s << " " << c << "," << line;
          }
        }
    }
}

TEST(CorrectorOps, InvertAllKeepsTheLookAndTwiceRestoresAtEveryCellHeight) {
  const ColourTables t;
  for (int h : {8, 4, 2, 1}) {
    SCOPED_TRACE(h);
    const Picture before = RandomPicture(11, h);
    // Part of the 8-line outer cells at h = 1 (columns 5..7, lines 3..12).
    const CorrectorBlock b{5, 3, 12, 12};
    Picture pic = before;
    ApplyCorrectorOp(CorrectorOp::InvertAll0, b, pic);
    EXPECT_NE(pic.pixels(0)[pixelIndex(5, 3 * h)], before.pixels(0)[pixelIndex(5, 3 * h)]);
    ComposedImages was, now;
    ComposePicture(before, t, was);
    ComposePicture(pic, t, now);
    EXPECT_EQ(std::vector<Rgb>(was.composite.data(), was.composite.data() + 512 * 384),
              std::vector<Rgb>(now.composite.data(), now.composite.data() + 512 * 384));
    EXPECT_EQ(std::vector<Rgb>(was.screen0.data(), was.screen0.data() + 256 * 192),
              std::vector<Rgb>(now.screen0.data(), now.screen0.data() + 256 * 192));
    ApplyCorrectorOp(CorrectorOp::InvertAll0, b, pic);
    EXPECT_TRUE(SamePicture(pic, before));
  }
}

TEST(CorrectorOps, ExchangeTwiceRestoresAndCopyRThenInvertBothLeavesEqualScreens) {
  const CorrectorBlock b{0, 2, 31, 20};
  Picture pic = RandomPicture(5, 4);
  const Picture before = pic;
  ApplyCorrectorOp(CorrectorOp::Exchange, b, pic);
  EXPECT_FALSE(SamePicture(pic, before));
  ApplyCorrectorOp(CorrectorOp::Exchange, b, pic);
  EXPECT_TRUE(SamePicture(pic, before));

  ApplyCorrectorOp(CorrectorOp::CopyRAll, b, pic);
  ApplyCorrectorOp(CorrectorOp::InvertAllBoth, b, pic);
  for (int c = 0; c < kColumns; ++c)
    for (int line = 8; line < 84; ++line) {
      ASSERT_EQ(pic.pixels(0)[pixelIndex(c, line)], pic.pixels(1)[pixelIndex(c, line)]);
      ASSERT_EQ(pic.cellColours(c, line).ink0, pic.cellColours(c, line).ink1);
      ASSERT_EQ(pic.cellColours(c, line).pap0, pic.cellColours(c, line).pap1);
    }
}

TEST(CorrectorBlock, GrowsRightAndDownFromThePressedCellClampedToThePicture) {
  CorrectorState c;
  CorrectorPress(c, 8, 100, 50);
  EXPECT_EQ(c.cell, (CellCoord{6, 3}));
  EXPECT_EQ(c.blockEnd, (CellCoord{6, 3}));
  EXPECT_TRUE(c.dragging);
  // Left of and above the anchor: the block stays the one cell.
  EXPECT_TRUE(CorrectorMove(c, 8, 40, 10));
  EXPECT_EQ(c.blockEnd, (CellCoord{6, 3}));
  EXPECT_TRUE(CorrectorMove(c, 8, 200, 100));
  EXPECT_EQ(c.blockEnd, (CellCoord{12, 6}));
  EXPECT_FALSE(CorrectorMove(c, 8, 207, 111));  // the same cell: nothing to redraw
  // The mouse is captured: beyond the view's right and bottom edges.
  EXPECT_TRUE(CorrectorMove(c, 8, 900, -40));
  EXPECT_EQ(c.blockEnd, (CellCoord{31, 3}));
  CorrectorRelease(c, 8, 600, 400);
  EXPECT_EQ(c.cell, (CellCoord{6, 3}));
  EXPECT_EQ(c.blockEnd, (CellCoord{31, 23}));
  EXPECT_FALSE(c.dragging);
  EXPECT_FALSE(CorrectorMove(c, 8, 20, 20));  // no drag after the release
  EXPECT_EQ(CorrectorFrame(UsedBlock(c, 8), 8), (ScreenRect{96, 48, 416, 336}));
  // Cell rows are 2h pixels high in the views: 2 at h = 1.
  CorrectorPress(c, 1, 511, 383);
  EXPECT_EQ(c.cell, (CellCoord{31, 191}));
}

TEST(CorrectorBlock, ClampedAtUseAfterTheCellHeightGrows) {
  CorrectorState c;
  c.cell = {2, 100};
  c.blockEnd = {4, 150};  // chosen at h = 1
  EXPECT_EQ(UsedBlock(c, 8), (CorrectorBlock{2, 23, 4, 23}));
  EXPECT_EQ(UsedBlock(c, 1), (CorrectorBlock{2, 100, 4, 150}));
  Picture pic = RandomPicture(3, 8);
  const Picture before = pic;
  ApplyCorrectorOp(CorrectorOp::InvertPixBoth, UsedBlock(c, 8), pic);
  for (int col = 0; col < kColumns; ++col)
    for (int line = 0; line < kLines; ++line) {
      const bool in = col >= 2 && col <= 4 && line >= 184;
      ASSERT_EQ(pic.pixels(0)[pixelIndex(col, line)] != before.pixels(0)[pixelIndex(col, line)], in);
    }
  EXPECT_EQ(c.cell, (CellCoord{2, 100}));  // the stored block stays as chosen
  // The outer columns' lines at h = 1 are whole 8-line cells; the central ones are not.
  const CorrectorBlock b{0, 3, 31, 12};
  EXPECT_EQ(BlockLines(b, 1, 0), (LineRange{0, 16}));
  EXPECT_EQ(BlockLines(b, 1, 8), (LineRange{3, 10}));
  EXPECT_EQ(BlockLines(b, 2, 0), (LineRange{6, 20}));
}

TEST(CorrectorViews, StripsMarkTheAnchorsGoverningColoursWhateverTheBlock) {
  Picture pic = RandomPicture(9, 1);
  // Anchor in an outer column at h = 1: its colours come from line 0.
  pic.setCellColours(2, 0, {1, 2, 3, 4});
  pic.attrs(0)[attrIndex(2, 5)] = 9;
  CorrectorState c;
  c.cell = {2, 5};
  c.blockEnd = {20, 40};
  ComposedImages composed;
  ComposePicture(pic, ColourTables{}, composed);
  const OverlayPatterns patterns = MakeOverlayPatterns();
  CorrectorImages out;
  RedrawCorrectorImages(pic, composed, c, patterns, out);
  const uint8_t marked[4] = {1, 2, 3, 4};
  for (int i = 0; i < 4; ++i) {
    const RgbImage want = MakeStripView(marked[i]);
    EXPECT_TRUE(std::equal(want.data(), want.data() + 240 * 16, out.strips[size_t(i)].data())) << i;
  }
  for (int s = 0; s < 2; ++s) {
    const RgbImage& src = s ? composed.screen1 : composed.screen0;
    EXPECT_EQ(out.screens[size_t(s)].at(511, 383), src.at(255, 191));
    EXPECT_EQ(out.screens[size_t(s)].at(301, 100), src.at(150, 50));
  }
}

TEST(CorrectorViews, CornerAnchorShowsTheHatchBeyondThePictureAndFourMagnifiedCells) {
  const int h = 2;
  const Picture pic = RandomPicture(4, h);
  ComposedImages composed;
  ComposePicture(pic, ColourTables{}, composed);
  RgbImage view(kCharViewSize, kCharViewSize, rgb(1, 2, 3));
  DrawNeighbourhood(view, composed.screen0, {0, 0}, h, MakeOverlayPatterns());
  const Rgb white = rgb(255, 255, 255), black = rgb(0, 0, 0), grey = rgb(128, 128, 128);
  auto hatch = [&](int x, int y) { return ((x - y) & 7) == 0 || ((x + y) & 7) == 0 ? white : black; };
  // Separators: rows at 4h and 8h + 1, columns at 32 and 65, grey first.
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 98; ++x) {
      const bool separatorRow = y == 8 || y == 17;
      if (separatorRow || x == 32 || x == 65) {
        const int along = x == 32 || x == 65 ? y : x;  // the columns are drawn last
        ASSERT_EQ(view.at(x, y), along % 2 ? white : grey) << x << "," << y;
      } else if (x < 32 || y < 8) {  // left column and top row: beyond the Picture
        ASSERT_EQ(view.at(x, y), x == 0 || x == 97 || y == 0 ? black : hatch(x, y)) << x << "," << y;
      } else {  // the anchor and its right, lower and lower-right neighbours, 32 x 8 each
        const int cx = x < 65 ? x - 33 : x - 66 + 32, cy = y < 17 ? y - 9 : y - 18 + 8;
        ASSERT_EQ(view.at(x, y), composed.screen0.at(cx / 4, cy / 4)) << x << "," << y;
      }
    }
  // Below the three rows the box shows nothing of interest, but the hatch is there.
  EXPECT_EQ(view.at(40, 40), hatch(40, 40));
  EXPECT_EQ(view.at(97, 50), black);
}

}  // namespace
}  // namespace cs
