// The image loader behind "Import image..." and the converter: every kind
// told apart by its contents, the size limit, and the orientation tag.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>

#include "formats/image_decoders.h"
#include "formats/image_file.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using Bytes = std::vector<uint8_t>;

bool near(Rgb a, Rgb b) {
  return std::abs(red(a) - red(b)) < 8 && std::abs(green(a) - green(b)) < 8 && std::abs(blue(a) - blue(b)) < 8;
}

std::string sample(const std::string& name) { return testing::TestData("images/" + name); }

void put32(Bytes& b, std::size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = uint8_t(v >> (8 * i));
}

// A BMP with a 40-byte header; `extra` (colour table or masks) follows it.
Bytes bmp(int32_t width, int32_t height, int bits, uint32_t compression, const Bytes& extra, const Bytes& pixels) {
  Bytes b(54 + extra.size() + pixels.size(), 0);
  b[0] = 'B', b[1] = 'M';
  put32(b, 10, uint32_t(54 + extra.size()));
  put32(b, 14, 40);
  put32(b, 18, uint32_t(width));
  put32(b, 22, uint32_t(height));
  b[26] = 1, b[28] = uint8_t(bits);
  put32(b, 30, compression);
  std::copy(extra.begin(), extra.end(), b.begin() + 54);
  std::copy(pixels.begin(), pixels.end(), b.begin() + 54 + std::ptrdiff_t(extra.size()));
  return b;
}

TEST(ImageFile, EveryKindIsToldByItsContents) {
  // A JPEG named .png, as a user's renamed file would be.
  RgbImage image;
  ASSERT_FALSE(ReadImageFile(sample("jpeg-named.png"), image));
  ASSERT_EQ(image.width(), 16);
  EXPECT_TRUE(near(image.at(2, 2), rgb(255, 0, 0)) && near(image.at(13, 5), rgb(0, 0, 255)));

  // The GIF's transparent colour comes out black.
  ASSERT_FALSE(ReadImageFile(sample("transparent.gif"), image));
  ASSERT_EQ(image.width(), 4);
  const Rgb gif[8] = {rgb(0, 0, 0), rgb(255, 0, 0), rgb(0, 0, 0), rgb(255, 255, 255),
                      rgb(255, 255, 255), rgb(0, 0, 0), rgb(255, 0, 0), rgb(0, 0, 0)};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.at(i % 4, i / 4), gif[i]) << i;

  // 24 bits bottom up, rows padded to 4 bytes: the first row stored is the lowest.
  ASSERT_FALSE(DecodeImage(bmp(1, 2, 24, 0, {}, {1, 2, 3, 0, 4, 5, 6, 0}), image));
  EXPECT_EQ(image.at(0, 0), rgb(6, 5, 4));
  EXPECT_EQ(image.at(0, 1), rgb(3, 2, 1));
  // 1 bit through a colour table (blue, green, red, spare), top down.
  ASSERT_FALSE(DecodeImage(bmp(3, -1, 1, 0, {0, 0, 0, 0, 10, 20, 30, 0}, {0xA0, 0, 0, 0}), image));
  EXPECT_EQ(image.at(0, 0), rgb(30, 20, 10));
  EXPECT_EQ(image.at(1, 0), rgb(0, 0, 0));
  EXPECT_EQ(image.at(2, 0), rgb(30, 20, 10));
  // 16 bits through masks 5-6-5.
  ASSERT_FALSE(DecodeImage(bmp(1, 1, 16, 3, {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0}, {0x1F, 0xF8, 0, 0}),
                           image));
  EXPECT_EQ(image.at(0, 0), rgb(255, 0, 255));

  EXPECT_EQ(DecodeImage(bmp(1, 1, 8, 1, {}, {0, 0, 0, 0}), image).reason, "Compressed BMP images are not read.");
  EXPECT_EQ(DecodeImage(Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}, image).reason, "The GIF image is damaged.");
  EXPECT_EQ(DecodeImage(Bytes(100, 'x'), image).text(),
            "Error file format\nThe file is not a PNG, JPEG, GIF or BMP image.");
}

TEST(ImageFile, JpegCutShortIsDamaged) {
  // libjpeg itself only warns and gives the lost part grey. Both cuts lie in
  // the scans (which begin at byte 303 and 229).
  RgbImage image;
  for (const char* name : {"images/small.jpg", "images/progressive.jpg"}) {
    const Bytes jpeg = testing::ReadBytes(testing::TestData(name));
    ASSERT_FALSE(DecodeImage(jpeg, image)) << name;
    for (const std::size_t tenths : {6, 8})
      EXPECT_EQ(DecodeImage(std::span(jpeg).first(jpeg.size() * tenths / 10), image).reason,
                "The JPEG image is damaged.")
          << name << tenths;
  }
}

TEST(ImageFile, OrientationTagTurnsTheImage) {
  // Orientation 6 is turned a quarter clockwise for viewing: the left half
  // comes on top; 8 turns it the other way; 3 half way; 2 mirrors.
  const struct {
    uint8_t tag;
    int width;
    Rgb topLeft;
    Rgb bottomRight;
  } cases[] = {{1, 16, rgb(255, 0, 0), rgb(0, 0, 255)}, {6, 8, rgb(255, 0, 0), rgb(0, 0, 255)},
               {8, 8, rgb(0, 0, 255), rgb(255, 0, 0)}, {3, 16, rgb(0, 0, 255), rgb(255, 0, 0)},
               {2, 16, rgb(0, 0, 255), rgb(255, 0, 0)}};
  for (const auto& c : cases) {
    RgbImage image;
    ASSERT_FALSE(ReadImageFile(sample("redblue-o" + std::to_string(c.tag) + ".jpg"), image));
    EXPECT_EQ(image.width(), c.width) << int(c.tag);
    EXPECT_TRUE(near(image.at(0, 0), c.topLeft)) << int(c.tag);
    EXPECT_TRUE(near(image.at(image.width() - 1, image.height() - 1), c.bottomRight)) << int(c.tag);
  }
}

TEST(ImageFile, SizeLimitIsTheSameForEveryKind) {
  EXPECT_FALSE(CheckImageSize(8192, 8192));
  EXPECT_FALSE(CheckImageSize(65536, 1024));
  EXPECT_TRUE(CheckImageSize(8192, 8193));
  EXPECT_TRUE(CheckImageSize(0, 10));
  RgbImage image;
  // Refused from the header alone: no pixel data follows.
  const FileError err = DecodeImage(bmp(9000, 9000, 24, 0, {}, {}), image);
  EXPECT_EQ(err.kind, FileErrorKind::Format);
  EXPECT_NE(err.reason.find("9000 x 9000"), std::string::npos) << err.reason;
  EXPECT_NE(err.reason.find("8192 x 8192"), std::string::npos) << err.reason;
  EXPECT_EQ(err.reason, "The image is 9000 x 9000 pixels; images of up to 8192 x 8192 pixels (67,108,864 pixels in "
                        "any shape) are read.");
  // A caller's own limit (the fuzzer's) is kept and said the same way.
  EXPECT_FALSE(DecodeImage(bmp(256, 256, 24, 0, {}, Bytes(256 * 256 * 3)), image, 256 * 256));
  EXPECT_EQ(DecodeImage(bmp(256, 257, 24, 0, {}, {}), image, 256 * 256).reason,
            "The image is 256 x 257 pixels; images of up to 256 x 256 pixels (65,536 pixels in any shape) are read.");
  // An 8000 x 8000 PNG is within it.
  png_image big{};
  big.version = PNG_IMAGE_VERSION;
  big.width = big.height = 8000;
  big.format = PNG_FORMAT_GRAY;
  const Bytes grey(std::size_t{8000} * 8000, 0x80);
  png_alloc_size_t size = 0;
  ASSERT_TRUE(png_image_write_to_memory(&big, nullptr, &size, 0, grey.data(), 0, nullptr));
  Bytes png(size);
  ASSERT_TRUE(png_image_write_to_memory(&big, png.data(), &size, 0, grey.data(), 0, nullptr));
  ASSERT_FALSE(DecodeImage(png, image));
  EXPECT_EQ(image.width(), 8000);
  EXPECT_EQ(image.at(7999, 7999), rgb(0x80, 0x80, 0x80));
  // libpng's own limit of a million rows is not in the way, and past ours
  // the refusal is ours.
  ASSERT_FALSE(ReadImageFile(testing::TestData("images/tall-8x1000001.png"), image));
  EXPECT_EQ(image.height(), 1000001);
  EXPECT_EQ(image.at(7, 1000000), rgb(0, 0, 0));
  EXPECT_EQ(ReadImageFile(testing::TestData("images/over-8192x8193.png"), image).reason,
            CheckImageSize(8192, 8193).reason);
}

}  // namespace
}  // namespace cs
