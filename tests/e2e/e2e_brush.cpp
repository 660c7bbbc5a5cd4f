// Brushes and stamps under X input: ] three times and a stroke, a stamp from a
// selection (Edit > "Brush from selection") painted twice; each Ctrl+S saves what
// the painting rules give, and one Ctrl+Z takes back the stroke and the last stamp.
#include "colour/palette_actions.h"
#include "e2e_driver.h"
#include "edit/brush.h"

using namespace cs::e2e;

int check() {
  // Cells in four distinct mixed colours, pixels of all four mixes in the stamp's.
  cs::Picture start{.vertSize = 8};
  for (int c = 0; c < cs::kColumns; ++c)
    for (int l = 0; l < cs::kLines; ++l) start.setCellColours(c, l, {1, 6, 2, 4});
  for (int l = 16; l < 32; ++l)
    for (int c = 2; c < 4; ++c) {
      start.pixels(0)[cs::pixelIndex(c, l)] = uint8_t(0xF0 >> (l % 4));
      start.pixels(1)[cs::pixelIndex(c, l)] = uint8_t(0x3C << (l % 3));
    }
  QTemporaryDir dir;
  Session session("e2e_brush_last.png");
  const EditorOnScreen on = StartEditorOn(session, start, dir);

  cs::EditorState expect;
  expect.picture = start;
  Driver d(session, on.origin, expect);
  const auto saved = [&](const char* name, const cs::Picture& want) {
    session.saveAs(dir.filePath(name));
    expectFileBytes(dir.filePath(name), cs::EncodeMgs(want));
  };
  // A stroke with the brush three sizes larger, in mix 3.
  for (int i = 0; i < 3; ++i)
    d.key("bracketright", [&] { cs::SetBrushSize(expect.brush, expect.brush.size + 1); });
  d.key("4", [&] { cs::ChooseMix(expect, 3); });
  d.drag({{60, 100}, {64, 102}, {70, 106}, {78, 112}, {90, 112}});
  d.key("ctrl+z");
  saved("stroke-undone.mgs", start);
  d.key("ctrl+z");  // back again: the last file holds the stroke too

  // The stamp: the cells of the pixels, selected, then Edit's last item.
  d.key("s", [&] { cs::SetInstrument(expect, cs::Instrument::Select); });
  d.drag({{17, 17}, {24, 24}, {30, 30}});
  d.clickAt(session.poll<QPoint>([](const Screen& s) { return MenuTitle(s, 1); }, "no second menu title"));
  d.key("Up");
  d.key("Return", [&] { cs::StampFromSelection(expect); });
  d.clickAt(QPoint(356 + 16, on.keyMiddleY));  // the pen's key
  cs::SetInstrument(expect, cs::Instrument::Paint);
  d.click(150, 60);
  const cs::Picture oneStamp = expect.picture;
  d.click(250, 185);  // clipped at the right and the bottom
  saved("stamps.mgs", expect.picture);
  d.key("ctrl+z");
  saved("stamps-undone.mgs", oneStamp);
  std::printf("the stroke and the stamps are saved as the rules paint them, one Ctrl+Z takes back each\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
