// Low-flicker painting in a real X server, driven by X input: turned on from
// the Edit menu, a pen line (a click, then a click with Shift) across a flat
// black area in white on screen 0 and black on screen 1. Ctrl+S saves what
// the painting rules and the balancing give for the same input: the mix of
// the same line without it, and less flicker. One Ctrl+Z takes back the line
// and its exchanges together.
#include <QFileInfo>

#include "colour/flicker.h"
#include "e2e_harness.h"
#include "edit/instruments.h"
#include "formats/mgs_file.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

constexpr int kScale = 4;  // zoom level 1

// The top two thirds black on both screens; the bottom third's cells white
// on screen 0 and black on screen 1 in all four roles, pixels clear.
cs::Picture startPicture() {
  cs::Picture pic;
  pic.vertSize = 8;
  for (int c = 0; c < cs::kColumns; ++c)
    for (int y = 128; y < cs::kLines; ++y) {
      pic.attrs(0)[cs::attrIndex(c, y)] = 14;
      pic.attrs(0)[cs::attrIndex(c, y) + 1] = 14;
    }
  return pic;
}

bool sameMix(const cs::Picture& a, const cs::Picture& b) {
  cs::ComposedImages x, y;
  cs::ComposePicture(a, cs::ColourTables{}, x);
  cs::ComposePicture(b, cs::ColourTables{}, y);
  return std::equal(x.composite.data(), x.composite.data() + 512 * 384, y.composite.data());
}

}  // namespace

int check() {
  QTemporaryDir dir;
  const QString start = dir.filePath("start.mgs");
  if (cs::SaveMgsFile(start.toStdString(), startPicture())) fail("the start picture was not written");
  const cs::MixTable mix = cs::ComputeMixTable();

  Session session("e2e_low_flicker_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, start);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + start);
  session.tool({"windowfocus", "--sync", wid});
  cs::ComposedImages shown;
  cs::ComposePicture(startPicture(), cs::ColourTables{}, shown);
  const Expect e{&shown.composite, kScale, 8, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, e, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080));
      },
      "the start picture is not on the screen");

  // Edit > "Low-flicker painting", the menu's last item.
  clickAt(session, session.poll<QPoint>([](const Screen& s) { return MenuTitle(s, 1); }, "no Edit menu"));
  for (const char* k : {"Up", "Return"}) act(session, {"key", k});

  // The same input to the editor and to the painting rules: a right click
  // picks a bottom cell's colours, then the line.
  cs::EditorState on, off;
  on.picture = off.picture = startPicture();
  NoSink sink;
  const auto image = [&](int x, int y) { return QPoint(x * kScale + 2, y * kScale + 2); };
  const QPoint pick = image(100, 170), from = image(3, 40), to = image(250, 70);
  act(session, QStringList{"mousemove"} + at(o + pick) + QStringList{"click", "3"});
  act(session, QStringList{"mousemove"} + at(o + from) + QStringList{"click", "1"});
  act(session, {"keydown", "shift"});
  act(session, QStringList{"mousemove"} + at(o + to) + QStringList{"click", "1"});
  act(session, {"keyup", "shift"});
  cs::Picture afterClick;
  for (cs::EditorState* s : {&on, &off}) {
    cs::EditorPress(*s, sink, cs::MouseButton::Right, false, pick.x(), pick.y());
    for (bool shift : {false, true}) {
      const cs::Picture before = s->picture;
      const QPoint p = shift ? to : from;
      cs::EditorPress(*s, sink, cs::MouseButton::Left, shift, p.x(), p.y());
      if (s == &on) cs::BalanceTouchedCells(s->picture, before, mix);
      if (s == &on && !shift) afterClick = s->picture;
    }
  }
  session.saveAs(dir.filePath("line.mgs"));
  expectFileBytes(dir.filePath("line.mgs"), cs::EncodeMgs(on.picture));
  if (!sameMix(on.picture, off.picture)) fail("the mix differs from the line painted without it");
  const double score = cs::FlickerScore(on.picture), plain = cs::FlickerScore(off.picture);
  std::printf("flicker score %.2f, without low-flicker painting %.2f\n", score, plain);
  if (!(score < plain)) fail("the saved picture does not flicker less");

  act(session, {"key", "--window", wid, "ctrl+z"});
  session.saveAs(dir.filePath("undone.mgs"));
  expectFileBytes(dir.filePath("undone.mgs"), cs::EncodeMgs(afterClick));
  std::printf("one Ctrl+Z takes back the line and its exchanges\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
