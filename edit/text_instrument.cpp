#include "edit/text_instrument.h"

namespace cs {

namespace {

// Whether a character is one a key types: control characters (Return, Tab,
// Backspace, Esc, Delete) have keys of their own.
bool printable(char32_t c) { return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0); }

// One glyph with its top-left at picture pixel (x0, y0), clipped at the
// picture's edges: set bits in the current mix, clear bits in the second mix
// for opaque text and untouched otherwise.
void paintGlyph(EditorState& s, PaintSink& sink, const Glyph& g, int x0, int y0) {
  const int scale = s.view.pixelScale();
  const int second = s.shapes.secondMix & 3;
  for (int r = 0; r < 8; ++r) {
    const int y = y0 + r;
    if (y < 0 || y >= kLines) continue;
    for (int b = 0; b < 8; ++b) {
      const int x = x0 + b;
      if (x < 0 || x >= kWidth) continue;
      const bool on = g[size_t(r)] & (0x80 >> b);
      if (!on && !s.text.opaque) continue;
      const PointInfo p = MapPosition(s, x * scale, y * scale);
      if (on)
        WritePoint(s, sink, p, s.colours.bit0, s.colours.bit1);
      else
        WritePoint(s, sink, p, second >> 1, second & 1);
    }
  }
}

void paintCharacter(EditorState& s, PaintSink& sink, size_t line, size_t n) {
  const TextState& t = s.text;
  if (const Glyph* g = t.font.glyph(t.lines[line][n]))
    paintGlyph(s, sink, *g, t.x + 8 * int(n), t.y + 8 * int(line));
}

class Text : public InstrumentUnit {
 public:
  void press(EditorState& s, PaintSink&, MouseButton button, bool, int X, int Y, PressResult& r) override {
    if (button != MouseButton::Left) return;
    const PointInfo p = MapPosition(s, X, Y);
    // The window records the closed text's step on the release.
    OpenText(s, p.pixelX(), p.line);
    r.refreshView = true;
  }
  RubberBand band(const EditorState& s, ImagePoint) const override { return TextCursorBand(s); }
  void move(EditorState& s, PaintSink&, bool leftHeld, int X, int Y, MoveResult& r) override {
    if (leftHeld) return;
    r.hover = true;
    r.hoverPoint = MapPosition(s, X, Y);
  }
};

}  // namespace

InstrumentUnit& TextUnit() {
  static Text unit;
  return unit;
}

void OpenText(EditorState& s, int x, int y) {
  CloseText(s);
  TextState& t = s.text;
  t.open = true;
  t.typed = false;
  t.x = x;
  t.y = y;
  t.lines.assign(1, {});
  t.before = s.picture;
  t.after = s.picture;
}

bool CloseText(EditorState& s) {
  TextState& t = s.text;
  if (!t.open) return false;
  t.open = false;
  t.lines.clear();
  return t.typed && !(s.picture.planes == t.before.planes);
}

void TypeText(EditorState& s, PaintSink& sink, std::u32string_view chars) {
  TextState& t = s.text;
  if (!t.open) return;
  for (const char32_t c : chars) {
    if (!printable(c) || !t.font.glyph(c)) continue;
    if (!t.typed) {
      TakeUndoSnapshot(s);
      t.typed = true;
    }
    t.lines.back().push_back(c);
    paintCharacter(s, sink, t.lines.size() - 1, t.lines.back().size() - 1);
  }
  t.after = s.picture;
}

void TextReturn(EditorState& s) {
  if (s.text.open) s.text.lines.emplace_back();
}

void TextBackspace(EditorState& s, PaintSink& sink) {
  TextState& t = s.text;
  if (!t.open) return;
  if (t.lines.back().empty()) {
    if (t.lines.size() > 1) t.lines.pop_back();
    return;
  }
  t.lines.back().pop_back();
  // Overlapping glyphs and the cells' colours leave no way to take one
  // character off alone: the text is drawn again over the Picture before it.
  s.picture.planes = t.before.planes;
  for (size_t line = 0; line < t.lines.size(); ++line)
    for (size_t n = 0; n < t.lines[line].size(); ++n) paintCharacter(s, sink, line, n);
  t.after = s.picture;
}

bool TextOwnsPicture(const EditorState& s) { return s.text.open && s.picture.planes == s.text.after.planes; }

ImagePoint TextCursor(const EditorState& s) {
  const TextState& t = s.text;
  if (t.lines.empty()) return {t.x, t.y};
  return {t.x + 8 * int(t.lines.back().size()), t.y + 8 * int(t.lines.size() - 1)};
}

RubberBand TextCursorBand(const EditorState& s) {
  if (!s.text.open) return {};
  const int k = s.view.pixelScale();
  const ImagePoint c = TextCursor(s);
  const int x = c.x * k + k / 2;
  return {RubberBand::Kind::Line, {x, c.y * k + k / 2}, {x, (c.y + 7) * k + k / 2}};
}

}  // namespace cs
