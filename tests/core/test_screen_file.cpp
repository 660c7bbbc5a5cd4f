#include "formats/formats.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::SamePicture;
using testing::ScratchDir;
using testing::WithHeader;

// An SCR file whose bytes are all different from their neighbours.
std::vector<uint8_t> sampleScreen(unsigned seed) {
  std::vector<uint8_t> f(6912);
  std::mt19937 rng(seed);
  for (auto& b : f) b = static_cast<uint8_t>(rng());
  return f;
}

void expectCellsFilledFrom(const Picture& pic, int screen, const uint8_t* attributes) {
  for (int row = 0; row < 24; ++row)
    for (int column = 0; column < kColumns; ++column) {
      const InkPap want = SplitAttribute(attributes[row * 32 + column]);
      for (int line = row * 8; line < row * 8 + 8; ++line) {
        ASSERT_EQ(pic.attrs(screen)[attrIndex(column, line)], want.ink) << column << "," << line;
        ASSERT_EQ(pic.attrs(screen)[attrIndex(column, line) + 1], want.pap) << column << "," << line;
      }
    }
}

TEST(ScreenFile, ScrGivesAnEightByEightPictureWithTwoEqualScreens) {
  const std::vector<uint8_t> scr = sampleScreen(1);
  Picture pic = RandomPicture(2, 1);
  const uint8_t border0 = pic.borderIndex0;
  ASSERT_FALSE(DecodeScreen(scr, false, true, pic));
  EXPECT_EQ(pic.vertSize, 8);
  EXPECT_EQ(pic.borderIndex0, border0) << "the border is not part of a screen file";
  for (int line = 0; line < kLines; ++line)
    for (int column = 0; column < kColumns; ++column) {
      ASSERT_EQ(pic.pixels(0)[pixelIndex(column, line)], scr[size_t(ScreenRowOffset(line) + column)]);
      ASSERT_EQ(pic.pixels(1)[pixelIndex(column, line)], scr[size_t(ScreenRowOffset(line) + column)]);
    }
  expectCellsFilledFrom(pic, 0, scr.data() + 6144);
  expectCellsFilledFrom(pic, 1, scr.data() + 6144);
}

TEST(ScreenFile, PixelsOnlyScrGetsWhitePapOnBlackInk) {
  std::vector<uint8_t> scr = sampleScreen(3);
  scr.resize(6144);
  Picture pic;
  ASSERT_FALSE(DecodeScreen(scr, false, true, pic));
  const std::vector<uint8_t> plain(768, 0x07);
  expectCellsFilledFrom(pic, 0, plain.data());
  expectCellsFilledFrom(pic, 1, plain.data());
  EXPECT_EQ(pic.attrs(1)[1], 13);
}

// A third of the display file is one run of 2048 bytes, so a partial file
// reads as the whole display file with zeros after its end.
TEST(ScreenFile, PartialScrFillsItsTopThirdsAndClearsTheRest) {
  const Picture before = RandomPicture(9, 2);
  for (const std::size_t thirds : {1u, 2u}) {
    std::vector<uint8_t> whole = sampleScreen(unsigned(thirds));
    whole.resize(6144);
    std::fill(whole.begin() + std::ptrdiff_t(thirds * 2048), whole.end(), 0);
    Picture expected = before;
    ASSERT_FALSE(DecodeScreen(whole, false, true, expected));
    for (int line = 0; line < kLines; ++line) {
      bool drawn = false;
      for (int column = 0; column < kColumns; ++column)
        drawn |= expected.pixels(1)[pixelIndex(column, line)] != 0;
      ASSERT_EQ(drawn, line < int(thirds) * 64) << line;
    }

    const std::vector<uint8_t> part(whole.begin(), whole.begin() + std::ptrdiff_t(thirds * 2048));
    for (const bool withHeader : {false, true}) {
      Picture pic = before;
      ASSERT_FALSE(DecodeScreen(withHeader ? WithHeader(17, 0, part) : part, withHeader, true, pic));
      EXPECT_TRUE(SamePicture(pic, expected)) << thirds << " " << withHeader;
    }
    Picture pic;
    EXPECT_EQ(DecodeScreen(part, false, false, pic).kind, FileErrorKind::ReadBeyondEnd)
        << "an IMG has no partial form";
  }
}

TEST(ScreenFile, HobetaHeaderIsSkippedUnread) {
  const std::vector<uint8_t> scr = sampleScreen(4);
  std::vector<uint8_t> withHeader = WithHeader(17, 0xFF, scr);
  Picture plain, hobeta;
  ASSERT_FALSE(DecodeScreen(scr, false, true, plain));
  ASSERT_FALSE(DecodeScreen(withHeader, true, true, hobeta));
  EXPECT_TRUE(SamePicture(plain, hobeta));

  withHeader.resize(17 + 6144);
  ASSERT_FALSE(DecodeScreen(withHeader, true, true, hobeta)) << "a $scr of pixels only";
}

TEST(ScreenFile, ImgRoundTripKeepsPixelsAndTheColoursOfEveryCharacterRowsFirstLine) {
  Picture source = RandomPicture(5, 8);
  const std::vector<uint8_t> img = EncodeImg(source);
  ASSERT_EQ(img.size(), 13824u);
  Picture pic;
  ASSERT_FALSE(DecodeScreen(img, false, false, pic));
  EXPECT_EQ(std::memcmp(pic.pixels(0), source.pixels(0), kPixelBlockSize), 0);
  for (int s = 0; s < 2; ++s)
    for (int column = 0; column < kColumns; ++column)
      for (int line = 0; line < kLines; ++line) {
        const int a = attrIndex(column, line / 8 * 8);
        const uint8_t want = AttributeByte(source.attrs(s)[a], source.attrs(s)[a + 1]);
        ASSERT_EQ(AttributeAt(pic.attrs(s), column, line), want) << s << " " << column << "," << line;
      }
  EXPECT_EQ(EncodeImg(pic), img);
}

TEST(ScreenFile, ImgLayoutPutsScreenOneAfterScreenZerosAttributes) {
  Picture pic;
  pic.vertSize = 4;
  pic.pixels(1)[pixelIndex(0, 8)] = 0xA5;
  pic.attrs(1)[attrIndex(31, 184)] = 14;
  pic.attrs(0)[attrIndex(2, 12)] = 14;  // line 12 is a cell line at height 4, not a character row's first
  const std::vector<uint8_t> img = EncodeImg(pic);
  EXPECT_EQ(img[6912 + 32], 0xA5);
  EXPECT_EQ(img[13056 + 767], 0x78);
  EXPECT_EQ(std::count(img.begin(), img.end(), 0x78), 1) << "an 8x4 Picture exports its upper cells only";
}

TEST(ScreenFile, FlashIsIgnored) {
  std::vector<uint8_t> scr(6912, 0);
  scr[6144] = 0xBA;  // FLASH, paper 7, ink 2
  Picture pic;
  ASSERT_FALSE(DecodeScreen(scr, false, true, pic));
  EXPECT_EQ(pic.attrs(0)[0], 13);
  EXPECT_EQ(pic.attrs(0)[1], 3);
  EXPECT_EQ(EncodeImg(pic)[6144], 0x3A);
}

TEST(ScreenFile, EveryTruncationFailsAndChangesNothing) {
  const Picture before = RandomPicture(6, 2);
  const std::vector<uint8_t> img = EncodeImg(RandomPicture(7, 8));
  const std::vector<uint8_t> hobetaImg = WithHeader(17, 0, img);
  struct Kind {
    const std::vector<uint8_t>* bytes;
    std::size_t size;
    bool withHeader, singleScreen;
  };
  for (const Kind k : {Kind{&img, 13824, false, false}, Kind{&hobetaImg, 13841, true, false},
                       Kind{&img, 6912, false, true}, Kind{&hobetaImg, 6929, true, true}}) {
    const std::size_t pixelsOnly = k.withHeader ? 17 + 6144 : 6144;
    for (std::size_t n = 0; n < k.size; ++n) {
      const std::size_t body = n - (k.withHeader ? 17 : 0);
      if (k.singleScreen && (n == pixelsOnly || (n > 17 && IsPartialDisplayFile(body)))) continue;
      Picture pic = before;
      ASSERT_EQ(DecodeScreen(std::span(k.bytes->data(), n), k.withHeader, k.singleScreen, pic).kind,
                FileErrorKind::ReadBeyondEnd)
          << k.size << " " << n;
      ASSERT_TRUE(SamePicture(pic, before)) << k.size << " " << n;
    }
  }
}

TEST(ScreenFile, ImportAndExportThroughFiles) {
  ScratchDir dir;
  const Picture source = RandomPicture(8, 8);
  ASSERT_FALSE(ExportImgFile(dir.file("pic.img"), source));
  EXPECT_EQ(testing::ReadBytes(dir.file("pic.img")).size(), 13824u);
  Picture pic = RandomPicture(9, 1);
  ASSERT_FALSE(ImportScreenFile(dir.file("pic.img"), false, false, pic));
  EXPECT_EQ(pic.vertSize, 8);
  EXPECT_EQ(EncodeImg(pic), EncodeImg(source));

  const Picture before = pic;
  EXPECT_EQ(ImportScreenFile(dir.file("none.scr"), false, true, pic).text(), "File not found");
  testing::WriteBytes(dir.file("half.img"), std::vector<uint8_t>(6144, 1));
  EXPECT_EQ(ImportScreenFile(dir.file("half.img"), false, false, pic).text(), "Read beyond end of file");
  EXPECT_TRUE(SamePicture(pic, before));
}

}  // namespace
}  // namespace cs
