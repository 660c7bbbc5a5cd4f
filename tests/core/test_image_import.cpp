// Converting images into pictures: exactness on what pictures can show, the
// ZX attribute rules on everything converted, the fit to 256 x 192, the
// cancel flag, the PNG reader and the colour-difference measure.
#include <png.h>

#include <atomic>
#include <random>
#include <set>

#include "colour/perceptual.h"
#include "photo/image_import.h"
#include "formats/png_export.h"
#include "formats/image_file.h"
#include "render/compose.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::CoupledRandomPicture;

constexpr Dither kDithers[] = {Dither::None, Dither::Ordered, Dither::Diffusion};

RgbImage composed(const Picture& pic) {
  ComposedImages images;
  ComposePicture(pic, ColourTables{}, images);
  RgbImage out(kWidth, kLines);
  for (int y = 0; y < kLines; ++y)
    for (int x = 0; x < kWidth; ++x) out.set(x, y, images.composite.at(x, y));
  return out;
}

bool sameImage(const RgbImage& a, const RgbImage& b) {
  return a.width() == b.width() && a.height() == b.height() &&
         std::equal(a.data(), a.data() + a.width() * a.height(), b.data());
}

// Soft colour blotches with grain: every cell has many colours, none of
// them a mix.
RgbImage photoLike(unsigned seed) {
  std::mt19937 rng(seed);
  RgbImage img(300, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      const int grain = static_cast<int>(rng() % 25);
      img.set(x, y, rgb((x * 3 / 4 + grain) % 256, (y + x / 3 + grain) % 256, (255 - y + grain) % 256));
    }
  return img;
}

TEST(ImageImport, PicturesMadeOfMixesComeBackExactlyAtEveryCellHeight) {
  // Every height without dithering; each dithering once, at the smallest
  // and at the largest cells, where the search has the fewest and the most
  // pixels.
  const std::pair<int, Dither> runs[] = {{8, Dither::None}, {4, Dither::None},    {2, Dither::None},
                                         {1, Dither::None}, {1, Dither::Ordered}, {8, Dither::Diffusion}};
  for (const auto& [height, dither] : runs) {
    const Picture source = CoupledRandomPicture(static_cast<unsigned>(height), height);
    const RgbImage image = composed(source);
    Picture out;
    ASSERT_TRUE(ImportImage(image, {height, dither, 100, FitMode::Cover}, out));
    EXPECT_EQ(out.vertSize, height);
    EXPECT_TRUE(sameImage(composed(out), image)) << "height " << height << " dither " << int(dither);
  }
}

TEST(ImageImport, EveryCellKeepsTheAttributeRules) {
  const RgbImage image = photoLike(3);
  const std::pair<int, Dither> runs[] = {{8, Dither::None}, {4, Dither::Ordered}, {1, Dither::Diffusion}};
  for (const auto& [height, dither] : runs) {
    Picture out;
    ASSERT_TRUE(ImportImage(image, {height, dither, 80, FitMode::Border}, out));
    for (int screen = 0; screen < 2; ++screen)
      for (int column = 0; column < kColumns; ++column)
        for (int line = 0; line < kLines; ++line) {
          const uint8_t* entry = out.attrs(screen) + attrIndex(column, line);
          const uint8_t ink = entry[0], pap = entry[1];
          ASSERT_LT(ink, 15);
          ASSERT_LT(pap, 15);
          ASSERT_TRUE(ink == 0 || pap == 0 || isBright(ink) == isBright(pap))
              << "BRIGHT differs at screen " << screen << " column " << column << " line " << line;
          // Every line of a cell carries the cell's entry; at height 1 the
          // outer columns' cells are 8 lines high.
          const uint8_t* first =
              out.attrs(screen) + attrIndex(column, cellSpan(height, column, line).firstLine);
          ASSERT_TRUE(entry[0] == first[0] && entry[1] == first[1]) << column << "," << line;
        }
  }
}

TEST(ImageImport, AtHeightOneOnlyTheCentralColumnsFollowEveryLine) {
  // Each line its own exact mix: the central columns show it line by line,
  // the outer columns can show at most four of the eight lines of a cell.
  const std::array<uint8_t, 4> colours{2, 4, 8, 14};
  RgbImage image(kWidth, kLines);
  const MixTable mix = ComputeMixTable();
  for (int y = 0; y < kLines; ++y)
    image.fillRect(0, y, kWidth, 1, mix.at(colours[y % 4], static_cast<uint8_t>(y % 8 < 4 ? 1 : 13)));
  Picture out;
  ASSERT_TRUE(ImportImage(image, {1, Dither::None, 100, FitMode::Cover}, out));
  const RgbImage shown = composed(out);
  int outerWrong = 0;
  for (int y = 0; y < kLines; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (isOuterColumn(x / 8))
        outerWrong += shown.at(x, y) != image.at(x, y);
      else
        ASSERT_EQ(shown.at(x, y), image.at(x, y)) << x << "," << y;
    }
  EXPECT_GT(outerWrong, 0);
}

TEST(ImageFit, CoverCutsTheOverhangAndBorderCentresOnBlack) {
  // 512 x 192: red outer quarters, green middle half.
  RgbImage wide(512, 192, rgb(0, 200, 0));
  wide.fillRect(0, 0, 128, 192, rgb(200, 0, 0));
  wide.fillRect(384, 0, 128, 192, rgb(200, 0, 0));
  const RgbImage cover = FitImage(wide, FitMode::Cover);
  for (int y : {0, 100, 191})
    for (int x : {0, 128, 255}) EXPECT_EQ(cover.at(x, y), rgb(0, 200, 0)) << x << "," << y;

  // Halved to 256 x 96 between black bands of 48 lines; next to the seam
  // the tent filter takes a quarter from across it.
  const RgbImage border = FitImage(wide, FitMode::Border);
  EXPECT_EQ(border.at(0, 47), rgb(0, 0, 0));
  EXPECT_EQ(border.at(255, 144), rgb(0, 0, 0));
  EXPECT_EQ(border.at(0, 48), rgb(200, 0, 0));
  EXPECT_EQ(border.at(128, 143), rgb(0, 200, 0));
  EXPECT_EQ(border.at(63, 100), rgb(175, 25, 0));
  EXPECT_EQ(border.at(64, 100), rgb(25, 175, 0));
}

TEST(ImageImport, ACancelledConversionLeavesThePicture) {
  const Picture before = CoupledRandomPicture(9, 4);
  Picture pic = before;
  const std::atomic<bool> cancel{true};
  for (Dither dither : kDithers)
    EXPECT_FALSE(ImportImage(photoLike(1), {1, dither, 100, FitMode::Cover}, pic, &cancel));
  EXPECT_TRUE(testing::SamePicture(pic, before));
}

TEST(PngImport, ReadsWhatLibpngWritesAndLaysAlphaOverBlack) {
  RgbImage image(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) image.set(x, y, rgb(40 * x, 100 * y, 7));
  RgbImage back;
  ASSERT_FALSE(DecodeImage(EncodePng(image), back));
  EXPECT_TRUE(sameImage(back, image));

  png_image rgba{};
  rgba.version = PNG_IMAGE_VERSION;
  rgba.width = 2;
  rgba.height = 1;
  rgba.format = PNG_FORMAT_RGBA;
  const uint8_t pixels[] = {200, 100, 50, 255, 200, 100, 50, 128};
  std::vector<uint8_t> bytes(1024);
  png_alloc_size_t size = bytes.size();
  ASSERT_TRUE(png_image_write_to_memory(&rgba, bytes.data(), &size, 0, pixels, 0, nullptr));
  bytes.resize(size);
  ASSERT_FALSE(DecodeImage(bytes, back));
  EXPECT_EQ(back.at(0, 0), rgb(200, 100, 50));
  EXPECT_EQ(back.at(1, 0), rgb(100, 50, 25));

  bytes.resize(bytes.size() / 2);
  EXPECT_TRUE(DecodeImage(bytes, back));
  EXPECT_TRUE(DecodeImage(std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}, back));
}

TEST(Ciede2000, PublishedPairs) {
  // Pairs from the CIEDE2000 test data of Sharma, Wu and Dalal.
  EXPECT_NEAR(Ciede2000({50, 2.6772f, -79.7751f}, {50, 0, -82.7485f}), 2.0425, 1e-3);
  EXPECT_NEAR(Ciede2000({50, 0, 0}, {50, -1, 2}), 2.3669, 1e-3);
  EXPECT_NEAR(Ciede2000({50, 2.5f, 0}, {73, 25, -18}), 27.1492, 1e-3);
  EXPECT_NEAR(Ciede2000({2.0776f, 0.0795f, -1.135f}, {0.9033f, -0.0636f, -0.5514f}), 0.9082, 1e-3);
  const Lab white = RgbToLab(rgb(255, 255, 255));
  EXPECT_NEAR(white.L, 100, 0.01);
  EXPECT_NEAR(white.a, 0, 0.01);
}

}  // namespace
}  // namespace cs
