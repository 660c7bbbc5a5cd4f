#include <sys/stat.h>

#include <string>
#include <vector>

#include "edit/text_instrument.h"
#include "formats/font_file.h"
#include "model/builtin_font.h"
#include "render/view_geometry.h"
#include "tests/core/format_test_util.h"
#include "tests/core/painting_fixture.h"

namespace cs {
namespace {

// A font file whose glyphs all differ and mix set and clear bits.
std::vector<uint8_t> TestFontBytes(std::size_t size) {
  std::vector<uint8_t> b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = uint8_t(i * 37 + (i >> 3) * 11 + 1);
  return b;
}

TEST(FontFile, ReadsBothLayoutsAndRefusesAnyOtherSize) {
  Font font;
  const std::vector<uint8_t> short768 = TestFontBytes(768), long2048 = TestFontBytes(2048);
  ASSERT_FALSE(DecodeFont(short768, font));
  EXPECT_EQ(font.glyphs.size(), 96u);
  EXPECT_EQ(font.glyph(U' ')->at(0), short768[0]);
  EXPECT_EQ(font.glyph(127)->at(7), short768[767]);
  EXPECT_FALSE(font.glyph(31));
  EXPECT_FALSE(font.glyph(128));
  ASSERT_FALSE(DecodeFont(long2048, font));
  EXPECT_EQ(font.glyphs.size(), 256u);
  EXPECT_EQ(font.glyph(0)->at(0), long2048[0]);
  EXPECT_EQ(font.glyph(U'A')->at(3), long2048[65 * 8 + 3]);
  EXPECT_EQ(font.glyph(255)->at(7), long2048[2047]);
  for (const std::size_t size : {0u, 8u, 767u, 769u, 1536u, 2047u, 2049u}) {
    const FileError err = DecodeFont(TestFontBytes(size), font);
    EXPECT_EQ(err.kind, FileErrorKind::Format) << size;
    EXPECT_FALSE(err.reason.empty()) << size;
    EXPECT_EQ(font.glyphs.size(), 256u) << "the font was kept";
  }
}

TEST(FontFile, LoadsOnlyARegularFileOfTheRightSize) {
  testing::ScratchDir dir;
  Font font = BuiltInFont();
  const std::size_t builtIn = font.glyphs.size();
  testing::WriteBytes(dir.file("big.bin"), TestFontBytes(4096));
  testing::WriteBytes(dir.file("empty.bin"), {});
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  const struct {
    const char* name;
    FileErrorKind kind;
  } refused[] = {{"big.bin", FileErrorKind::Format},
                 {"empty.bin", FileErrorKind::Format},
                 {"fifo", FileErrorKind::AccessDenied},
                 {"", FileErrorKind::AccessDenied},
                 {"missing", FileErrorKind::FileNotFound}};
  for (const auto& r : refused) {
    const FileError err = LoadFontFile(dir.file(r.name), font);
    EXPECT_EQ(err.kind, r.kind) << r.name;
    if (r.kind == FileErrorKind::Format) {
      EXPECT_FALSE(err.reason.empty()) << r.name;
    }
    EXPECT_EQ(font.glyphs.size(), builtIn) << r.name;
    EXPECT_TRUE(font.name.empty()) << r.name;
  }
  testing::WriteBytes(dir.file("slim.ch8"), TestFontBytes(768));
  ASSERT_FALSE(LoadFontFile(dir.file("slim.ch8"), font));
  EXPECT_EQ(font.name, "slim.ch8");
  EXPECT_EQ(font.glyphs.size(), 96u);
}

TEST(BuiltInFont, DrawsAsciiAndTheRussianAlphabet) {
  const Font font = BuiltInFont();
  std::u32string all;
  for (char32_t c = 32; c <= 126; ++c) all += c;
  for (char32_t c = U'А'; c <= U'я'; ++c) all += c;
  all += U"Ёё";
  EXPECT_EQ(font.glyphs.size(), all.size());
  for (const char32_t c : all) {
    const Glyph* g = font.glyph(c);
    ASSERT_TRUE(g) << uint32_t(c);
    int bits = 0;
    for (const uint8_t row : *g) bits += __builtin_popcount(row);
    EXPECT_EQ(bits == 0, c == U' ') << uint32_t(c);
  }
}

struct Lettering : Painting {
  Picture before;
  void SetUp() override {
    Painting::SetUp();
    s.picture = testing::RandomPicture(5, 8);
    SelectMix(s.colours, 2);
    s.shapes.secondMix = 1;
    s.curInstrument = Instrument::Text;
    ASSERT_FALSE(DecodeFont(TestFontBytes(768), s.text.font));
    before = s.picture;
  }
  void type(std::u32string_view chars) { TypeText(s, sink, chars); }
  // The whole Picture's pixels against the text drawn by hand over `before`.
  void expectText(const std::vector<std::u32string>& lines, int ox, int oy) {
    int wrong = 0;
    const int mixes[2] = {s.colours.mix, s.shapes.secondMix};
    for (int y = 0; y < kLines; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const int line = floorDiv(y - oy, 8), n = floorDiv(x - ox, 8);
        const Glyph* g =
            line >= 0 && line < int(lines.size()) && n >= 0 && n < int(lines[size_t(line)].size())
                ? s.text.font.glyph(lines[size_t(line)][size_t(n)])
                : nullptr;
        const bool on = g && (*g)[size_t(y - oy - 8 * line)] & (0x80 >> (x - ox - 8 * n));
        for (int screen = 0; screen < 2; ++screen) {
          bool want = before.pixel(screen, x, y);
          if (g && (on || s.text.opaque)) want = (mixes[on ? 0 : 1] >> (1 - screen)) & 1;
          wrong += bits(x, y, screen) != want;
        }
      }
    EXPECT_EQ(wrong, 0);
  }
};

TEST_F(Lettering, TypesLinesAtTheOriginWithTheCurrentMix) {
  click(10, 20);
  type(U"AB");
  TextReturn(s);
  type(U"c\n~");
  expectText({U"AB", U"c~"}, 10, 20);
  EXPECT_EQ(TextCursor(s), (ImagePoint{26, 28}));
  // A painted cell takes the current colours, one beyond the text keeps its own.
  const int a = attrIndex(1, 24), far = attrIndex(20, 100);
  EXPECT_EQ(s.picture.attrs(0)[a], s.colours.ink0);
  EXPECT_EQ(s.picture.attrs(1)[a + 1], s.colours.pap1);
  EXPECT_EQ(s.picture.attrs(0)[far], before.attrs(0)[far]);
}

TEST_F(Lettering, OpaqueTextPaintsClearBitsInTheSecondMix) {
  s.text.opaque = true;
  click(3, 5);
  type(U"Hi");
  expectText({U"Hi"}, 3, 5);
}

TEST_F(Lettering, ClippedAtTheRightAndBottomEdges) {
  click(250, 188);
  type(U"AB");
  TextReturn(s);
  type(U"C");
  expectText({U"AB", U"C"}, 250, 188);
}

TEST_F(Lettering, BackspaceTakesBackExactlyTheLastCharacter) {
  click(17, 9);
  type(U"AB");
  const Picture twoLetters = s.picture;
  type(U"C");
  TextReturn(s);
  type(U"D");
  TextBackspace(s, sink);
  expectText({U"ABC", U""}, 17, 9);
  TextBackspace(s, sink);  // the empty line
  EXPECT_EQ(TextCursor(s), (ImagePoint{41, 9}));
  TextBackspace(s, sink);
  EXPECT_TRUE(testing::SamePicture(s.picture, twoLetters));
  for (int i = 0; i < 3; ++i) TextBackspace(s, sink);
  EXPECT_TRUE(testing::SamePicture(s.picture, before));
  EXPECT_EQ(TextCursor(s), (ImagePoint{17, 9}));
}

TEST_F(Lettering, LongFontsReachEveryCodeAndMissingCharactersAreSkipped) {
  click(0, 0);
  type(U"\u00C8A\u0416");  // the short font has neither 200 nor Zhe
  expectText({U"A"}, 0, 0);
  ASSERT_FALSE(DecodeFont(TestFontBytes(2048), s.text.font));
  s.picture = before;
  click(8, 0);
  type(U"\u00C8A");
  expectText({U"\u00C8A"}, 8, 0);
}

TEST_F(Lettering, ATextIsOneUndoStepRecordedWhenItCloses) {
  click(40, 40);
  EXPECT_FALSE(CloseText(s)) << "nothing typed, nothing to record";
  click(40, 40);
  type(U"xy");
  TextReturn(s);
  type(U"z");
  // A click elsewhere closes the text with its step and opens another.
  click(100, 100);
  EXPECT_STREQ(EditorRelease(s, sink, PaintContext{}).stepName, "Text");
  EXPECT_TRUE(TextOwnsPicture(s));
  s.picture.setPixel(1, 0, 0, !s.picture.pixel(1, 0, 0));
  EXPECT_FALSE(TextOwnsPicture(s)) << "changed by other means";
  SwapUndoSnapshot(s);
  EXPECT_TRUE(testing::SamePicture(s.picture, before));
}

}  // namespace
}  // namespace cs
