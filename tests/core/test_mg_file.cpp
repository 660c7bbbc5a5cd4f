#include "formats/formats.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::SamePicture;
using testing::ScratchDir;

// Every line of a cell holds the colours of the cell's attribute line.
Picture withUniformCells(Picture pic) {
  for (int s = 0; s < 2; ++s)
    for (int column = 0; column < kColumns; ++column)
      for (int line = 0; line < kLines; ++line) {
        const int from = attrIndex(column, attributeLine(pic.vertSize, column, line));
        const int to = attrIndex(column, line);
        pic.attrs(s)[to] = pic.attrs(s)[from];
        pic.attrs(s)[to + 1] = pic.attrs(s)[from + 1];
      }
  return pic;
}

// One bright bit per cell: both indices take the brighter of the two.
Picture withSharedBright(Picture pic) {
  for (int i = 0; i < kAttrBlockSize; i += 2) {
    uint8_t& ink = pic.planes[static_cast<size_t>(kPixelBlockSize + i)];
    uint8_t& pap = pic.planes[static_cast<size_t>(kPixelBlockSize + i + 1)];
    if (isBright(ink) || isBright(pap)) {
      ink = BrightOf[ink];
      pap = BrightOf[pap];
    }
  }
  return pic;
}

TEST(MgFile, RoundTripOfEveryCellHeightRestoresPixelsAndCellColours) {
  for (int h : {8, 4, 2, 1}) {
    const Picture source = RandomPicture(20 + h, h);
    const std::vector<uint8_t> f = EncodeMg(source);
    EXPECT_EQ(f.size(), MgFileSize(h)) << int(h);
    Picture pic;
    ASSERT_FALSE(DecodeMg(f, pic)) << int(h);
    EXPECT_TRUE(SamePicture(pic, withSharedBright(withUniformCells(source)))) << int(h);
  }
}

TEST(MgFile, EntriesAtIgnoredLinesDoNotReachTheFile) {
  for (int h : {8, 4, 2, 1}) {
    const Picture source = RandomPicture(30 + h, h);
    const Picture uniform = withUniformCells(source);
    EXPECT_EQ(EncodeMg(source), EncodeMg(uniform)) << int(h);
    EXPECT_EQ(EncodeMg1(source), EncodeMg1(withUniformCells(RandomPicture(30 + h, 1)))) << int(h);
  }
}

TEST(MgFile, SizesAndHeaderBytes) {
  for (int h : {8, 4, 2}) {
    Picture pic = RandomPicture(40, h);
    pic.borderIndex0 = 2;
    pic.borderIndex1 = 5;
    const std::vector<uint8_t> f = EncodeMg(pic);
    ASSERT_EQ(f.size(), std::size_t{h == 8 ? 14080u : h == 4 ? 15616u : 18688u});
    EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.begin() + 7),
              (std::vector<uint8_t>{'M', 'G', 'H', 1, uint8_t(h), 2, 5}));
    EXPECT_TRUE(std::all_of(f.begin() + 7, f.begin() + 255, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(f[255], 0xFF);
  }
  const std::vector<uint8_t> mg1 = EncodeMg1(RandomPicture(41, 8));
  ASSERT_EQ(mg1.size(), 19456u);
  EXPECT_EQ(mg1[4], 1) << "MG1 layout whatever the Picture's cell height";
}

TEST(MgFile, EightByOnePictureIsWrittenInTheMg1LayoutUnderAnyName) {
  ScratchDir dir;
  const Picture pic = RandomPicture(42, 1);
  ASSERT_FALSE(WriteMgFile(dir.file("pic.mg4"), pic));
  EXPECT_EQ(testing::ReadBytes(dir.file("pic.mg4")), EncodeMg1(pic));
  Picture loaded;
  ASSERT_FALSE(LoadMgFile(dir.file("pic.mg4"), loaded));
  EXPECT_TRUE(SamePicture(loaded, withSharedBright(withUniformCells(pic))));
}

TEST(MgFile, DisplayFileOrder) {
  Picture pic;
  pic.vertSize = 8;
  pic.pixels(0)[pixelIndex(0, 1)] = 0x11;
  pic.pixels(0)[pixelIndex(0, 8)] = 0x22;
  pic.pixels(0)[pixelIndex(3, 64)] = 0x33;
  pic.pixels(1)[pixelIndex(31, 191)] = 0x44;
  const std::vector<uint8_t> f = EncodeMg(pic);
  EXPECT_EQ(f[256 + 256], 0x11);
  EXPECT_EQ(f[256 + 32], 0x22);
  EXPECT_EQ(f[256 + 2048 + 3], 0x33);
  EXPECT_EQ(f[6400 + 6143], 0x44);
  for (int line = 0; line < kLines; ++line) EXPECT_EQ(DisplayFileLineAt(ScreenRowOffset(line) / 32), line);
}

TEST(MgFile, AttributeBlocksOfEachLayout) {
  Picture pic;
  pic.vertSize = 4;
  // Screen 0, column 5, cell row 2 (line 8): INK 2, PAP 3 share BRIGHT.
  pic.attrs(0)[attrIndex(5, 8)] = 2;
  pic.attrs(0)[attrIndex(5, 8) + 1] = 3;
  pic.attrs(1)[attrIndex(0, 188)] = 13;  // screen 1, last cell row
  std::vector<uint8_t> f = EncodeMg(pic);
  EXPECT_EQ(f[12544 + 2 * 32 + 5], 0x4A);
  EXPECT_EQ(f[12544 + 1536 + 47 * 32], 0x38);

  pic.vertSize = 1;
  pic.attrs(0)[attrIndex(8, 7)] = 1;    // central column 8, line 7
  pic.attrs(1)[attrIndex(24, 16)] = 1;  // outer column 24, character row 2
  pic.attrs(1)[attrIndex(24, 17)] = 7;  // not the row's first line: ignored
  f = EncodeMg1(pic);
  EXPECT_EQ(f[12544 + 7 * 16], 0x08);
  EXPECT_EQ(f[19072 + 2 * 16 + 8], 0x08);
}

TEST(MgFile, OuterColumnsOfMg1FillWholeEightLineBlocks) {
  std::vector<uint8_t> f = EncodeMg1(Picture{});
  f[18688 + 1 * 16 + 9] = 0x0F;      // screen 0, character row 1, 10th outer column = 25
  f[12544 + 3072 + 20 * 16] = 0x47;  // screen 1, line 20, column 8
  Picture pic;
  ASSERT_FALSE(DecodeMg(f, pic));
  for (int line = 8; line < 16; ++line) {
    EXPECT_EQ(pic.attrs(0)[attrIndex(25, line)], 1) << line;
    EXPECT_EQ(pic.attrs(0)[attrIndex(25, line) + 1], 13) << line;
  }
  EXPECT_EQ(pic.attrs(0)[attrIndex(25, 16) + 1], 0);
  EXPECT_EQ(pic.attrs(1)[attrIndex(8, 20) + 1], 14);
  EXPECT_EQ(pic.attrs(1)[attrIndex(8, 21) + 1], 0) << "central columns have one pair per line";
}

TEST(MgFile, FlashIsIgnoredAndBrightIsSharedPerCell) {
  Picture pic;
  pic.vertSize = 8;
  std::vector<uint8_t> f = EncodeMg(pic);
  f[12544] = 0xC7;  // FLASH set
  ASSERT_FALSE(DecodeMg(f, pic));
  EXPECT_EQ(pic.attrs(0)[0], 0);
  EXPECT_EQ(pic.attrs(0)[1], 14);
  EXPECT_EQ(EncodeMg(pic)[12544], 0x47);

  pic.attrs(0)[0] = 2;  // bright blue INK with normal red PAP
  pic.attrs(0)[1] = 3;
  f = EncodeMg(pic);
  EXPECT_EQ(f[12544], 0x4A);
  ASSERT_FALSE(DecodeMg(f, pic));
  EXPECT_EQ(pic.attrs(0)[0], 2);
  EXPECT_EQ(pic.attrs(0)[1], 4) << "red became bright red";
}

TEST(MgFile, BorderComesFromTheHeaderOnlyWhenBothIndicesAreColours) {
  Picture source;
  source.vertSize = 8;
  source.borderIndex0 = 6;
  source.borderIndex1 = 1;
  std::vector<uint8_t> f = EncodeMg(source);
  Picture pic;
  pic.borderIndex0 = 3;
  pic.borderIndex1 = 3;
  ASSERT_FALSE(DecodeMg(f, pic));
  EXPECT_EQ(pic.borderIndex0, 6);
  EXPECT_EQ(pic.borderIndex1, 1);

  f[6] = 8;  // not a border colour: both stay
  pic.borderIndex0 = 3;
  pic.borderIndex1 = 3;
  ASSERT_FALSE(DecodeMg(f, pic));
  EXPECT_EQ(pic.borderIndex0, 3);
  EXPECT_EQ(pic.borderIndex1, 3);
}

TEST(MgFile, VersionEndMarkerAndTrailingBytesAreNotChecked) {
  const Picture source = RandomPicture(44, 2);
  std::vector<uint8_t> f = EncodeMg(source);
  f[3] = 9;
  f[255] = 0;
  f.resize(f.size() + 256, 0x1A);  // padded to whole disk sectors
  Picture pic;
  ASSERT_FALSE(DecodeMg(f, pic));
  EXPECT_TRUE(SamePicture(pic, withSharedBright(withUniformCells(source))));
}

TEST(MgFile, RefusesWrongSignaturesAndCellHeights) {
  const std::vector<uint8_t> good = EncodeMg(RandomPicture(45, 4));
  const Picture before = RandomPicture(46, 1);
  auto refused = [&](std::vector<uint8_t> f, const char* what) {
    Picture pic = before;
    EXPECT_EQ(DecodeMg(f, pic).text(), "Error file format") << what;
    EXPECT_TRUE(SamePicture(pic, before)) << what;
  };
  std::vector<uint8_t> f = good;
  f[2] = 'S';
  refused(f, "an MGS signature");
  f = good;
  f[0] = 'm', f[1] = 'g', f[2] = 'h';
  refused(f, "lower-case signature");
  refused(EncodeMgs(before), "a whole MGS file");
  for (int h : {0, 3, 5, 16, 255}) {
    f = good;
    f[4] = uint8_t(h);
    refused(f, "bad cell height");
  }
}

TEST(MgFile, EveryTruncationOfEveryLayoutFailsAndChangesNothing) {
  const Picture before = RandomPicture(47, 2);
  for (int h : {8, 4, 2, 1}) {
    const std::vector<uint8_t> f = EncodeMg(RandomPicture(48, h));
    for (std::size_t n = 0; n < f.size(); ++n) {
      Picture pic = before;
      ASSERT_EQ(DecodeMg(std::span(f.data(), n), pic).kind, FileErrorKind::ReadBeyondEnd)
          << int(h) << " " << n;
      ASSERT_TRUE(SamePicture(pic, before)) << int(h) << " " << n;
    }
  }
}

TEST(MgFile, LoadingAFailedFileKeepsThePicture) {
  ScratchDir dir;
  const Picture before = RandomPicture(49, 4);
  Picture pic = before;
  EXPECT_EQ(LoadMgFile(dir.file("missing.mg4"), pic).text(), "File not found");
  std::vector<uint8_t> f = EncodeMg(RandomPicture(50, 8));
  f.resize(12544 + 100);  // ends inside the attributes
  testing::WriteBytes(dir.file("short.mg8"), f);
  EXPECT_EQ(LoadMgFile(dir.file("short.mg8"), pic).text(), "Read beyond end of file");
  EXPECT_TRUE(SamePicture(pic, before));
}

}  // namespace
}  // namespace cs
