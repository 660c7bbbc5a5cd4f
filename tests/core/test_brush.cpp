#include <random>

#include "colour/palette_actions.h"
#include "edit/airbrush.h"
#include "edit/brush.h"
#include "tests/core/painting_fixture.h"

namespace cs {
namespace {

struct Brush : Painting {
  // What the plain pen paints at each {x, y, mix} inside the picture, with
  // the fixture's colours, mirrors and instrument.
  Picture byPointRule(const Picture& before, const std::vector<std::array<int, 3>>& xyMix) {
    EditorState ref = s;
    ref.picture = before;
    ref.brush = {};
    RecordingSink rec;
    for (const auto& [x, y, m] : xyMix)
      if (x >= 0 && y >= 0 && x < kWidth && y < kLines) ChooseMix(ref, m), PaintPicturePoint(ref, rec, x, y);
    return ref.picture;
  }
};

TEST_F(Brush, FootprintsOfEverySizeAndShape) {
  constexpr int kRound[] = {1, 4, 9, 12, 21, 32, 37, 52};  // the square ones fill their block
  for (int n = 1; n <= kMaxBrushSize; ++n)
    for (const bool round : {false, true}) {
      const std::vector<BrushOffset> f = BrushFootprint(n, round);
      EXPECT_EQ(int(f.size()), round ? kRound[n - 1] : n * n) << n;
      int lo = 99, hi = -99;
      for (const BrushOffset o : f) lo = std::min({lo, o.dx, o.dy}), hi = std::max({hi, o.dx, o.dy});
      EXPECT_TRUE(lo == -(n - 1) / 2 && hi == n / 2) << n;  // even sizes reach further right and down
    }
}

TEST_F(Brush, PenPointsAndShapesPaintTheFootprintAtEveryPointByThePointRule) {
  ChooseMix(s, 2);
  const auto widened = [&](const Picture& thin, int size) {
    std::vector<std::array<int, 3>> pixels;
    for (int y = 0; y < kLines; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (thin.pixel(0, x, y))
          for (const BrushOffset o : BrushFootprint(size, true)) pixels.push_back({x + o.dx, y + o.dy, 2});
    return byPointRule({}, pixels).planes;
  };
  s.brush.size = 7;
  s.brush.round = true;
  s.shapes.mirrorLeftRight = true;  // the mirror image is clipped at the right edge
  s.picture = {};
  click(1, 100);
  EXPECT_TRUE(s.lastPoint == at(1, 100) && sink.points.size() == 1);  // the status shows the point
  EXPECT_EQ(s.picture.planes, widened(byPointRule({}, {{1, 100, 2}}), 7));
  EXPECT_EQ(EditorRelease(s, sink, {}).stepName, std::string("Brush"));
  // FillChar keeps to the point's cell: its two points are the thin ones.
  for (const Instrument ins : {Instrument::Line, Instrument::Rect, Instrument::Ellipse, Instrument::FillChar}) {
    const bool brushed = ins != Instrument::FillChar;
    const auto draw = [&](int size) {
      s.picture = {};
      s.brush.size = size;
      s.shapes.mirrorLeftRight = size > 1 && brushed;  // the mirrors repeat the footprint's pixels
      SetInstrument(s, ins);
      click(20, 30);
      click(60, 188);
      s.shapeStarted = false;
      return s.picture;
    };
    const Picture thin = draw(1), thick = draw(4);
    EXPECT_EQ(thick.planes, brushed ? widened(thin, 4) : thin.planes) << int(ins);
  }
}

TEST_F(Brush, AirbrushSpraysTheSeedsPixelsInsideTheDisc) {
  ChooseMix(s, 3);
  SetInstrument(s, Instrument::Airbrush);
  s.brush.airRadius = 6;
  s.brush.airDensity = 30;
  const auto spray = [&](uint64_t seed) {  // the press's spray at (100, 90) and one more
    s.picture = {};
    s.brush.airSeed = seed;
    click(100, 90);
    AirbrushSpray(s, sink, at(100, 90).x, at(100, 90).y);
    return s.picture;
  };
  for (const uint64_t seed : {1u, 7u, 12345u}) {
    const Picture first = spray(seed);
    int n = 0, inDisc = 0;
    for (int y = 0; y < kLines; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (first.pixel(0, x, y)) ++n, inDisc += (x - 100) * (x - 100) + (y - 90) * (y - 90) <= 36;
    EXPECT_TRUE(n > 30 && n <= 60 && inDisc == n) << n;  // 60 pixels into a disc of 113, a few twice
    EXPECT_EQ(spray(seed).planes, first.planes);  // the seed decides
  }
  EXPECT_EQ(EditorRelease(s, sink, {}).stepName, std::string("Airbrush"));
}

TEST_F(Brush, StampsPaintEachPixelInItsMixClippedAtEveryEdge) {
  for (const int cellHeight : {8, 1}) {
    Picture source{.vertSize = uint8_t(cellHeight)};
    std::mt19937 rng{unsigned(cellHeight)};
    for (auto& b : source.planes) b = uint8_t(rng());
    s.picture = source;
    s.selection = {true, false, 3, 5, 2, 3};
    StampFromSelection(s);
    const int w = 16, h = 3 * cellHeight;
    FlipStamp(s.brush, true);
    FlipStamp(s.brush, false);
    for (const int transparent : {-1, 1}) {
      s.brush.transparentMix = transparent;
      for (const auto& [x, y] : {std::pair{0, 0}, {255, 191}, {3, 190}, {250, 2}, {128, 96}}) {
        s.picture = source;
        click(x, y);
        std::vector<std::array<int, 3>> pixels;
        for (int j = 0; j < h; ++j)
          for (int i = 0; i < w; ++i) {
            const int sx = 24 + 15 - i, sy = 5 * cellHeight + h - 1 - j;  // turned by both flips
            const int m = 2 * source.pixel(0, sx, sy) + source.pixel(1, sx, sy);
            if (m != transparent) pixels.push_back({x - w / 2 + i, y - h / 2 + j, m});
          }
        ASSERT_EQ(s.picture.planes, byPointRule(source, pixels).planes) << x << "," << y << " " << cellHeight;
      }
    }
  }
  EXPECT_EQ(EditorRelease(s, sink, {}).stepName, std::string("Stamp"));
}

}  // namespace
}  // namespace cs
