#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "model/picture.h"
#include "render/compose.h"
#include "render/compose_kernels.h"

namespace cs {
namespace {

// Independent expectation: ZX colour levels per index and the six mixed levels.
int level(int index, int channelBit) {
  if (index <= 0 || index > 14) return 0;
  const int z = (index + 1) / 2;
  if (!(z & channelBit)) return 0;
  return index % 2 == 0 ? 254 : 202;
}
int mixed(int a, int b) {
  if (a == b) return a;
  const int lo = std::min(a, b), hi = std::max(a, b);
  if (lo == 0) return hi == 202 ? 115 : 157;
  return 230;
}
Rgb single(int index) { return rgb(level(index, 2), level(index, 4), level(index, 1)); }
Rgb mix(int c0, int c1) {
  return rgb(mixed(level(c0, 2), level(c1, 2)), mixed(level(c0, 4), level(c1, 4)),
             mixed(level(c0, 1), level(c1, 1)));
}

// Reads the planes the way a Spectrum would, without the Picture helpers.
int shownIndex(const Picture& pic, int s, int x, int y) {
  const int c = x / 8;
  int a;
  if (pic.vertSize == 1 && (c < 8 || c > 23))
    a = y - y % 8;
  else
    a = y - y % pic.vertSize;
  const bool bit = (pic.planes[size_t(s * 6144 + c * 192 + y)] >> (7 - x % 8)) & 1;
  return pic.planes[size_t(12288 + s * 12288 + c * 384 + a * 2 + (bit ? 1 : 0))];
}

Picture randomPicture(int height, unsigned seed) {
  Picture pic;
  pic.vertSize = uint8_t(height);
  std::mt19937 rng(seed);
  for (auto& b : pic.planes) b = uint8_t(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  return pic;
}

class ComposeAtHeight : public ::testing::TestWithParam<int> {};

TEST_P(ComposeAtHeight, EveryPixelOfEveryImageMatchesTheIndependentReading) {
  const Picture pic = randomPicture(GetParam(), 42u + unsigned(GetParam()));
  ColourTables t;
  ComposedImages out;
  ComposePicture(pic, t, out);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const int c0 = shownIndex(pic, 0, x, y), c1 = shownIndex(pic, 1, x, y);
      const Rgb m = mix(c0, c1);
      ASSERT_EQ(out.composite.at(x, y), m) << x << "," << y;
      ASSERT_EQ(out.preview.at(2 * x, 2 * y), m);
      ASSERT_EQ(out.preview.at(2 * x + 1, 2 * y), m);
      ASSERT_EQ(out.preview.at(2 * x, 2 * y + 1), m);
      ASSERT_EQ(out.preview.at(2 * x + 1, 2 * y + 1), m);
      ASSERT_EQ(out.screen0.at(x, y), single(c0));
      ASSERT_EQ(out.screen1.at(x, y), single(c1));
    }
}

INSTANTIATE_TEST_SUITE_P(AllHeights, ComposeAtHeight, ::testing::Values(8, 4, 2, 1));

TEST(Compose, SmallGridExample) {
  // Column 0, line 0: screen 0 pixels 1010 0000, screen 1 pixels 1100 0000.
  Picture pic;
  pic.vertSize = 8;
  pic.pixels(0)[0] = 0xA0;
  pic.pixels(1)[0] = 0xC0;
  pic.setCellColours(0, 0, {1, 4, 0, 13});  // INK0 blue, PAP0 bright red, INK1 black, PAP1 white
  ColourTables t;
  ComposedImages out;
  ComposePicture(pic, t, out);
  const Rgb pp = rgb(230, 115, 115);  // bright red + white
  const Rgb ip = rgb(115, 115, 202);  // blue + white
  const Rgb pi = rgb(157, 0, 0);      // bright red + black
  const Rgb ii = rgb(0, 0, 115);      // blue + black
  const Rgb row[8] = {pp, ip, pi, ii, ii, ii, ii, ii};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(out.composite.at(x, 0), row[x]) << x;
  for (int x = 0; x < 8; ++x) EXPECT_EQ(out.composite.at(x, 1), ii) << x;
}

TEST(ComposeCell, MatchesAFullRecompositionAndTouchesNothingElse) {
  for (int h : {8, 4, 2, 1}) {
    Picture pic = randomPicture(h, 7u + unsigned(h));
    ColourTables t;
    ComposedImages before;
    ComposePicture(pic, t, before);
    ComposedImages out = before;

    const int column = (h == 1) ? 2 : 12;  // an outer column at height 1
    const int cellRow = (h == 1) ? 13 : 3;
    const CellRect r = cellRectOf(h, column, cellRow);
    for (int y = r.y; y < r.y + r.height; ++y) {
      pic.pixels(0)[pixelIndex(column, y)] ^= 0x5A;
      pic.pixels(1)[pixelIndex(column, y)] ^= 0x33;
    }
    pic.setCellColours(column, r.y, {3, 4, 5, 6});

    EXPECT_EQ(ComposeCell(pic, t, out, column, cellRow), r);
    ComposedImages full;
    ComposePicture(pic, t, full);
    for (int y = 0; y < 192; ++y)
      for (int x = 0; x < 256; ++x) {
        const bool inside = x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
        const Rgb want = inside ? full.composite.at(x, y) : before.composite.at(x, y);
        ASSERT_EQ(out.composite.at(x, y), want) << h << ": " << x << "," << y;
        ASSERT_EQ(out.preview.at(2 * x + 1, 2 * y + 1), want);
      }
    EXPECT_EQ(out.screen0.at(r.x, r.y), before.screen0.at(r.x, r.y)) << "single screens wait";
  }
}

TEST(ComposeCell, OuterCellAtHeightOneIsEightLinesHigh) {
  EXPECT_EQ(cellRectOf(1, 0, 13), (CellRect{0, 8, 8, 8}));
  EXPECT_EQ(cellRectOf(1, 8, 13), (CellRect{64, 13, 8, 1}));
  EXPECT_EQ(cellRectOf(4, 31, 47), (CellRect{248, 188, 8, 4}));
}

TEST(ComposeDamaged, IndicesAboveFourteenShowBlackWithoutReadingOutside) {
  Picture pic;
  pic.vertSize = 8;
  pic.pixels(0)[0] = 0xF0;
  pic.setCellColours(0, 0, {200, 255, 15, 13});
  ColourTables t;
  ComposedImages out;
  ComposePicture(pic, t, out);
  EXPECT_EQ(out.composite.at(0, 0), rgb(0, 0, 0));        // PAP0 255 + INK1 15: both black
  EXPECT_EQ(out.screen0.at(0, 0), rgb(0, 0, 0));
  EXPECT_EQ(out.screen0.at(7, 0), rgb(0, 0, 0));
}

TEST(ComposeDamaged, AnInvalidCellHeightComposesAsEightLineCells) {
  Picture pic = randomPicture(8, 9);
  ColourTables t;
  ComposedImages a, b;
  ComposePicture(pic, t, a);
  pic.vertSize = 0;
  ComposePicture(pic, t, b);
  EXPECT_EQ(0, std::memcmp(a.composite.data(), b.composite.data(), 512 * 384 * 4));
}

// The tests above check whichever kernel this processor runs; the portable
// one must paint the same bytes, damaged indices included.
TEST(ComposeKernels, PortableAndWidePaintTheSameBytes) {
  if (!compose_detail::WideKernelAvailable(ComposedImages{})) GTEST_SKIP() << "no AVX2 here";
  const auto same = [](const RgbImage& a, const RgbImage& b) {
    return std::memcmp(a.data(), b.data(), size_t(a.bytesPerLine()) * size_t(a.height())) == 0;
  };
  ColourTables t;
  for (int h : {8, 4, 2, 1}) {
    Picture pic = randomPicture(h, 100u + unsigned(h));
    pic.attrs(1)[attrIndex(9, 3)] = 0xEE;
    ComposedImages portable, wide;
    compose_detail::ComposePicturePortable(pic, t, portable);
    compose_detail::ComposePictureWide(pic, t, wide);
    EXPECT_TRUE(same(portable.composite, wide.composite)) << h;
    EXPECT_TRUE(same(portable.preview, wide.preview)) << h;
    EXPECT_TRUE(same(portable.screen0, wide.screen0)) << h;
    EXPECT_TRUE(same(portable.screen1, wide.screen1)) << h;
    const CellRect r = cellRectOf(h, 9, 3);
    portable.composite = wide.composite = RgbImage(512, 384);
    portable.preview = wide.preview = RgbImage(512, 384);
    compose_detail::ComposeCellPortable(pic, t, portable, 9, r);
    compose_detail::ComposeCellWide(pic, t, wide, 9, r);
    EXPECT_TRUE(same(portable.composite, wide.composite) && same(portable.preview, wide.preview)) << h;
  }
}

}  // namespace
}  // namespace cs
