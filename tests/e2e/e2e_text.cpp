// Lettering under a real X server: a font loaded through the Brush panel, then
// a word, Return, Backspace and Esc typed into a text; Ctrl+S saves what the
// core gives for the same keys, and one Ctrl+Z takes the text back.
#include "colour/palette_actions.h"
#include "e2e_driver.h"
#include "edit/instrument_table.h"
#include "edit/text_instrument.h"
#include "formats/font_file.h"
#include "formats/mgs_file.h"
#include "render/compose.h"

using namespace cs::e2e;

int check() {
  cs::Picture start{.vertSize = 8};
  for (int c = 0; c < cs::kColumns; ++c)
    for (int l = 0; l < cs::kLines; ++l) start.setCellColours(c, l, {1, 6, 2, 4});
  QTemporaryDir dir;
  const QString file = dir.filePath("start.mgs");
  if (cs::SaveMgsFile(file.toStdString(), start)) fail("the start picture was not written");
  // Any file of 768 bytes is a font: a sample screen's attributes.
  const QString fontFile = CHROMASMITH_TESTDATA "/zx-image/example.atr";

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
  const int captionTop = CaptionStripTop(session.shot(), o.y()), keyMiddleY = captionTop - 1 - 41 + 4 + 16;
  session.tool({"windowfocus", "--sync", wid});

  cs::EditorState expect;
  expect.picture = start;
  Driver d(session, o, expect);
  NoSink sink;
  // The group after the current colours: Fill, Text, ..., four option keys, Brush.
  const int keys = int(std::ranges::count(cs::Instruments(), 1, &cs::InstrumentInfo::group));
  d.clickAt(QPoint(892 + 32 * (keys + 4) + 16, keyMiddleY));
  // "Load font..." at the top left of the panel's text area, the panel at its default place.
  d.clickAt(QPoint(800 + 40, captionTop - 1 + 43 + 17 + 250 + 20));
  session.tool({"windowfocus", "--sync", session.findWindow("^Open$")});
  session.tool({"key", "ctrl+a", "type", "--delay", "10", fontFile});
  session.tool({"sleep", "0.2", "key", "Return", "sleep", "0.5", "windowfocus", "--sync", wid});
  if (cs::LoadFontFile(fontFile.toStdString(), expect.text.font)) fail("the font file does not read");

  d.key("4", [&] { cs::ChooseMix(expect, 3); });
  const auto all = cs::Instruments();
  const auto text = std::ranges::find(all, cs::Instrument::Text, &cs::InstrumentInfo::value);
  const auto before = std::count_if(all.begin(), text, [](auto& i) { return i.group == 1; });
  d.clickAt(QPoint(892 + 32 * int(before) + 16, keyMiddleY));
  cs::SetInstrument(expect, cs::Instrument::Text);
  d.click(20, 30);
  const auto type = [&](const char* key) {
    d.key(key, [&] { cs::TypeText(expect, sink, std::u32string(1, char32_t(*key))); });
  };
  // B, I, K and E would show a panel, change the view, choose Fill and turn RGB off.
  for (const char* key : {"b", "i", "k", "e"}) type(key);
  d.key("Return", [&] { cs::TextReturn(expect); });
  for (const char* key : {"o", "k"}) type(key);
  d.key("BackSpace", [&] { cs::TextBackspace(expect, sink); });
  d.key("Escape", [&] { cs::CloseText(expect); });
  session.saveAs(dir.filePath("text.mgs"));
  expectFileBytes(dir.filePath("text.mgs"), cs::EncodeMgs(expect.picture));
  d.key("ctrl+z");
  session.saveAs(dir.filePath("undone.mgs"));
  expectFileBytes(dir.filePath("undone.mgs"), cs::EncodeMgs(start));
  std::printf("the saved file holds the text the core letters; one Ctrl+Z takes it back\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
