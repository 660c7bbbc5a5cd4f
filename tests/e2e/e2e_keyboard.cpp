// The keyboard end to end under a real X server, with real X key events:
// O held down moves the pointer in growing steps while the server repeats
// it, and a release starts again at one pixel; P steps right and takes the
// pen; Shift+1 selects mix 0 and the keypad's digits do nothing; Space
// paints the pixel under the pointer as one undo step; Ctrl+S saves without
// taking the Select instrument. The saved file must hold exactly that.
#include <QFile>
#include <random>

#include "e2e_harness.h"
#include "edit/instruments.h"
#include "formats/formats.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

constexpr int kScale = 4;  // zoom level 1

QPoint pointer(Session& s) {
  const QStringList f = QString::fromLatin1(s.toolOutput({"getmouselocation"})).split(' ');
  return {f.value(0).mid(2).toInt(), f.value(1).mid(2).toInt()};
}

}  // namespace

int check();

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }

int check() {
  QTemporaryDir out;
  const QString start = out.filePath("start.mgs"), first = out.filePath("first.mgs"),
                second = out.filePath("second.mgs");
  cs::EditorState expect;
  std::mt19937 rng(7);
  for (auto& byte : expect.picture.planes) byte = uint8_t(rng());
  for (int i = cs::kPixelBlockSize; i < cs::kPlanesSize; ++i) expect.picture.planes[size_t(i)] %= 15;
  expect.picture.vertSize = 8;
  // Pixels (40, 40) and (41, 40) have both bits set, so a pen point in mix 0
  // shows in the file.
  for (int x : {40, 41})
    for (int screen : {0, 1}) expect.picture.setPixel(screen, x, 40, true);
  if (cs::SaveMgsFile(start.toStdString(), expect.picture)) fail("cannot write " + start);

  Session session("e2e_keyboard_last.png");
  session.startXvfb();
  // The server repeats a held key after 300 ms, then 8 times a second.
  session.command("xset", {"r", "rate", "300", "8"});
  session.startEditor(CHROMASMITH_EXE, start);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + start);
  cs::ComposedImages images;
  cs::ComposePicture(expect.picture, cs::ColourTables{}, images);
  const Expect plain{&images.composite, kScale, 8, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& scr) {
        return locate(scr, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080));
      },
      "the picture is not on the screen");
  session.tool({"windowfocus", "--sync", wid});

  // O held: steps of 1, 2, 3, 4, 5, 6, 6 ... picture pixels to the left.
  const QPoint home = o + QPoint(200 * kScale + 2, 100 * kScale + 2);
  act(session, {"mousemove", QString::number(home.x()), QString::number(home.y())});
  std::vector<int> xs{pointer(session).x()};
  session.tool({"keydown", "o"});
  QElapsedTimer held;
  held.start();
  while (held.elapsed() < 1500) {
    const int x = pointer(session).x();
    if (x != xs.back()) xs.push_back(x);
    QThread::msleep(10);
  }
  act(session, {"keyup", "o"});
  QStringList steps;
  for (size_t i = 1; i < xs.size(); ++i) steps << QString::number((xs[i - 1] - xs[i]) / kScale);
  const int released = pointer(session).x();
  act(session, {"key", "o"});
  steps << QString::number((released - pointer(session).x()) / kScale);
  std::printf("steps while O was held, then once more: %s\n", qPrintable(steps.join(' ')));
  if (steps.size() < 8 || steps.mid(0, 7).join(' ') != "1 2 3 4 5 6 6" || steps.last() != "1")
    fail("O did not step by 1 2 3 4 5 6 6 ... and then 1 after its release");

  // Mix 3, then Shift+1 for mix 0; the keypad's 4 and 0 change nothing.
  // S takes the Select instrument and P the pen again, stepping right.
  const QPoint a = o + QPoint(39 * kScale + 2, 40 * kScale + 2);
  act(session, {"mousemove", QString::number(a.x()), QString::number(a.y())});
  for (const char* k : {"4", "shift+1", "KP_4", "KP_0", "s", "p"}) act(session, {"key", k});
  if (pointer(session) != a + QPoint(kScale, 0)) fail("P did not step the pointer one picture pixel right");
  // Space paints (40, 40) in mix 0, Ctrl+Z takes it back; then the file.
  act(session, {"key", "space"});
  act(session, {"key", "ctrl+z"});
  session.saveAs(first);
  // Still the pen after Ctrl+S: 7 steps right and Space paints (41, 40).
  act(session, {"key", "7"});
  act(session, {"key", "space"});
  session.saveAs(second);
  // What the painting rules make of that point: the pen in mix 0 with the
  // start-up colours, in both edit modes.
  cs::EditorState painted;
  painted.picture = expect.picture;
  cs::SelectMix(painted.colours, 0);
  NoSink sink;
  cs::EditorPress(painted, sink, cs::MouseButton::Left, false, 41 * kScale + 2, 40 * kScale + 2);
  for (int screen : {0, 1})
    if (painted.picture.pixel(screen, 41, 40)) fail("the painting rules left pixel (41, 40) set");

  for (const auto& [name, want] : {std::pair{first, &expect.picture}, std::pair{second, &painted.picture}}) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) fail("nothing was saved at " + name);
    cs::Picture got;
    const QByteArray bytes = f.readAll();
    if (cs::DecodeMgs({reinterpret_cast<const uint8_t*>(bytes.data()), size_t(bytes.size())}, got))
      fail(name + " does not decode");
    if (got.planes != want->planes) {
      QStringList differ;
      for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
          for (int screen : {0, 1})
            if (got.pixel(screen, x, y) != want->pixel(screen, x, y))
              differ << QString("(%1, %2) on screen %3").arg(x).arg(y).arg(screen);
      fail(name + " does not hold the expected picture; pixels that differ: " + differ.mid(0, 8).join(", "));
    }
  }
  std::printf("both saves hold exactly the expected pictures\nPASS\n");
  return 0;
}
