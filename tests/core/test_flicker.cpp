// The flicker score on pictures whose answer is known, the balancing's
// promises, the screen and interlace frames, the gallery's palettes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "colour/flicker.h"
#include "colour/flicker_search.h"
#include "colour/flicker_sums.h"
#include "edit/painting.h"
#include "formats/formats.h"
#include "photo/image_import.h"
#include "render/gallery_palette.h"
#include "render/screen_views.h"
#include "tests/core/format_test_util.h"
#include "tests/core/png_reader.h"

namespace cs {
namespace {

using testing::TestData;

// Enough tries of blocks to run that part of the search, few enough to be quick.
constexpr long kFewKicks = 2000;

// Every cell INK white on screen 0, black on screen 1; pixels all clear.
Picture flatPair(int cellHeight) {
  Picture pic;
  pic.vertSize = uint8_t(cellHeight);
  for (int i = 0; i < kAttrPlaneSize; i += 2) pic.attrs(0)[i] = 14;
  return pic;
}

// A pixel's flicker as the risk map shows it, in grey levels.
int riskAt(const Picture& pic, int x, int y) {
  RgbImage img(256, 192);
  DrawFlickerRisk(pic, img);
  return red(img.at(x, y));
}

RgbImage mixOf(const Picture& pic) {
  ComposedImages out;
  ComposePicture(pic, ColourTables{}, out);
  return out.composite;
}

// Images of one size, pixel for pixel.
bool sameImage(const RgbImage& a, const RgbImage& b) {
  return std::equal(a.data(), a.data() + a.width() * a.height(), b.data());
}

TEST(FlickerScore, FlatPairCheckerboardAndPictureEdge) {
  Picture flat = flatPair(8);
  EXPECT_NEAR(FlickerScore(flat), 254.0, 1e-3);
  EXPECT_EQ(riskAt(flat, 0, 0), 254);

  // Neighbours differ in opposite directions (screen 0 white on clear bits,
  // screen 1 on set ones): whole boxes cancel; only the corner boxes, 9
  // pixels on each side, keep one pixel's worth.
  Picture checker = flatPair(8);
  for (int i = 0; i < kAttrPlaneSize; i += 2) checker.attrs(1)[i + 1] = 14;
  for (int i = 0; i < kPixelPlaneSize; ++i) checker.pixels(0)[i] = checker.pixels(1)[i] = i % 2 ? 0xAA : 0x55;
  EXPECT_LT(FlickerScore(checker), 0.1);
  EXPECT_EQ(riskAt(checker, 100, 100), 0);
  EXPECT_EQ(riskAt(checker, 255, 191), 3);  // 254 / 81

  // A flat pair in column 0 only: the box is clipped at the picture's edge.
  Picture edge;
  edge.vertSize = 8;
  for (int y = 0; y < 192; ++y) edge.attrs(0)[attrIndex(0, y)] = 14;
  for (const auto& [x, grey] : {std::pair{0, 254}, {8, 127}, {16, 0}}) EXPECT_EQ(riskAt(edge, x, 100), grey);
  double columns = 0;  // each pixel column's share of the strip in its box
  for (int x = 0; x < 16; ++x) columns += x < 8 ? 8.0 / (x + 8) : (16.0 - x) / 16;
  EXPECT_NEAR(FlickerScore(edge), 254.0 * columns / 256, 1e-3);
}

// The vector path must give the plain path's score to the last bit: on
// random pictures at every cell height, with damaged indices, and on flat
// pairs either way round, whose boxes reach the largest sums.
TEST(FlickerScore, VectorPathEqualsThePlainOne) {
  for (int h : {8, 4, 2, 1}) {
    Picture pic = testing::RandomPicture(40u + unsigned(h), h);
    for (int i = 0; i < kAttrPlaneSize; i += 97) pic.attrs(1)[i] = uint8_t(15 + i % 241);
    EXPECT_EQ(FlickerScore(pic), PlainFlickerScore(pic)) << h;
    Picture flat = flatPair(h);
    EXPECT_EQ(FlickerScore(flat), PlainFlickerScore(flat));
    std::swap_ranges(flat.attrs(0), flat.attrs(0) + kAttrPlaneSize, flat.attrs(1));
    EXPECT_EQ(FlickerScore(flat), PlainFlickerScore(flat));
    EXPECT_EQ(FlickerScore(flat), 254.0);
  }
}

// Both paths of the choice pick the same cells, whatever the sums and
// whichever cells may take part, and make the same exchanges.
TEST(FlickerBalance, BothPathsChooseAndExchangeAlike) {
  const auto bytes = std::make_unique<ByteSums>();
  const auto allowed = std::make_unique<LineMasks>();
  const auto vector = std::make_unique<LineMasks>(), plain = std::make_unique<LineMasks>();
  for (int h : {8, 4, 2, 1}) {
    const Picture pic = testing::RandomPicture(60u + unsigned(h), h);
    SumFlicker(pic, bytes.get());
    for (int c = 0; c < kColumns; ++c)
      for (int y = 0; y < kLines; ++y)
        (*allowed)[std::size_t(c)][std::size_t(y)] = (c + y / cellLines(h, c)) % 5 ? -1 : 0;
    EXPECT_EQ(ChooseExchanges(*bytes, h, *allowed, *vector),
              ChooseExchangesPlain(*bytes, h, *allowed, *plain));
    EXPECT_TRUE(*vector == *plain) << h;
    Picture a = pic, b = pic;
    ExchangeScreens(a, *vector);
    ExchangeScreensPlain(b, *vector);
    EXPECT_TRUE(testing::SamePicture(a, b) && !testing::SamePicture(a, pic)) << h;
  }
}

TEST(FlickerBalance, KeepsTheMixLowersTheScoreAndTouchesOnlyTheBlock) {
  const MixTable mix = ComputeMixTable();
  for (int a = 0; a < 16; ++a)
    for (int b = 0; b < 16; ++b) ASSERT_EQ(mix.at(uint8_t(a), uint8_t(b)), mix.at(uint8_t(b), uint8_t(a)));

  for (int h : {8, 4, 2, 1}) {
    Picture pic = testing::CoupledRandomPicture(7u + unsigned(h), h);
    const RgbImage shown = mixOf(pic);
    const BalanceResult r = BalanceFlicker(pic, mix, WholePicture(pic), kFewKicks);
    EXPECT_TRUE(sameImage(mixOf(pic), shown)) << h;
    EXPECT_TRUE(r.scoreAfter <= r.scoreBefore && r.scoreAfter == FlickerScore(pic));

    Picture flat = flatPair(h);
    const BalanceResult f = BalanceFlicker(flat, mix, WholePicture(flat), kFewKicks);
    EXPECT_LT(f.scoreAfter, 0.05 * f.scoreBefore) << h;
    EXPECT_TRUE(sameImage(mixOf(flat), mixOf(flatPair(h))));
  }

  // A block at 8x8: the cells outside keep every byte of every line.
  Picture block = flatPair(8);
  BalanceFlicker(block, mix, CellBlock{4, 2, 8, 5}, kFewKicks);
  const Picture flat = flatPair(8);
  int swappedInside = 0;
  for (int c = 0; c < 32; ++c)
    for (int y = 0; y < 192; ++y) {
      const bool inside = c >= 4 && c < 12 && y >= 16 && y < 56;
      const bool same = block.attrs(0)[attrIndex(c, y)] == flat.attrs(0)[attrIndex(c, y)];
      EXPECT_TRUE(inside || same) << c << "," << y;
      swappedInside += inside && !same;
    }
  EXPECT_GT(swappedInside, 0);

  // At 8x1 the outer columns swap whole 8-line cells, and only when the
  // block holds all eight lines; the inner ones swap single lines.
  Picture tall = flatPair(1);
  BalanceFlicker(tall, mix, CellBlock{0, 4, 32, 20}, kFewKicks);  // lines 4 ... 23
  for (int c : {0, 7, 24, 31}) {
    for (int y = 0; y < 8; ++y) EXPECT_EQ(tall.attrs(0)[attrIndex(c, y)], 14);
    for (int y = 9; y < 16; ++y) EXPECT_EQ(tall.attrs(0)[attrIndex(c, y)], tall.attrs(0)[attrIndex(c, 8)]);
  }
  bool singleLines = false;
  for (int c = 8; c < 24; ++c)
    for (int y = 5; y < 24; ++y)
      singleLines |= tall.attrs(0)[attrIndex(c, y)] != tall.attrs(0)[attrIndex(c, y - 1)];
  EXPECT_TRUE(singleLines);
}

// `pic` with one cell's screens exchanged.
Picture exchangedCell(const Picture& pic, int column, int top, int lines) {
  const auto one = std::make_unique<LineMasks>();
  std::fill_n((*one)[std::size_t(column)].begin() + top, lines, int16_t(-1));
  Picture out = pic;
  ExchangeScreens(out, *one);
  return out;
}

// The search's change for exchanging a cell is the exact score's, on both
// paths alike; balancing ends where no single exchange lowers the score.
TEST(FlickerBalance, EndsWhereNoSingleExchangeLowersTheExactScore) {
  const auto all = std::make_unique<LineMasks>();
  for (auto& column : *all) column.fill(-1);
  for (int h : {8, 4, 2, 1}) {
    Picture pic = testing::RandomPicture(80u + unsigned(h), h);
    const std::vector<SearchCell> cells = CellsToSearch(h, *all);
    FlickerSearch vector(pic), plain(pic);
    plain.usePlainPath();
    for (std::size_t i = 0; i < cells.size(); i += 37) {
      const SearchCell& c = cells[i];
      ASSERT_EQ(vector.change(c), plain.change(c)) << h << ": " << i;
      EXPECT_NEAR(vector.change(c) / (kWidth * kLines),
                  FlickerScore(exchangedCell(pic, c.column, c.top, c.lines)) - FlickerScore(pic), 1e-9);
    }
    const double after = BalanceFlicker(pic, ComputeMixTable(), WholePicture(pic), kFewKicks).scoreAfter;
    ASSERT_EQ(after, FlickerScore(pic));
    for (std::size_t i = 0; i < cells.size(); i += 3)  // a third of the cells, spread out
      ASSERT_GE(FlickerScore(exchangedCell(pic, cells[i].column, cells[i].top, cells[i].lines)), after - 1e-9)
          << "cell height " << h << ", cell " << i;
  }
}

// Low-flicker painting: after a stroke or a shape only cells it touched
// exchange, the mix stays pixel for pixel and the score goes down.
TEST(FlickerBalance, AfterPaintingOnlyTheTouchedCellsExchange) {
  struct : PaintSink {
    void redrawCell(int, int, int) override {}
    void showPaintedPoint(const PointInfo&) override {}
  } sink;
  for (int h : {8, 1})
    for (bool shape : {false, true}) {
      EditorState s;
      s.picture.vertSize = uint8_t(h);
      s.colours = {14, 0, 0, 14, 0, 0, 0};  // mix 0: white on screen 0, black on screen 1
      const Picture before = s.picture;
      const int k = s.view.pixelScale();
      shape ? DrawPenRect(s, sink, 10 * k, 20 * k, 200 * k, 150 * k)
            : DrawPenLine(s, sink, 3 * k, 100 * k, 250 * k, 110 * k);
      const Picture painted = s.picture;
      const std::vector<ExchangedCell> exchanged = BalanceTouchedCells(s.picture, before, ComputeMixTable());
      ASSERT_FALSE(exchanged.empty()) << h << shape;
      EXPECT_TRUE(sameImage(mixOf(s.picture), mixOf(painted)));
      EXPECT_LT(FlickerScore(s.picture), FlickerScore(painted));
      // Exchanging back the cells named gives what was painted; each was
      // painted (its colours set).
      Picture back = s.picture;
      for (const ExchangedCell& c : exchanged) {
        back = exchangedCell(back, c.column, c.top, c.lines);
        EXPECT_NE(painted.attrs(0)[attrIndex(c.column, c.top)], before.attrs(0)[attrIndex(c.column, c.top)]);
      }
      EXPECT_TRUE(testing::SamePicture(back, painted)) << h << shape;
    }
}

TEST(FlickerBalance, PhotographsFlickerEightyEightPercentLessAndLookTheSame) {
  const MixTable mix = ComputeMixTable();
  for (int h : {8, 1}) {
    double before = 0, after = 0;
#ifdef CHROMASMITH_SANITIZED
    // The memory checks need one photograph; the figure needs all five.
    for (const char* name : {"chelsea"}) {
#else
    for (const char* name : {"astronaut", "chelsea", "coffee", "hubble_deep_field", "rocket"}) {
#endif
      const auto photo = testing::ReadPng(TestData(std::string("photos/") + name + ".png"));
      Picture pic;
      ASSERT_TRUE(photo && ImportImage(*photo, {h, Dither::None, 100, FitMode::Cover}, pic));
      const RgbImage shown = mixOf(pic);
      const BalanceResult r = BalanceFlicker(pic, mix, WholePicture(pic));
      EXPECT_TRUE(sameImage(mixOf(pic), shown)) << name;
      before += r.scoreBefore;
      after += r.scoreAfter;
    }
    EXPECT_LE(after, 0.12 * before) << "cell height " << h << ": " << before << " -> " << after;
  }
}

TEST(ScreenViews, ScreenInterlaceAndFlickerFramesFollowTheScreens) {
  Picture pic = testing::CoupledRandomPicture(3, 2);
  ComposedImages mixed;
  ComposePicture(pic, ColourTables{}, mixed);
  ScreenViews views;
  for (ViewMode m : {ViewMode::Screen0, ViewMode::Screen1, ViewMode::Flicker, ViewMode::Interlace}) {
    views.compose(pic, m, ColourTables{});
    for (int k = 0; k < views.frameCount(); ++k) {
      const int first = m == ViewMode::Screen1 ? 1 : m == ViewMode::Screen0 ? 0 : k;
      for (int y = 0; y < 192; ++y) {
        const RgbImage& screen =
            (m == ViewMode::Interlace ? (y + k) % 2 : first) ? mixed.screen1 : mixed.screen0;
        ASSERT_TRUE(std::equal(screen.row(y), screen.row(y) + 256, views.frame(k).composite.row(y)))
            << int(m);
        ASSERT_EQ(views.frame(k).preview.at(511, 2 * y + 1), screen.at(255, y));
      }
      EXPECT_EQ(views.border(k), screenBorder(ColourTables{}, first ? pic.borderIndex1 : pic.borderIndex0));
    }
  }
  // A pen point reaches every interlaced frame like a full composition.
  pic.planes[pixelIndex(9, 4)] ^= 0xFF;
  pic.planes[kPixelPlaneSize + pixelIndex(9, 5)] ^= 0x0F;
  EXPECT_EQ(views.composeCell(pic, 9, 2), (CellRect{72, 4, 8, 2}));
  ScreenViews whole;
  whole.compose(pic, ViewMode::Interlace, ColourTables{});
  for (int k = 0; k < 2; ++k) EXPECT_TRUE(sameImage(views.frame(k).composite, whole.frame(k).composite));
}

TEST(GalleryPalette, ExportEqualsTheGallerysRender) {
  EXPECT_TRUE(viewPaletteByName("pulsar") == ViewPalette::Pulsar && !viewPaletteByName("PULSAR"));
  Picture pic;
  ASSERT_FALSE(ImportScreenFile(TestData("zx-image/example.img"), false, false, pic));
  for (const auto& [palette, png] :
       {std::pair{ViewPalette::Srgb, "zx-image/expected/gigascreen.png"},
        std::pair{ViewPalette::Pulsar, "zx-image/expected/gigascreen-pulsar.png"},
        std::pair{ViewPalette::Electroscale, "zx-image/expected/gigascreen-electroscale.png"}}) {
    ComposedImages out;
    ComposePicture(pic, ViewPaletteTables(palette), out);
    const auto expected = testing::ReadPng(TestData(png));
    EXPECT_TRUE(expected && sameImage(BuildPngImage(out.composite, 0, 0, 1), *expected)) << png;
  }
}

}  // namespace
}  // namespace cs
