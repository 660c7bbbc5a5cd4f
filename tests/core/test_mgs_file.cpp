#include "formats/formats.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::SamePicture;
using testing::ScratchDir;
using testing::WriteBytes;

TEST(MgsFile, SaveThenLoadGivesBackEveryByteIncludingIgnoredLines) {
  ScratchDir dir;
  for (int h : {8, 4, 2, 1}) {
    const Picture saved = RandomPicture(h, h);
    ASSERT_FALSE(SaveMgsFile(dir.file("pic.mgs"), saved));
    Picture loaded;
    ASSERT_FALSE(LoadMgsFile(dir.file("pic.mgs"), loaded));
    EXPECT_TRUE(SamePicture(loaded, saved)) << int(h);
  }
}

TEST(MgsFile, LayoutIsLineOrderWithPapBeforeInk) {
  Picture pic;
  pic.vertSize = 4;
  pic.borderIndex0 = 3;
  pic.borderIndex1 = 6;
  pic.pixels(0)[pixelIndex(2, 1)] = 0x81;  // line 1, column 2
  pic.pixels(1)[pixelIndex(31, 191)] = 0x7E;
  pic.attrs(0)[attrIndex(1, 2)] = 5;  // INK of line 2, column 1
  pic.attrs(0)[attrIndex(1, 2) + 1] = 9;
  pic.attrs(1)[attrIndex(31, 191) + 1] = 14;

  const std::vector<uint8_t> f = EncodeMgs(pic);
  ASSERT_EQ(f.size(), 36871u);
  EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.begin() + 7),
            (std::vector<uint8_t>{'M', 'G', 'S', 1, 4, 3, 6}));
  EXPECT_EQ(f[7 + 1 * 32 + 2], 0x81);
  EXPECT_EQ(f[6151 + 191 * 32 + 31], 0x7E);
  EXPECT_EQ(f[12295 + (2 * 32 + 1) * 2], 9) << "PAP first";
  EXPECT_EQ(f[12295 + (2 * 32 + 1) * 2 + 1], 5);
  EXPECT_EQ(f[36869], 14);
  EXPECT_EQ(f[36870], 0) << "the last byte is the INK of screen 1's last entry";
}

TEST(MgsFile, VersionZeroHasNoBorderAndKeepsThePicturesBorder) {
  const Picture source = RandomPicture(3, 2);
  std::vector<uint8_t> v1 = EncodeMgs(source);
  std::vector<uint8_t> v0(v1.begin(), v1.begin() + 5);
  v0[3] = 0;
  v0.insert(v0.end(), v1.begin() + 7, v1.end());
  ASSERT_EQ(v0.size(), 36869u);

  Picture pic;
  pic.borderIndex0 = 7;
  pic.borderIndex1 = 5;
  ASSERT_FALSE(DecodeMgs(v0, pic));
  EXPECT_EQ(pic.planes, source.planes);
  EXPECT_EQ(pic.vertSize, 2);
  EXPECT_EQ(pic.borderIndex0, 7);
  EXPECT_EQ(pic.borderIndex1, 5);
}

TEST(MgsFile, LaterVersionsReadLikeVersionOneAndTrailingBytesAreIgnored) {
  const Picture source = RandomPicture(4, 8);
  std::vector<uint8_t> f = EncodeMgs(source);
  f[3] = 7;
  f.insert(f.end(), 100, 0xEE);
  Picture pic;
  ASSERT_FALSE(DecodeMgs(f, pic));
  EXPECT_TRUE(SamePicture(pic, source));
}

TEST(MgsFile, EveryTruncationFailsAndChangesNothing) {
  const std::vector<uint8_t> v1 = EncodeMgs(RandomPicture(5, 4));
  std::vector<uint8_t> v0 = v1;
  v0[3] = 0;
  v0.erase(v0.begin() + 5, v0.begin() + 7);
  const Picture before = RandomPicture(6, 1);
  for (const std::vector<uint8_t>* f : {&v1, &std::as_const(v0)}) {
    for (std::size_t n = 0; n < f->size(); ++n) {
      Picture pic = before;
      const FileError err = DecodeMgs(std::span(f->data(), n), pic);
      ASSERT_EQ(err.kind, FileErrorKind::ReadBeyondEnd) << n;
      ASSERT_TRUE(SamePicture(pic, before)) << n;
    }
  }
}

TEST(MgsFile, RefusesWhatAPictureCannotHold) {
  const std::vector<uint8_t> good = EncodeMgs(RandomPicture(7, 8));
  struct Damage {
    std::size_t offset;
    uint8_t value;
    const char* what;
  };
  for (const Damage d :
       {Damage{0, 'm', "signature in lower case"}, Damage{2, 'H', "an MG file's signature"},
        Damage{4, 3, "cell height 3"}, Damage{4, 0, "cell height 0"}, Damage{4, 16, "cell height 16"},
        Damage{5, 8, "border 8"}, Damage{6, 255, "border 255"}, Damage{12295, 15, "colour index 15"},
        Damage{36870, 200, "last INK 200"}}) {
    std::vector<uint8_t> f = good;
    f[d.offset] = d.value;
    Picture pic = RandomPicture(8, 2);
    const Picture before = pic;
    EXPECT_EQ(DecodeMgs(f, pic).text(), "Error file format") << d.what;
    EXPECT_TRUE(SamePicture(pic, before)) << d.what;
  }
}

TEST(MgsFile, LoadingAFailedFileKeepsThePicture) {
  ScratchDir dir;
  const Picture before = RandomPicture(9, 4);
  Picture pic = before;
  EXPECT_EQ(LoadMgsFile(dir.file("missing.mgs"), pic).text(), "File not found");
  std::vector<uint8_t> f = EncodeMgs(RandomPicture(10, 8));
  f.pop_back();
  WriteBytes(dir.file("short.mgs"), f);
  EXPECT_EQ(LoadMgsFile(dir.file("short.mgs"), pic).text(), "Read beyond end of file");
  EXPECT_TRUE(SamePicture(pic, before));
}

}  // namespace
}  // namespace cs
