// Feeds arbitrary bytes to the font file reader: a refused input leaves the
// font as it was, an accepted one gives each of its 8-byte glyphs to the code
// point of its position. An accepted font then letters the input's bytes at
// an origin the input chooses, which must stay inside the Picture's planes.
#include <cstdlib>
#include <span>
#include <string>

#include "edit/text_instrument.h"
#include "formats/font_file.h"

namespace {

struct NoSink : cs::PaintSink {
  void redrawCell(int, int, int) override {}
  void showPaintedPoint(const cs::PointInfo&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static cs::EditorState s;
  NoSink sink;
  cs::Font font;
  font.name = "kept";
  const std::span<const uint8_t> bytes(data, size);
  if (cs::DecodeFont(bytes, font)) {
    if (font.name != "kept" || !font.glyphs.empty()) std::abort();
    return 0;
  }
  const char32_t first = size == cs::kFontFileShort ? 32 : 0;
  if (font.glyphs.size() != size / 8) std::abort();
  for (std::size_t i = 0; i < size; ++i)
    if (font.glyph(first + char32_t(i / 8))->at(i % 8) != data[i]) std::abort();
  s.text.font = std::move(font);
  cs::OpenText(s, data[0] % cs::kWidth, data[1] % cs::kLines);
  std::u32string line;
  for (std::size_t i = 2; i < 40; ++i) line += char32_t(data[i]);
  cs::TypeText(s, sink, line);
  cs::TextReturn(s);
  cs::TypeText(s, sink, line);
  cs::TextBackspace(s, sink);
  cs::CloseText(s);
  return 0;
}
