#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "render/editor_rows.h"
#include "render/overlays.h"

namespace cs {
namespace {

constexpr Rgb kPicture = rgb(1, 2, 3);  // stands for "picture shows through"

// Renders the overlays of a rectangle over a buffer filled with kPicture.
RgbImage render(const OverlayView& v, ScreenRect r) {
  static const OverlayPatterns patterns = MakeOverlayPatterns();
  RgbImage img(r.width, r.height, kPicture);
  std::vector<Segment> segs;
  CollectEditorOverlays(v, r, segs);
  DrawSegments(img, r.x, r.y, segs, patterns);
  return img;
}

char code(Rgb c) {
  if (c == kPicture) return '.';
  if (c == kCharGridDot) return 'W';
  if (c == kPixelGridDot) return 'K';
  if (c == kGridGrey) return 'g';
  return '?';
}

// The rectangle as rows of codes: W white dot, K black dot, g grey dot,
// . picture.
std::vector<std::string> grid(const OverlayView& v, ScreenRect r) {
  const RgbImage img = render(v, r);
  std::vector<std::string> rows;
  for (int y = 0; y < r.height; ++y) {
    std::string row;
    for (int x = 0; x < r.width; ++x) row += code(img.at(x, y));
    rows.push_back(row);
  }
  return rows;
}

OverlayView grids(int scale, int cellHeight) {
  OverlayView v;
  v.scale = scale;
  v.cellHeight = cellHeight;
  v.pixelGrid = v.charGrid = true;
  return v;
}

TEST(Grids, BothGridsAtZoomOneCharLinesLieOverPixelLines) {
  // s = 4: pixel lines every 4, char lines every 32; every line starts with
  // its dot and alternates with grey.
  const std::vector<std::string> expected = {
      "WgWgWgWgW",  // char-grid row: white on even x
      "g...g...g",
      "W...K...K",  // x = 0 is the char-grid column, 4 and 8 pixel-grid columns
      "g...g...g",
      "WgKgKgKgK",  // pixel-grid row, crossed by the char-grid column at x = 0
  };
  EXPECT_EQ(grid(grids(4, 8), {0, 0, 9, 5}), expected);
  // The next char column and row are at 32 (8 pixels of 4).
  EXPECT_EQ(grid(grids(4, 8), {30, 30, 4, 4}), (std::vector<std::string>{"..W.", "..g.", "WgWg", "..g."}));
}

TEST(Grids, ZoomTwoSpacesLinesByEight) {
  EXPECT_EQ(grid(grids(8, 8), {0, 6, 10, 4}),
            (std::vector<std::string>{"W.......K.", "g.......g.", "WgKgKgKgKg", "g.......g."}));
}

TEST(Grids, PixelGridAloneOrCharGridAlone) {
  OverlayView v = grids(4, 8);
  v.charGrid = false;
  EXPECT_EQ(grid(v, {0, 0, 5, 2}), (std::vector<std::string>{"KgKgK", "g...g"}));
  v = grids(4, 8);
  v.pixelGrid = false;
  EXPECT_EQ(grid(v, {0, 0, 5, 2}), (std::vector<std::string>{"WgWgW", "g...."}));
}

TEST(Grids, EightByOneCharGridRunsUnderEveryLineOnlyInTheCentralColumns) {
  // Line 1 (y = 4): outer column 7 ends at x = 255, central column 8 starts at
  // 256. The outer part shows the pixel grid, the central part the char grid.
  EXPECT_EQ(grid(grids(4, 1), {252, 4, 8, 1}), (std::vector<std::string>{"KgKgWgWg"}));
  // Column 24 (x >= 768) is outer again; its left edge is a char-grid column.
  EXPECT_EQ(grid(grids(4, 1), {764, 4, 8, 1}), (std::vector<std::string>{"WgWgWgKg"}));
  // Line 8 (y = 32) is a cell edge in every column.
  EXPECT_EQ(grid(grids(4, 1), {252, 32, 8, 1}), (std::vector<std::string>{"WgWgWgWg"}));
  // Without the pixel grid the outer cells are plain 8 x 8.
  OverlayView v = grids(4, 1);
  v.pixelGrid = false;
  EXPECT_EQ(grid(v, {0, 4, 3, 1}), (std::vector<std::string>{"W.."}));
}

TEST(Grids, NoClosingLineAtTheRightOrBottomEdge) {
  const RgbImage img = render(grids(4, 8), {1020, 764, 4, 4});
  EXPECT_EQ(img.at(3, 3), kPicture);
  EXPECT_EQ(img.at(3, 0), kGridGrey);  // the last pixel line at y = 764 still runs
}

TEST(Grids, NothingIsDrawnOutsideTheImage) {
  std::vector<Segment> segs;
  CollectEditorOverlays(grids(4, 8), {1024, 0, 100, 100}, segs);
  CollectEditorOverlays(grids(4, 8), {0, 768, 100, 100}, segs);
  EXPECT_TRUE(segs.empty());
}

OverlayView withSelection(int phase) {
  OverlayView v;
  v.scale = 4;
  v.cellHeight = 8;
  v.antsVisible = true;
  Selection sel;
  sel.left = 1;
  sel.top = 1;
  sel.width = 2;
  sel.height = 1;
  v.antsOutline = SelectionOutline(sel, 4, 8);
  v.antsPhase = phase;
  return v;
}

TEST(Ants, OutlineSitsOnTheSelectedCellsEdges) {
  EXPECT_EQ(withSelection(0).antsOutline, (ScreenRect{32, 32, 64, 32}));
  Selection sel{true, false, 3, 10, 4, 5};
  // 8x1 cells are one line high.
  EXPECT_EQ(SelectionOutline(sel, 16, 1), (ScreenRect{384, 160, 512, 80}));
}

Rgb at(const OverlayView& v, int x, int y) { return render(v, {x, y, 1, 1}).at(0, 0); }

TEST(Ants, DashesMoveFourPixelsPerTickAroundTheRectangle) {
  for (int phase = 0; phase < 16; phase += 4) {
    const OverlayView now = withSelection(phase), next = withSelection((phase + 4) % 16);
    for (int i = 4; i < 28; ++i) {
      // Top edge runs right, bottom edge left.
      ASSERT_EQ(at(next, 32 + i + 4, 32), at(now, 32 + i, 32));
      ASSERT_EQ(at(next, 32 + i, 63), at(now, 32 + i + 4, 63));
      // Left edge runs up, right edge down.
      ASSERT_EQ(at(next, 32, 32 + i), at(now, 32, 32 + i + 4));
      ASSERT_EQ(at(next, 95, 32 + i + 4), at(now, 95, 32 + i));
    }
  }
}

TEST(Ants, PatternIsEightWhiteThenEightBlackFromTheStatedOffsets) {
  const OverlayView v = withSelection(4);
  // Top edge reads the pattern from 15 - 4 = 11: positions 11..15 are black,
  // then white from 16.
  EXPECT_EQ(at(v, 33, 32), rgb(0, 0, 0));
  EXPECT_EQ(at(v, 37, 32), rgb(255, 255, 255));
  // Bottom edge from 4: white up to 7, black from 8.
  EXPECT_EQ(at(v, 35, 63), rgb(255, 255, 255));
  EXPECT_EQ(at(v, 36, 63), rgb(0, 0, 0));
  // The corners belong to the vertical edges, drawn last.
  EXPECT_EQ(at(v, 32, 32), rgb(255, 255, 255));  // left edge, pattern 4
  EXPECT_EQ(at(v, 95, 32), rgb(0, 0, 0));        // right edge, pattern 11
}

TEST(Ants, LieOverTheGrids) {
  OverlayView v = withSelection(0);
  v.pixelGrid = v.charGrid = true;
  // (41, 32) is a grey dot of a char-grid row and lies on the top edge at
  // pattern 15 + 9 = 24, the start of a black dash.
  EXPECT_EQ(at(v, 41, 32), rgb(0, 0, 0));
}

TEST(Clipping, AnyRectangleDrawsExactlyWhatTheWholeImageDrawsThere) {
  OverlayView v = grids(8, 1);
  v.antsVisible = true;
  v.antsOutline = {8 * 8 * 3, 8 * 5, 8 * 8 * 7, 8 * 9};
  v.antsPhase = 8;
  const ScreenRect whole{0, 0, 256 * 8, 192 * 8};
  const RgbImage full = render(v, whole);
  std::mt19937 rng(7);
  for (int n = 0; n < 200; ++n) {
    const int x = int(rng() % 2100) - 20, y = int(rng() % 1560) - 20;
    const ScreenRect r{x, y, 1 + int(rng() % 90), 1 + int(rng() % 90)};
    const RgbImage part = render(v, r);
    for (int yy = 0; yy < r.height; ++yy)
      for (int xx = 0; xx < r.width; ++xx) {
        const int fx = r.x + xx, fy = r.y + yy;
        const bool inside = fx >= 0 && fy >= 0 && fx < whole.width && fy < whole.height;
        ASSERT_EQ(part.at(xx, yy), inside ? full.at(fx, fy) : kPicture) << fx << "," << fy;
      }
  }
}

}  // namespace
}  // namespace cs

namespace cs {
namespace {

// The line painter against the segments: the same pixels for any area at
// every zoom level and cell height, with either grid or both.
TEST(EditorRows, PaintTheSamePixelsAsThePictureUnderItsSegments) {
  static const OverlayPatterns patterns = MakeOverlayPatterns();
  std::mt19937 rng(3);
  RgbImage composite(512, 384);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) composite.set(x, y, rgb(int(rng() % 256), x, y));
  std::vector<Rgb> scratch;
  for (int level = 1; level <= 4; ++level)
    for (int h : {8, 4, 2, 1})
      for (int grids = 1; grids < 4; ++grids) {
        OverlayView v;
        v.scale = 4 * level;
        v.cellHeight = h;
        v.pixelGrid = grids & 1;
        v.charGrid = grids & 2;
        const int w = 256 * v.scale, hh = 192 * v.scale;
        // A small area anywhere, and a strip across the whole width.
        const int x = int(rng() % unsigned(w - 200)), y = int(rng() % unsigned(hh - 150));
        for (const ScreenRect area : {ScreenRect{x, y, 1 + int(rng() % 199), 1 + int(rng() % 149)},
                                      ScreenRect{0, y, w, 2 * v.scale + 3}}) {
          RgbImage want(area.width, area.height);
          for (int j = 0; j < area.height; ++j)
            for (int i = 0; i < area.width; ++i)
              want.set(i, j, composite.at((area.x + i) / v.scale, (area.y + j) / v.scale));
          std::vector<Segment> segs;
          CollectEditorOverlays(v, area, segs);
          DrawSegments(want, area.x, area.y, segs, patterns);
          RgbImage got(area.width, area.height);
          RenderEditorArea(composite, v, area, got.data(), area.width, scratch);
          ASSERT_TRUE(std::equal(got.data(), got.data() + area.width * area.height, want.data()))
              << "zoom " << level << " cell height " << h << " grids " << grids;
        }
      }
}

}  // namespace
}  // namespace cs
