#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "colour/palette_actions.h"
#include "edit/ellipse.h"
#include "edit/flood_fill.h"
#include "edit/patterns.h"
#include "edit/pixel_mask.h"
#include "tests/core/painting_fixture.h"

namespace cs {
namespace {

// A picture of a few colours in random cells over random pixels, so that
// regions are large, wind around holes and cross cell borders.
Picture BlotchyPicture(int cellHeight, unsigned seed) {
  std::mt19937 rng(seed);
  Picture pic;
  pic.vertSize = uint8_t(cellHeight);
  for (int c = 0; c < kColumns; ++c)
    for (int l = 0; l < kLines; ++l) {
      pic.setCellColours(c, l, {uint8_t(rng() % 3), uint8_t(rng() % 3), uint8_t(rng() % 2), uint8_t(rng() % 2)});
      for (int s = 0; s < 2; ++s) pic.pixels(s)[pixelIndex(c, l)] = uint8_t(rng() & rng() & rng());
    }
  return pic;
}

// The region by a plain breadth-first search over shown colours.
PixelMask ReferenceRegion(const Picture& pic, const MixTable& mix, int x0, int y0) {
  PixelMask seen;
  const Rgb want = ShownColour(pic, mix, x0, y0);
  std::deque<PixelXY> queue{{x0, y0}};
  seen.set(x0, y0);
  while (!queue.empty()) {
    const PixelXY p = queue.front();
    queue.pop_front();
    for (const PixelXY d : {PixelXY{1, 0}, PixelXY{-1, 0}, PixelXY{0, 1}, PixelXY{0, -1}}) {
      const int x = p.x + d.x, y = p.y + d.y;
      if (x < 0 || y < 0 || x >= kWidth || y >= kLines || seen.test(x, y)) continue;
      if (!(ShownColour(pic, mix, x, y) == want)) continue;
      seen.set(x, y);
      queue.push_back({x, y});
    }
  }
  return seen;
}

struct Fills : Painting {
  MixTable mix = ComputeMixTable();
  PaintContext context{&mix};

  void release() { EditorRelease(s, sink, context); }
  void fillAt(int x, int y) {
    click(x, y);
    release();
  }
  // What the point rule gives painting each pixel of `region` in the mix
  // `mixOf` chooses for it.
  Picture expected(const Picture& before, const PixelMask& region, const std::function<int(int, int)>& mixOf) {
    EditorState ref;
    ref.picture = before;
    ref.colours = s.colours;
    ref.pixModeOn = s.pixModeOn;
    ref.rgbModeOn = s.rgbModeOn;
    ref.curInstrument = Instrument::Fill;
    RecordingSink rec;
    for (int y = 0; y < kLines; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (region.test(x, y)) {
          ChooseMix(ref, mixOf(x, y));
          ref.penMemo.clear();
          PaintPicturePoint(ref, rec, x, y);
        }
    return ref.picture;
  }
};

TEST_F(Fills, RegionsMatchAPlainSearchAtEveryCellHeight) {
  for (int h : {8, 4, 2, 1})
    for (unsigned seed = 1; seed <= 6; ++seed) {
      const Picture pic = BlotchyPicture(h, seed * 31 + unsigned(h));
      std::mt19937 rng(seed);
      for (int i = 0; i < 8; ++i) {
        // Corners and edges as well as random points.
        const int x = i == 0 ? 0 : i == 1 ? kWidth - 1 : int(rng() % kWidth);
        const int y = i == 0 ? 0 : i == 1 ? kLines - 1 : int(rng() % kLines);
        ASSERT_EQ(FillRegion(pic, mix, x, y), ReferenceRegion(pic, mix, x, y))
            << "height " << h << " seed " << seed << " at " << x << "," << y;
      }
    }
}

TEST_F(Fills, AWholePictureRegionAndARegionAroundAHole) {
  Picture pic;
  EXPECT_EQ(FillRegion(pic, mix, 100, 100).count(), kWidth * kLines);
  // A ring of another colour: the fill inside stays inside, the one outside
  // goes round it and leaves the inside alone.
  for (int a = 0; a < 360; ++a) {
    const int x = 128 + int(30 * std::cos(a * M_PI / 180)), y = 96 + int(30 * std::sin(a * M_PI / 180));
    for (int d = 0; d < 2; ++d) pic.setPixel(0, x + d, y, true), pic.setPixel(0, x, y + d, true);
  }
  pic.setCellColours(0, 0, {0, 7, 0, 0});
  for (int c = 0; c < kColumns; ++c)
    for (int l = 0; l < kLines; ++l) pic.setCellColours(c, l, {0, 7, 0, 0});
  const PixelMask inside = FillRegion(pic, mix, 128, 96), outside = FillRegion(pic, mix, 0, 0);
  EXPECT_EQ(inside, ReferenceRegion(pic, mix, 128, 96));
  EXPECT_EQ(outside, ReferenceRegion(pic, mix, 0, 0));
  EXPECT_FALSE(outside.test(128, 96));
  EXPECT_LT(inside.count(), 3000);
}

TEST_F(Fills, PlainPatternAndGradientFillsPaintAsThePointRule) {
  SetInstrument(s, Instrument::Fill);
  for (int h : {8, 1}) {
    for (int kind = 0; kind < 3; ++kind) {
      s.picture = BlotchyPicture(h, 7u + unsigned(kind));
      ChooseMix(s, 2);
      s.shapes.pattern = kind == 1 ? 5 : kSolidPattern;
      s.shapes.secondMix = 1;
      const Picture before = s.picture;
      const PixelMask region = ReferenceRegion(before, mix, 3, 5);
      click(3, 5);
      if (kind == 2) drag(40, 25);  // a gradient from (3, 5) to (40, 25)
      release();
      const auto mixOf = [&](int x, int y) {
        if (kind == 1) return (PatternRow(5, y) >> (7 - x % 8)) & 1 ? 2 : 1;
        if (kind == 0) return 2;
        const double vx = 37, vy = 20;
        const double t = std::clamp(((x - 3) * vx + (y - 5) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
        return t > (Bayer(x, y) + 0.5) / 64 ? 1 : 2;
      };
      EXPECT_EQ(s.picture.planes, expected(before, region, mixOf).planes) << "height " << h << " kind " << kind;
      SwapUndoSnapshot(s);
      EXPECT_EQ(s.picture.planes, before.planes);
    }
  }
}

TEST_F(Fills, ARegionAlreadyInTheCurrentMixIsLeftAlone) {
  SetInstrument(s, Instrument::Fill);
  ChooseMix(s, 0);
  s.picture.setCellColours(3, 0, {1, 4, 7, 10});  // the current colours
  s.picture.setCellColours(4, 0, {2, 2, 2, 2});   // a neighbour that a fill would recolour
  s.undo.planes.fill(0x5A);
  const Picture before = s.picture;
  fillAt(25, 3);
  EXPECT_EQ(s.picture.planes, before.planes);
  EXPECT_EQ(s.undo.planes[0], 0x5A);  // no snapshot taken
  EXPECT_EQ(s.penMemo.column, -1);
}

TEST_F(Fills, FilledShapesPaintTheirInsideInThePatternAndTheOutlineSolid) {
  ChooseMix(s, 3);
  s.shapes.filled = true;
  s.shapes.pattern = 5;  // the checker
  s.shapes.secondMix = 0;
  SetInstrument(s, Instrument::Rect);
  click(10, 20);
  click(30, 40);
  for (int y = 20; y <= 40; ++y)
    for (int x = 10; x <= 30; ++x) {
      const bool edge = x == 10 || x == 30 || y == 20 || y == 40;
      const bool on = edge || ((PatternRow(5, y) >> (7 - x % 8)) & 1);
      ASSERT_EQ(bits(x, y, 0), on) << x << "," << y;
    }
  EXPECT_FALSE(bits(9, 20, 0));
  EXPECT_EQ(EditorRelease(s, sink, {}).stepName, std::string("Filled rectangle"));

  s.picture = {};
  s.picture.vertSize = 8;
  s.shapes.pattern = kSolidPattern;
  SetInstrument(s, Instrument::Ellipse);
  click(100, 50);
  click(160, 90);
  const std::vector<PixelXY> outline = EllipseOutline(100, 50, 160, 90);
  for (int y = 50; y <= 90; ++y) {
    int lo = kWidth, hi = -1;
    for (const PixelXY& p : outline)
      if (p.y == y) lo = std::min(lo, p.x), hi = std::max(hi, p.x);
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(bits(x, y, 1), x >= lo && x <= hi) << x << "," << y;
  }
}

// The pixels set on screen 0, as a mask.
PixelMask SetPixels(const Picture& pic) {
  PixelMask m;
  for (int y = 0; y < kLines; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (pic.pixel(0, x, y)) m.set(x, y);
  return m;
}

TEST_F(Fills, MirrorsRepeatEveryInstrumentsPointsButNotFills) {
  const auto draw = [&](Instrument ins, bool mirrors) {
    EditorState fresh;
    fresh.picture.vertSize = 8;
    fresh.rgbModeOn = false;
    ChooseMix(fresh, 3);
    fresh.shapes.mirrorLeftRight = fresh.shapes.mirrorTopBottom = mirrors;
    s = fresh;
    SetInstrument(s, ins);
    click(10, 12);
    if (ins == Instrument::Paint || ins == Instrument::FillChar) {
      drag(40, 30);
      click(70, 20, true);  // the Shift-line
    } else if (ins == Instrument::Fill) {
      EditorRelease(s, sink, context);
    } else {
      click(60, 50);
    }
    return SetPixels(s.picture);
  };
  for (Instrument ins : {Instrument::Paint, Instrument::FillChar, Instrument::Line, Instrument::Rect,
                         Instrument::Ellipse, Instrument::Fill}) {
    const PixelMask plain = draw(ins, false), mirrored = draw(ins, true);
    PixelMask want = plain;
    if (ins != Instrument::Fill)
      for (const PixelMask& m : {Mirrored(plain, true, false), Mirrored(plain, false, true), Mirrored(plain, true, true)})
        for (int y = 0; y < kLines; ++y)
          for (size_t i = 0; i < 4; ++i) want.rows[size_t(y)].w[i] |= m.rows[size_t(y)].w[i];
    EXPECT_EQ(mirrored, want) << int(ins);
    EXPECT_EQ(s.penMemo.column, -1) << int(ins);  // a shape or fill leaves no memo
  }
}

TEST(Patterns, DitherLevelsHoldTheirShareOfBits) {
  const int sixteenths[] = {1, 2, 4, 6, 8, 10, 12, 14, 15};
  for (int i = 0; i < 9; ++i) {
    int n = 0;
    for (uint8_t row : Patterns()[size_t(i + 1)].rows) n += std::popcount(row);
    EXPECT_EQ(n, 4 * sixteenths[i]) << Patterns()[size_t(i + 1)].name;
  }
  EXPECT_EQ(Patterns()[5].rows[0], 0xAA);  // the checker
  EXPECT_EQ(Patterns()[5].rows[1], 0x55);
}

}  // namespace
}  // namespace cs
