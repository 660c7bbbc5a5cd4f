#include <png.h>

#include <cstdio>

#include "formats/formats.h"
#include "render/compose.h"
#include "tests/core/format_test_util.h"
#include "tests/core/png_reader.h"

namespace cs {
namespace {

using testing::ScratchDir;

// A composite whose every pixel differs from its neighbours, so any shift or
// wrong scale shows.
RgbImage numberedComposite() {
  RgbImage img(512, 384, rgb(1, 2, 3));
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) img.set(x, y, rgb(x, y, (x * 7 + y) & 0xFF));
  return img;
}

TEST(PngSizes, CaptionsAndGeometryInPanelOrder) {
  struct Row {
    const char* caption;
    int width, height, x, t;
  };
  const Row rows[] = {
      {"256 x 192 without border", 256, 192, 0, 0},
      {"512 x 384 without border", 512, 384, 0, 0},
      {"768 x 576 without border", 768, 576, 0, 0},
      {"1024 x 768 without border", 1024, 768, 0, 0},
      {"1280 x 960 without border", 1280, 960, 0, 0},
      {"320 x 240 (256x192 with border)", 320, 240, 32, 24},
      {"640 x 480 (512x384 with border)", 640, 480, 64, 48},
      {"800 x 600 (768x576 with border)", 800, 600, 16, 12},
      {"1024 x 768 (768x576 with border)", 1024, 768, 128, 96},
      {"1280 x 960 (1024x768 with border)", 1280, 960, 128, 96},
      {"384 x 300 (256x192 full emul border)", 384, 300, 64, 64},
  };
  for (int mode = 1; mode <= kPngModeCount; ++mode) {
    const PngSize& s = PngSizeOf(mode);
    const Row& r = rows[mode - 1];
    EXPECT_STREQ(s.caption, r.caption);
    EXPECT_EQ(s.imageWidth(), r.width) << mode;
    EXPECT_EQ(s.imageHeight(), r.height) << mode;
    EXPECT_EQ(s.x, r.x) << mode;
    EXPECT_EQ(s.t, r.t) << mode;
    EXPECT_EQ(s.w * 192, s.h * 256) << "same scale both ways";
  }
  EXPECT_STREQ(PngSizeOf(0).caption, rows[0].caption) << "no choice means the first size";
}

TEST(PngImage, EveryModePlacesTheEnlargedPictureInsideTheBorder) {
  const RgbImage composite = numberedComposite();
  const Rgb border = BorderColor(1, 2);
  for (int mode = 1; mode <= kPngModeCount; ++mode) {
    const PngSize& s = PngSizeOf(mode);
    const int scale = s.w / 256;
    const RgbImage img = BuildPngImage(composite, 1, 2, mode);
    ASSERT_EQ(img.width(), s.imageWidth());
    ASSERT_EQ(img.height(), s.imageHeight());
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const bool inside = x >= s.x && x < s.x + s.w && y >= s.t && y < s.t + s.h;
        const Rgb want = inside ? composite.at((x - s.x) / scale, (y - s.t) / scale) : border;
        ASSERT_EQ(img.at(x, y), want) << mode << " at " << x << "," << y;
      }
  }
}

TEST(PngImage, TheExportStreamedRowByRowIsTheImageEncoded) {
  const RgbImage composite = numberedComposite();
  for (int mode = 1; mode <= kPngModeCount; ++mode)
    ASSERT_EQ(EncodePngExport(composite, 4, 1, mode), EncodePng(BuildPngImage(composite, 4, 1, mode))) << mode;
}

TEST(PngImage, FullEmulatorBorderIsTallerAboveThanBelow) {
  const RgbImage img = BuildPngImage(numberedComposite(), 2, 6, 11);
  const Rgb border = rgb(202, 115, 0);
  EXPECT_EQ(img.at(64, 63), border);
  EXPECT_EQ(img.at(64, 64), rgb(0, 0, 0));
  EXPECT_EQ(img.at(64 + 255, 64 + 191), rgb(255, 191, (255 * 7 + 191) & 0xFF));
  EXPECT_EQ(img.at(64, 64 + 192), border);
  EXPECT_EQ(img.height() - (64 + 192), 44);
}

TEST(PngFile, WritesAnEightBitRgbImageThatReadsBackExactly) {
  ScratchDir dir;
  const RgbImage img = BuildPngImage(numberedComposite(), 5, 3, 6);
  ASSERT_FALSE(WritePngFile(dir.file("out.png"), img));

  FILE* f = std::fopen(dir.file("out.png").c_str(), "rb");
  ASSERT_TRUE(f);
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_read_info(png, info);
  EXPECT_EQ(png_get_color_type(png, info), PNG_COLOR_TYPE_RGB);
  EXPECT_EQ(png_get_bit_depth(png, info), 8);
  EXPECT_EQ(png_get_image_width(png, info), 320u);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(f);

  const auto back = testing::ReadPng(dir.file("out.png"));
  ASSERT_TRUE(back);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) ASSERT_EQ(back->at(x, y), img.at(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace cs
