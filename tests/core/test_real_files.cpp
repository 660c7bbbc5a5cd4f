// The sample files were written by other tools; their renders come from an
// independent converter. Reading them the way the editor does and composing
// them must give the same picture, pixel for pixel.
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
};

void PrintTo(const Sample& s, std::ostream* os) { *os << s.file; }

class RealFile : public ::testing::TestWithParam<Sample> {};

FileError loadSample(const std::string& name, Picture& pic) {
  const std::string ext = LowerExtension(name);
  if (ext == ".scr") return ImportScreenFile(name, false, true, pic);
  if (ext == ".img") return ImportScreenFile(name, false, false, pic);
  return LoadMgFile(name, pic);
}

TEST_P(RealFile, ComposesToTheIndependentRender) {
  const Sample& s = GetParam();
  Picture pic;
  ASSERT_FALSE(loadSample(TestData(std::string("zx-image/") + s.file), pic));
  EXPECT_EQ(pic.vertSize, s.cellHeight);
  ComposedImages images;
  ComposePicture(pic, ColourTables{}, images);

  const auto expected = testing::ReadPng(TestData(std::string("zx-image/expected/") + s.png));
  ASSERT_TRUE(expected);
  ASSERT_EQ(expected->width(), 256);
  ASSERT_EQ(expected->height(), 192);
  int mismatches = 0;
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const Rgb ours = images.composite.at(x, y);
      const Rgb mapped = rgb(theirLevel(red(ours), s.pureWhite), theirLevel(green(ours), s.pureWhite),
                             theirLevel(blue(ours), s.pureWhite));
      if (mapped != expected->at(x, y) && ++mismatches <= 5)
        ADD_FAILURE() << s.file << " at " << x << "," << y << ": ours " << std::hex << ours << " theirs "
                      << expected->at(x, y);
    }
  EXPECT_EQ(mismatches, 0);

  // A second trip through our own writer of the same kind gives the same bytes.
  if (LowerExtension(s.file) != ".scr") {
    const std::vector<uint8_t> original = testing::ReadBytes(TestData(std::string("zx-image/") + s.file));
    const std::vector<uint8_t> again = LowerExtension(s.file) == ".img" ? EncodeImg(pic) : EncodeMg(pic);
    EXPECT_EQ(again, original) << s.file;
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, RealFile,
                         ::testing::Values(Sample{"example.scr", "standard.png", 8, false},
                                           Sample{"monochrome.scr", "monochrome.png", 8, true},
                                           Sample{"example.img", "gigascreen.png", 8, false},
                                           Sample{"example.mg1", "mg1.png", 1, false},
                                           Sample{"example.mg2", "mg2.png", 2, false},
                                           Sample{"example.mg4", "mg4.png", 4, false},
                                           Sample{"example.mg8", "mg8.png", 8, false}),
                         [](const auto& param) {
                           std::string n = param.param.file;
                           for (char& c : n)
                             if (c == '.') c = '_';
                           return n;
                         });

TEST(RealFile, MgTwoSampleCarriesItsBorder) {
  Picture pic;
  ASSERT_FALSE(LoadMgFile(TestData("zx-image/example.mg2"), pic));
  EXPECT_EQ(pic.borderIndex0, 1);
  EXPECT_EQ(pic.borderIndex1, 1);
}

}  // namespace
}  // namespace cs
