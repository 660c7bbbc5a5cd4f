#include <sys/stat.h>

#include "edit/text_instrument.h"
#include "formats/font_file.h"
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

// The built-in font covers its alphabets; a font file of either layout
// replaces it, anything else leaves it in use.
TEST(FontFile, BuiltInOrReadFromOneOfTheTwoLayouts) {
  Font font = BuiltInFont();
  std::u32string all = U"Ёё";
  for (char32_t c = 32; c <= 126; ++c) all += c;
  for (char32_t c = U'А'; c <= U'я'; ++c) all += c;
  for (const char32_t c : all)
    EXPECT_TRUE(font.glyph(c) && (*font.glyph(c) == Glyph{}) == (c == U' ')) << int(c);
  testing::ScratchDir dir;
  for (const std::size_t size : {0u, 767u, 769u, 2047u, 4096u}) {
    testing::WriteBytes(dir.file("f"), TestFontBytes(size));
    const FileError err = LoadFontFile(dir.file("f"), font);
    EXPECT_TRUE(err.kind == FileErrorKind::Format && !err.reason.empty()) << size;
  }
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  EXPECT_EQ(LoadFontFile(dir.file("fifo"), font).kind, FileErrorKind::AccessDenied);
  EXPECT_EQ(LoadFontFile(dir.path().string(), font).kind, FileErrorKind::AccessDenied);
  EXPECT_TRUE(font.name.empty() && font.glyphs.size() == all.size());
  for (const std::size_t size : {768u, 2048u}) {
    const std::vector<uint8_t> bytes = TestFontBytes(size);
    testing::WriteBytes(dir.file("f.ch8"), bytes);
    ASSERT_FALSE(LoadFontFile(dir.file("f.ch8"), font));
    const char32_t first = size == 768 ? 32 : 0, end = first + char32_t(size / 8);
    EXPECT_TRUE(font.name == "f.ch8" && font.glyphs.size() == size / 8 && !font.glyph(end));
    EXPECT_TRUE(font.glyph(first)->at(0) == bytes[0] && font.glyph(end - 1)->at(7) == bytes[size - 1]);
  }
}

struct Lettering : Painting {
  Picture before;
  void SetUp() override {
    Painting::SetUp();
    s.picture = before = testing::RandomPicture(5, 8);
    SelectMix(s.colours, 2);
    s.shapes.secondMix = 1;
    s.curInstrument = Instrument::Text;
    ASSERT_FALSE(DecodeFont(TestFontBytes(768), s.text.font));
  }
  void type(std::u32string_view chars) { TypeText(s, sink, chars); }
  // Every pixel against the lines drawn by hand over `before` from (ox, oy).
  void expectText(const std::vector<std::u32string>& lines, int ox, int oy) {
    int wrong = 0;
    for (int y = 0; y < kLines; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const int line = floorDiv(y - oy, 8), n = floorDiv(x - ox, 8);
        const bool in =
            line >= 0 && line < int(lines.size()) && n >= 0 && n < int(lines[size_t(line)].size());
        const Glyph* g = in ? s.text.font.glyph(lines[size_t(line)][size_t(n)]) : nullptr;
        const bool on = g && (*g)[size_t(y - oy - 8 * line)] & (0x80 >> (x - ox - 8 * n));
        const int mix = on ? s.colours.mix : s.shapes.secondMix;
        for (int screen = 0; screen < 2; ++screen)
          wrong += bits(x, y, screen) !=
                   (g && (on || s.text.opaque) ? (mix >> (1 - screen)) & 1 : before.pixel(screen, x, y));
      }
    EXPECT_EQ(wrong, 0);
  }
};

TEST_F(Lettering, LinesInTheCurrentMixOrOpaqueClippedAtTheEdges) {
  for (const auto& [x, y, opaque] : {std::tuple{10, 20, false}, {3, 5, true}, {250, 180, false}}) {
    s.picture = before;
    s.text.opaque = opaque;
    click(x, y);
    type(U"AB");
    TextReturn(s);
    type(U"c\n~");
    expectText({U"AB", U"c~"}, x, y);
    EXPECT_EQ(TextCursor(s), (ImagePoint{x + 16, y + 8}));
  }
  // A painted cell takes the current colours.
  const int a = attrIndex(31, 184);
  EXPECT_EQ(s.picture.attrs(0)[a], s.colours.ink0);
  EXPECT_EQ(s.picture.attrs(1)[a + 1], s.colours.pap1);
}

// Backspace and undo take back exactly what the text painted.
TEST_F(Lettering, BackspaceAndUndoTakeTheTextBack) {
  click(17, 9);
  EXPECT_FALSE(CloseText(s)) << "nothing typed, nothing to record";
  click(17, 9);
  type(U"A\u00C8B");  // the short font has no character 200
  const Picture twoLetters = s.picture;
  type(U"C");
  TextReturn(s);
  type(U"D");
  TextBackspace(s, sink);
  TextBackspace(s, sink);  // the empty line
  EXPECT_EQ(TextCursor(s), (ImagePoint{41, 9}));
  TextBackspace(s, sink);
  EXPECT_TRUE(testing::SamePicture(s.picture, twoLetters));
  for (int i = 0; i < 3; ++i) TextBackspace(s, sink);
  EXPECT_TRUE(testing::SamePicture(s.picture, before));
  ASSERT_FALSE(DecodeFont(TestFontBytes(2048), s.text.font));
  type(U"\u00C8");
  expectText({U"\u00C8"}, 17, 9);
  click(100, 100);  // a click elsewhere closes it with its step and opens another
  EXPECT_STREQ(EditorRelease(s, sink, PaintContext{}).stepName, "Text");
  EXPECT_TRUE(TextOwnsPicture(s));
  s.picture.setPixel(1, 0, 0, !s.picture.pixel(1, 0, 0));
  EXPECT_FALSE(TextOwnsPicture(s)) << "changed by other means";
  SwapUndoSnapshot(s);
  EXPECT_TRUE(testing::SamePicture(s.picture, before));
}

}  // namespace
}  // namespace cs
