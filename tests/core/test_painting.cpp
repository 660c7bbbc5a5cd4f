#include <gtest/gtest.h>

#include <vector>

#include "colour/palette_actions.h"
#include "edit/ellipse.h"
#include "edit/instruments.h"
#include "edit/painting.h"
#include "tests/core/painting_fixture.h"

namespace cs {
namespace {

TEST_F(Painting, PositionMappingAtLowestAndHighestZoom) {
  PointInfo p = MapPosition(s, 1023, 767);
  EXPECT_EQ(p.column, 31);
  EXPECT_EQ(p.bit, 7);
  EXPECT_EQ(p.line, 191);
  EXPECT_EQ(p.cellRow, 23);
  s.view.zoomLevel = 4;
  p = MapPosition(s, 4095, 3071);
  EXPECT_EQ(p.column, 31);
  EXPECT_EQ(p.bit, 7);
  EXPECT_EQ(p.line, 191);
  EXPECT_FALSE(InsidePicture(s, 4096, 0));
  EXPECT_FALSE(InsidePicture(s, -1, 0));
}

TEST_F(Painting, EveryCombinationOfPixAndRgbOnOneClick) {
  ChooseMix(s, 2);
  struct Case {
    bool pix, rgb;
  };
  for (Case c : {Case{true, true}, Case{true, false}, Case{false, true}, Case{false, false}}) {
    EditorState fresh;
    fresh.picture.vertSize = 8;
    fresh.colours = s.colours;
    fresh.pixModeOn = c.pix;
    fresh.rgbModeOn = c.rgb;
    RecordingSink rec;
    EditorPress(fresh, rec, MouseButton::Left, false, 17 * 4, 40 * 4);
    EXPECT_EQ(fresh.picture.pixel(0, 17, 40), c.pix) << c.pix << c.rgb;
    EXPECT_FALSE(fresh.picture.pixel(1, 17, 40));
    const CellColours want = c.rgb ? CellColours{1, 4, 7, 10} : CellColours{0, 0, 0, 0};
    EXPECT_EQ(fresh.picture.cellColours(2, 40), want);
    // The attribute line alone is written, never the other lines of the cell.
    EXPECT_EQ(fresh.picture.attrs(0)[attrIndex(2, 41)], 0);
    ASSERT_EQ(rec.cells.size(), 1u) << "the cell is redrawn even when nothing changed";
    EXPECT_EQ(rec.cells[0], (std::array<int, 3>{2, 5, 40}));
    ASSERT_EQ(rec.points.size(), 1u);
    EXPECT_EQ(rec.points[0].bit, 1);
  }
}

TEST_F(Painting, HeightOneWritesTheOuterColumnsBlockLineAndTheCentralLine) {
  s.picture.vertSize = 1;
  click(3, 13);
  EXPECT_EQ(s.picture.attrs(0)[attrIndex(0, 8)], 1);
  EXPECT_EQ(s.picture.attrs(0)[attrIndex(0, 13)], 0);
  EXPECT_EQ(sink.cells.back(), (std::array<int, 3>{0, 13, 8}));
  click(70, 13);
  EXPECT_EQ(s.picture.attrs(1)[attrIndex(8, 13) + 1], 10);
  EXPECT_EQ(sink.cells.back(), (std::array<int, 3>{8, 13, 13}));
}

TEST_F(Painting, FillCharFillsWholeBytesOverTheCellEvenWithPixOff) {
  SetInstrument(s, Instrument::FillChar);
  ChooseMix(s, 1);
  s.pixModeOn = false;
  s.picture.vertSize = 4;
  click(3, 13);
  for (int l = 12; l < 16; ++l) {
    EXPECT_EQ(s.picture.pixels(0)[pixelIndex(0, l)], 0x00) << l;
    EXPECT_EQ(s.picture.pixels(1)[pixelIndex(0, l)], 0xFF) << l;
  }
  EXPECT_EQ(s.picture.pixels(1)[pixelIndex(0, 11)], 0);
  EXPECT_EQ(s.picture.pixels(1)[pixelIndex(0, 16)], 0);

  EditorState one;
  one.picture.vertSize = 1;
  one.curInstrument = Instrument::FillChar;
  ChooseMix(one, 3);
  RecordingSink rec;
  EditorPress(one, rec, MouseButton::Left, false, 3 * 4, 13 * 4);
  EXPECT_EQ(one.picture.pixels(0)[pixelIndex(0, 13)], 0xFF);
  EXPECT_EQ(one.picture.pixels(0)[pixelIndex(0, 12)], 0x00) << "one line only, even in an outer column";
  EXPECT_EQ(one.picture.pixels(0)[pixelIndex(0, 14)], 0x00);
}

TEST_F(Painting, PenMemoSkipsARepeatedPointUntilAColourIsChosen) {
  ChooseMix(s, 3);
  click(5, 5);
  ASSERT_TRUE(bits(5, 5, 0));
  ASSERT_EQ(sink.cells.size(), 1u);

  s.picture.setPixel(0, 5, 5, false);  // as if something else changed it
  s.colours.ink0 = 13;                  // colours picked up without emptying the memo
  click(5, 5);
  EXPECT_FALSE(bits(5, 5, 0)) << "the second click on the same point paints nothing";
  EXPECT_EQ(sink.cells.size(), 1u) << "and redraws nothing";
  SwapUndoSnapshot(s);
  EXPECT_FALSE(bits(5, 5, 0)) << "but it still took an undo snapshot";
  SwapUndoSnapshot(s);

  ChooseRole(s, 0, 1);  // role buttons keep the memo
  click(5, 5);
  EXPECT_EQ(sink.cells.size(), 1u);

  ChooseMix(s, 2);
  click(5, 5);
  EXPECT_TRUE(bits(5, 5, 0));
  EXPECT_EQ(sink.cells.size(), 2u);
}

TEST_F(Painting, AStrokeIsOneUndoStepAndFastDragsLeaveGaps) {
  ChooseMix(s, 3);
  s.view.zoomLevel = 4;
  click(10, 10);
  for (int x = 12; x <= 40; x += 4) drag(x, 10);
  EXPECT_TRUE(bits(10, 10, 0));
  EXPECT_TRUE(bits(40, 10, 0));
  EXPECT_FALSE(bits(11, 10, 0)) << "move events are not joined";
  EXPECT_EQ(setPixels(), 9);
  SwapUndoSnapshot(s);
  EXPECT_EQ(setPixels(), 0);
}

TEST_F(Painting, ShiftPressDrawsALineFromTheLastPenPositionAsOneUndoStep) {
  ChooseMix(s, 3);
  click(2, 3);
  click(12, 8, true);
  EXPECT_TRUE(bits(2, 3, 0));
  EXPECT_TRUE(bits(12, 8, 0));
  EXPECT_EQ(setPixels(), 11) << "a line of 11 points, both ends included";
  EXPECT_EQ(s.lastPoint, at(12, 8));
  SwapUndoSnapshot(s);
  EXPECT_TRUE(bits(2, 3, 0)) << "the line goes, the earlier point stays";
  EXPECT_EQ(setPixels(), 1);
}

TEST_F(Painting, ShiftMoveOpensALineBandThatKeyReleaseClosesForThePenOnly) {
  const ImagePoint p = at(30, 30);
  MoveResult m = EditorMove(s, sink, false, true, p.x, p.y);
  EXPECT_EQ(m.band.kind, RubberBand::Kind::Line);
  EXPECT_TRUE(s.shapeStarted);
  EXPECT_FALSE(EditorKeyRelease(s, true)) << "Shift still held";
  EXPECT_TRUE(EditorKeyRelease(s, false));
  EXPECT_FALSE(s.shapeStarted);

  SetInstrument(s, Instrument::Select);
  EditorMove(s, sink, false, true, p.x, p.y);
  EXPECT_FALSE(EditorKeyRelease(s, false)) << "only the pen closes the band on release";
  EXPECT_TRUE(s.shapeStarted);
}

TEST_F(Painting, PenMathsMatchTheBresenhamRule) {
  // Steep and shallow lines in every direction touch each column or row once.
  ChooseMix(s, 3);
  DrawPenLine(s, sink, at(0, 0).x, at(0, 0).y, at(3, 9).x, at(3, 9).y);
  int n = 0;
  for (int y = 0; y <= 9; ++y) {
    int row = 0;
    for (int x = 0; x <= 3; ++x) row += bits(x, y, 0);
    EXPECT_EQ(row, 1) << y;
    n += row;
  }
  EXPECT_EQ(n, 10);
  s.picture.planes.fill(0);
  s.penMemo.clear();
  DrawPenLine(s, sink, at(9, 1).x, at(9, 1).y, at(0, 0).x, at(0, 0).y);
  EXPECT_TRUE(bits(9, 1, 0));
  EXPECT_TRUE(bits(0, 0, 0));
  EXPECT_EQ(setPixels(), 10);
}

TEST_F(Painting, RectOutlineBetweenTwoClicksCornersIncluded) {
  ChooseMix(s, 3);
  SetInstrument(s, Instrument::Rect);
  click(20, 5);
  EXPECT_EQ(setPixels(), 0);
  EXPECT_TRUE(s.shapeStarted);
  const ImagePoint p = at(10, 10);
  const PressResult r = EditorPress(s, sink, MouseButton::Left, false, p.x, p.y);
  EXPECT_TRUE(r.refreshView);
  EXPECT_FALSE(s.shapeStarted);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool edge = (x >= 10 && x <= 20 && (y == 5 || y == 10)) || (y >= 5 && y <= 10 && (x == 10 || x == 20));
      ASSERT_EQ(bits(x, y, 0), edge) << x << "," << y;
    }
  EXPECT_EQ(s.lastPoint, (ImagePoint{40, 40})) << "top-left of the pixel under the second click";
  SwapUndoSnapshot(s);
  EXPECT_EQ(setPixels(), 0);
}

TEST_F(Painting, RectWithOnlyRgbRecoloursTheCellsItCrosses) {
  s.pixModeOn = false;
  SetInstrument(s, Instrument::Rect);
  click(4, 4);
  click(20, 20);
  EXPECT_EQ(setPixels(), 0);
  EXPECT_EQ(s.picture.cellColours(0, 4), (CellColours{1, 4, 7, 10}));
  EXPECT_EQ(s.picture.cellColours(2, 20), (CellColours{1, 4, 7, 10}));
  EXPECT_EQ(s.picture.cellColours(1, 12), (CellColours{0, 0, 0, 0})) << "the inside stays";
}

TEST_F(Painting, LinePolylineIsOneUndoStep) {
  ChooseMix(s, 3);
  SetInstrument(s, Instrument::Line);
  s.picture.setPixel(0, 100, 100, true);
  click(0, 0);
  click(10, 0);
  click(10, 10);
  EXPECT_EQ(setPixels(), 1 + 11 + 10);
  SwapUndoSnapshot(s);
  EXPECT_EQ(setPixels(), 1);
  EXPECT_TRUE(bits(100, 100, 0));
}

TEST_F(Painting, LinePressOnAnOpenShapePaintsAtOnceWithoutSnapshot) {
  ChooseMix(s, 3);
  const ImagePoint p = at(3, 3);
  EditorMove(s, sink, false, true, p.x, p.y);  // Shift over the image opens a shape
  TakeUndoSnapshot(s);
  s.picture.setPixel(1, 200, 100, true);  // a change the snapshot does not hold
  SetInstrument(s, Instrument::Line);
  click(8, 3);
  EXPECT_TRUE(bits(8, 3, 0));
  SwapUndoSnapshot(s);
  EXPECT_FALSE(s.picture.pixel(1, 200, 100)) << "no snapshot was taken by the press";
}

TEST_F(Painting, EllipsePaintsItsOutlineOnTheSecondClickAsOneUndoStep) {
  SetInstrument(s, Instrument::Ellipse);
  ChooseMix(s, 3);
  s.picture.setPixel(0, 1, 1, true);
  const auto before = s.picture.planes;
  click(30, 20);
  EXPECT_EQ(s.picture.planes, before);
  const ImagePoint p = at(5, 5);
  MoveResult m = EditorMove(s, sink, false, false, p.x, p.y);
  EXPECT_EQ(m.band.kind, RubberBand::Kind::Ellipse);
  click(5, 5);
  EXPECT_FALSE(s.shapeStarted);
  const std::vector<PixelXY> outline = EllipseOutline(30, 20, 5, 5);
  for (const PixelXY& q : outline) EXPECT_TRUE(bits(q.x, q.y, 0) && bits(q.x, q.y, 1)) << q.x << "," << q.y;
  EXPECT_EQ(setPixels(), int(outline.size()) + 1);
  SwapUndoSnapshot(s);
  EXPECT_EQ(s.picture.planes, before);
}

TEST_F(Painting, ClickGuardAndOutsidePositionsAreIgnored) {
  ChooseMix(s, 3);
  s.clickGuard = true;
  click(5, 5);
  EXPECT_EQ(setPixels(), 0);
  MoveResult m = EditorMove(s, sink, true, false, 20, 20);
  EXPECT_FALSE(m.handled);
  EXPECT_EQ(s.lastMousePos, (ImagePoint{0, 0}));
  s.clickGuard = false;
  EditorPress(s, sink, MouseButton::Left, false, 1024, 10);
  EditorPress(s, sink, MouseButton::Left, false, -1, 10);
  EXPECT_EQ(setPixels(), 0);
  m = EditorMove(s, sink, true, false, 2000, 10);
  EXPECT_FALSE(m.handled);
  EXPECT_EQ(s.lastMousePos, (ImagePoint{2000, 10})) << "recorded even outside";
}

TEST_F(Painting, RightButtonPicksTheCellColoursUnchangedAndWithSelectStartsASelection) {
  s.picture.setCellColours(3, 16, {2, 13, 0, 9});
  SetInstrument(s, Instrument::Select);
  const ImagePoint p = at(27, 17);
  const PressResult r = EditorPress(s, sink, MouseButton::Right, false, p.x, p.y);
  EXPECT_TRUE(r.startSelection);
  EXPECT_TRUE(r.pickedColours);
  EXPECT_EQ(s.colours.ink0, 2);
  EXPECT_EQ(s.colours.pap0, 13) << "no brightness coupling on a pick";
  EXPECT_EQ(s.colours.pap1, 9);
  const auto mixes = CellMixColours(s, ComputeMixTable(), p.x, p.y);
  EXPECT_EQ(mixes[2], ComputeMixTable().at(13, 0));
}

TEST_F(Painting, HoverReportsThePointForTheStatusBar) {
  const MoveResult m = EditorMove(s, sink, false, false, 17 * 4 + 1, 40 * 4 + 3);
  ASSERT_TRUE(m.hover);
  EXPECT_EQ(m.hoverPoint.pixelX(), 17);
  EXPECT_EQ(m.hoverPoint.line, 40);
  EXPECT_EQ(m.hoverPoint.column, 2);
  EXPECT_EQ(m.hoverPoint.cellRow, 5);
}

TEST(PaletteActions, BorderPressPicksTheSwatchUnderIt) {
  EditorState s;
  ChooseBorder(s, 37, 100);
  EXPECT_EQ(s.picture.borderIndex0, 2);
  EXPECT_EQ(s.picture.borderIndex1, 6);
  ChooseBorder(s, 40, 104);
  EXPECT_EQ(s.picture.borderIndex0, 2);
  EXPECT_EQ(s.picture.borderIndex1, 6);
  EXPECT_EQ(BorderColor(s.picture.borderIndex0, s.picture.borderIndex1), rgb(202, 115, 0));
}

}  // namespace
}  // namespace cs
