// Low-flicker painting in a real X server, driven by X input: turned on from
// the Edit menu, a pen line (a click, then a click with Shift) across a flat
// black area in white on screen 0 and black on screen 1. Ctrl+S saves what
// the painting rules and the balancing give for the same input: the mix of
// the same line without it, and less flicker. One Ctrl+Z takes back the line
// and its exchanges together.
#include "colour/flicker.h"
#include "e2e_driver.h"

using namespace cs::e2e;

int check() {
  // The top two thirds black; the bottom third's cells white on screen 0 and
  // black on screen 1 in all four roles, pixels clear.
  cs::Picture start{.vertSize = 8};
  for (int c = 0; c < cs::kColumns; ++c)
    for (int y = 128; y < cs::kLines; ++y)
      start.attrs(0)[cs::attrIndex(c, y)] = start.attrs(0)[cs::attrIndex(c, y) + 1] = 14;
  QTemporaryDir dir;
  Session session("e2e_low_flicker_last.png");
  const EditorOnScreen editor = StartEditorOn(session, start, dir);
  const QString wid = editor.window;
  const QPoint o = editor.origin;
  // Edit > "Low-flicker painting", the last item open without a selection.
  clickAt(session, session.poll<QPoint>([](const Screen& s) { return MenuTitle(s, 1); }, "no Edit menu"));
  for (const char* k : {"Up", "Return"}) act(session, {"key", k});

  // A right click picks a bottom cell's colours, then the line: the same
  // input to the editor and, with and without balancing, to the core.
  const QPoint pick(402, 682), from(14, 162), to(1002, 282);  // picture pixels (100, 170), (3, 40), (250, 70)
  act(session, QStringList{"mousemove"} + at(o + pick) + QStringList{"click", "3"});
  act(session, QStringList{"mousemove"} + at(o + from) + QStringList{"click", "1", "keydown", "shift"});
  act(session, QStringList{"mousemove"} + at(o + to) + QStringList{"click", "1", "keyup", "shift"});
  cs::EditorState on, off;
  on.picture = off.picture = start;
  cs::Picture afterClick;
  NoSink sink;
  for (cs::EditorState* s : {&on, &off}) {
    cs::EditorPress(*s, sink, cs::MouseButton::Right, false, pick.x(), pick.y());
    for (const QPoint p : {from, to}) {
      const cs::Picture before = s->picture;
      cs::EditorPress(*s, sink, cs::MouseButton::Left, p == to, p.x(), p.y());
      if (s == &on) cs::BalanceTouchedCells(s->picture, before, cs::ComputeMixTable());
      if (s == &on && p == from) afterClick = s->picture;
    }
  }
  session.saveAs(dir.filePath("line.mgs"));
  expectFileBytes(dir.filePath("line.mgs"), cs::EncodeMgs(on.picture));
  cs::ComposedImages a, b;
  cs::ComposePicture(on.picture, cs::ColourTables{}, a);
  cs::ComposePicture(off.picture, cs::ColourTables{}, b);
  if (!std::equal(a.composite.data(), a.composite.data() + 512 * 384, b.composite.data()))
    fail("the mix differs from the line painted without it");
  std::printf("flicker %.2f, without low-flicker painting %.2f\n", cs::FlickerScore(on.picture),
              cs::FlickerScore(off.picture));
  if (!(cs::FlickerScore(on.picture) < cs::FlickerScore(off.picture)))
    fail("the picture does not flicker less");

  act(session, {"key", "--window", wid, "ctrl+z"});
  session.saveAs(dir.filePath("undone.mgs"));
  expectFileBytes(dir.filePath("undone.mgs"), cs::EncodeMgs(afterClick));
  std::printf("one Ctrl+Z takes back the line and its exchanges\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
