// Lettering end to end under a real X server: a font file loaded through the
// Brush panel's "Load font...", the Text instrument chosen by its toolbar
// key, a click, a word whose letters all have rules in the key table, Return,
// two more letters, Backspace and Esc. Ctrl+S saves what the core gives for
// the same keys; one Ctrl+Z takes the whole text back.
#include "colour/palette_actions.h"
#include "e2e_driver.h"
#include "e2e_harness.h"
#include "edit/instrument_table.h"
#include "edit/text_instrument.h"
#include "formats/font_file.h"
#include "formats/mgs_file.h"
#include "render/compose.h"

using namespace cs::e2e;

// The toolbar key of an instrument of the group after the current colours.
int GroupKeyLeft(cs::Instrument n) {
  int x = 892;
  for (const cs::InstrumentInfo& i : cs::Instruments()) {
    if (i.group != 1) continue;
    if (i.value == n) return x;
    x += 32;
  }
  return x;  // past the instruments: the first option key, "Filled shapes"
}

int check() {
  cs::Picture start{.vertSize = 8};
  for (int c = 0; c < cs::kColumns; ++c)
    for (int l = 0; l < cs::kLines; ++l) start.setCellColours(c, l, {1, 6, 2, 4});
  QTemporaryDir dir;
  const QString file = dir.filePath("start.mgs");
  if (cs::SaveMgsFile(file.toStdString(), start)) fail("the start picture was not written");
  const QString fontFile = dir.filePath("e2e.ch8");
  {
    QFile f(fontFile);
    QByteArray bytes(768, 0);
    for (int i = 0; i < 768; ++i) bytes[i] = char(i * 37 + (i >> 3) * 11 + 1);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != 768) fail("the font file was not written");
  }

  Session session("e2e_text_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, file);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + file);
  cs::ComposedImages shown;
  cs::ComposePicture(start, cs::ColourTables{}, shown);
  const Expect e{&shown.composite, kScale, 8, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, e, QRect(0, 0, 1920 - 1023, 1080 - 767), QRect(0, 0, 1920, 1080));
      },
      "the start picture is not on the screen");
  const int captionTop = CaptionStripTop(session.shot(), o.y());
  const int keyMiddleY = captionTop - 1 - 41 + 4 + 16;
  session.tool({"windowfocus", "--sync", wid});

  cs::EditorState expect;
  expect.picture = start;
  Driver d(session, o, expect);
  NoSink sink;
  // The Brush panel by its key, at its default place; "Load font..." at the
  // top left of its text area.
  d.clickAt(QPoint(GroupKeyLeft(cs::Instrument(254)) + 4 * 32 + 16, keyMiddleY));
  d.clickAt(QPoint(800 + 40, captionTop - 1 + 43 + 17 + 250 + 20));
  for (const QStringList& step : {QStringList{"windowfocus", "--sync", session.findWindow("^Open$")},
                                  {"key", "ctrl+a"},
                                  {"type", "--delay", "10", fontFile},
                                  {"sleep", "0.2"},
                                  {"key", "Return"},
                                  {"sleep", "0.5"},
                                  {"windowfocus", "--sync", wid}})
    session.tool(step);
  if (cs::LoadFontFile(fontFile.toStdString(), expect.text.font)) fail("the font file does not read");

  d.key("4", [&] { cs::ChooseMix(expect, 3); });
  d.clickAt(QPoint(GroupKeyLeft(cs::Instrument::Text) + 16, keyMiddleY));
  cs::SetInstrument(expect, cs::Instrument::Text);
  d.click(20, 30);
  const auto type = [&](const char* key, char32_t c) {
    d.key(key, [&] { cs::TypeText(expect, sink, std::u32string(1, c)); });
  };
  // B, I, K and E would show a panel, change the view, choose Fill and turn
  // the RGB mode off.
  for (const char c : std::string("bike")) type(std::string(1, c).c_str(), char32_t(c));
  d.key("Return", [&] { cs::TextReturn(expect); });
  type("o", U'o');
  type("k", U'k');
  d.key("BackSpace", [&] { cs::TextBackspace(expect, sink); });
  d.key("Escape", [&] { cs::CloseText(expect); });
  if (expect.picture.planes == start.planes) fail("the text changed nothing");

  session.saveAs(dir.filePath("text.mgs"));
  expectFileBytes(dir.filePath("text.mgs"), cs::EncodeMgs(expect.picture));
  std::printf("the saved file holds the text the core letters\n");
  d.key("ctrl+z");
  session.saveAs(dir.filePath("undone.mgs"));
  expectFileBytes(dir.filePath("undone.mgs"), cs::EncodeMgs(start));
  std::printf("one Ctrl+Z takes the text back\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
