// The sample files were written by other tools; their renders come from an
// independent converter. Reading them the way the editor does and composing
// them must give the same picture, pixel for pixel.
#include <cctype>

#include "formats/formats.h"
#include "render/compose.h"
#include "tests/core/format_test_util.h"
#include "tests/core/png_reader.h"

namespace cs {
namespace {

using testing::TestData;

// The other converter's level for each of our mixed component levels.
int theirLevel(int ours, bool pureWhite) {
  switch (ours) {
    case 0: return 0x00;
    case 115: return 0x96;
    case 157: return 0xBC;
    case 202: return pureWhite ? 0xFF : 0xCD;
    case 230: return 0xE8;
    case 254: return 0xFF;
  }
  return -1;
}

struct Sample {
  const char* file;
  const char* png;
  uint8_t cellHeight;
  bool pureWhite;  // the render shows set pixels of a pixels-only screen as pure white
  // Our writer of the kind, when it gives back the very bytes; null for none.
  std::vector<uint8_t> (*encode)(const Picture&) = nullptr;
  int paperAt = 0;  // renders with the border show the paper at (64, 64)
};

void PrintTo(const Sample& s, std::ostream* os) { *os << s.file; }

class RealFile : public ::testing::TestWithParam<Sample> {};

TEST_P(RealFile, ComposesToTheIndependentRender) {
  const Sample& s = GetParam();
  Picture pic;
  std::string note;
  ASSERT_FALSE(LoadPicture(TestData(std::string("zx-image/") + s.file), pic, note));
  EXPECT_EQ(pic.vertSize, s.cellHeight);
  ComposedImages images;
  ComposePicture(pic, ColourTables{}, images);

  const auto expected = testing::ReadPng(TestData(std::string("zx-image/expected/") + s.png));
  ASSERT_TRUE(expected);
  ASSERT_EQ(expected->width(), 256 + s.paperAt * 2);
  int mismatches = 0;
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const Rgb ours = images.composite.at(x, y);
      const Rgb mapped = rgb(theirLevel(red(ours), s.pureWhite), theirLevel(green(ours), s.pureWhite),
                             theirLevel(blue(ours), s.pureWhite));
      // Outer 8x1 columns show each character row's first line only, and
      // the reader said so when the file has other colours there.
      if (!note.empty() && pic.vertSize == 1 && isOuterColumn(x / 8) && y % 8 != 0) continue;
      const Rgb theirs = expected->at(x + s.paperAt, y + s.paperAt);
      if (mapped != theirs && ++mismatches <= 5)
        ADD_FAILURE() << s.file << " at " << x << "," << y << ": ours " << std::hex << ours << " theirs " << theirs;
    }
  EXPECT_EQ(mismatches, 0);

  // A second trip through our own writer of the same kind gives the same bytes.
  if (s.encode) {
    EXPECT_EQ(s.encode(pic), testing::ReadBytes(TestData(std::string("zx-image/") + s.file))) << s.file;
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, RealFile,
                         ::testing::Values(Sample{"example.scr", "standard.png", 8, false, EncodeScr},
                                           Sample{"monochrome.scr", "monochrome.png", 8, true},
                                           Sample{"example.img", "gigascreen.png", 8, false, EncodeImg},
                                           Sample{"example.mg1", "mg1.png", 1, false, EncodeMg},
                                           Sample{"example.mg2", "mg2.png", 2, false, EncodeMg},
                                           Sample{"example.mg4", "mg4.png", 4, false, EncodeMg},
                                           Sample{"example.mg8", "mg8.png", 8, false, EncodeMg},
                                           Sample{"example.ifl", "multicolor.png", 2, false, EncodeIfl},
                                           Sample{"example4.ifl", "multicolor4.png", 4, false, EncodeIfl},
                                           Sample{"example.mlt", "mlt.png", 1, false, EncodeMlt},
                                           Sample{"example.mc", "mc.png", 1, false},
                                           Sample{"example.bmc4", "bmc4.png", 4, false, nullptr, 64},
                                           Sample{"example.bsp", "bsp.png", 8, false, nullptr, 64}),
                         [](const auto& param) {
                           std::string n = param.param.file;
                           for (char& c : n)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return n;
                         });

// Our .bsp and .ch$ of the GigaScreen sample were seen read by the other
// tools to its render; the writers must keep giving those bytes.
TEST(RealFile, WrittenGigaScreenKindsKeepTheBytesTheOtherToolsRead) {
  Picture pic;
  ASSERT_FALSE(ImportScreenFile(TestData("zx-image/example.img"), false, false, pic));
  EXPECT_EQ(EncodeBsp(pic), testing::ReadBytes(TestData("zx-image/written/example.bsp")));
  EXPECT_EQ(EncodeChr(pic), testing::ReadBytes(TestData("zx-image/written/example.ch$")));
}

TEST(RealFile, MgTwoSampleCarriesItsBorder) {
  Picture pic;
  ASSERT_FALSE(LoadMgFile(TestData("zx-image/example.mg2"), pic));
  EXPECT_EQ(pic.borderIndex0, 1);
  EXPECT_EQ(pic.borderIndex1, 1);
}

}  // namespace
}  // namespace cs
