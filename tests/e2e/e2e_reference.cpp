// The reference image with real X input: opened from the View menu, its
// opacity typed into the Reference panel, moved by a drag with Move down;
// the editor image shows the blend; Z hides it; a stroke saves the file the
// painting rules give; the picture closed and opened again brings it back.
#include <QFileInfo>

#include "e2e_harness.h"
#include "edit/instruments.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

constexpr int kScale = 4;    // zoom level 1
const QPoint kShift(10, 5);  // the drag, in picture pixels

// Waits until the editor image at `o` shows `composite` with `ref` (256 x
// 192, so fitted pixel for pixel), moved by `shift`, over it at `opacity`
// percent (no `ref`: the picture alone), to one level per channel; pixels in
// `skip` aside.
void expectShown(Session& session, QPoint o, const cs::RgbImage& composite, const QImage* ref, QPoint shift,
                 int opacity, QRect skip, const char* what) {
  session.poll<bool>(
      [&](const Screen& s) -> std::optional<bool> {
        for (int y = 0; y < 192; ++y)
          for (int x = 0; x < 256; ++x) {
            const QPoint at = o + QPoint(x * kScale + 2, y * kScale + 2), r = QPoint(x, y) - shift;
            const bool over = ref && QRect(0, 0, 256, 192).contains(r);
            const uint32_t pic = composite.at(x, y), c = over ? ref->pixel(r) : 0, got = s.at(at.x(), at.y());
            for (int bits : {16, 8, 0}) {
              const double p = (pic >> bits) & 0xFF,
                           want = over ? p + (((c >> bits) & 0xFF) - p) * opacity / 100 : p;
              if (!skip.contains(at) && std::abs(double((got >> bits) & 0xFF) - want) > 1.0)
                return std::nullopt;
            }
          }
        return true;
      },
      QString("not ") + what);
  std::printf("%s\n", what);
}

}  // namespace

int check() {
  const QTemporaryDir dir;
  const cs::Picture pic =
      LoadSample(QFileInfo(CHROMASMITH_TESTDATA "/zx-image/example.mg4").absoluteFilePath());
  const QString start = dir.filePath("a.mgs"), with = dir.filePath("b.mgs"), refPath = dir.filePath("r.png");
  QImage ref(256, 192, QImage::Format_RGB32);  // ramps of every channel
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) ref.setPixel(x, y, qRgb(x, (y * 4) & 255, (x ^ y) & 255));
  if (cs::SaveMgsFile(start.toStdString(), pic) || !ref.save(refPath)) fail("cannot write the test's files");
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);

  Session session("e2e_reference_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, start);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + start);
  const Expect plain{&images.composite, kScale, pic.vertSize, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) { return locate(s, plain, QRect(0, 0, 897, 313), QRect(0, 0, 1920, 1080)); },
      "the picture is not on the screen");

  // View > "Reference image..." (the second item from the end that can be
  // chosen), the name typed into the dialog.
  clickAt(session, session.poll<QPoint>([](const Screen& s) { return MenuTitle(s, 2); }, "no View menu"));
  for (const char* k : {"Up", "Up", "Return"}) act(session, {"key", k});
  session.tool({"windowfocus", "--sync", session.findWindow("^Open$")});
  for (const QStringList& step : {QStringList{"key", "ctrl+a"}, {"type", refPath}, {"key", "Return"}})
    act(session, step);
  // The panel at its default place in the work area, over part of the image.
  const QPoint panel(780, CaptionStripTop(session.shot(), o.y()) - 1 + 470);
  const QRect covered(panel, QSize(218, 196));

  // 70 typed into the opacity field; Move, a drag, Move again.
  clickAt(session, panel + QPoint(130, 34));
  for (const QStringList& step : {QStringList{"key", "ctrl+a"}, {"type", "70"}, {"key", "Return"}})
    act(session, step);
  const QPoint moveKey = panel + QPoint(57, 174), from = o + QPoint(242, 242);
  clickAt(session, moveKey);
  act(session, QStringList{"mousemove"} + at(from) + QStringList{"mousedown", "1"});
  for (int i = 1; i <= 5; ++i) act(session, QStringList{"mousemove"} + at(from + kShift * kScale * i / 5));
  act(session, {"mouseup", "1"});
  clickAt(session, moveKey);
  expectShown(session, o, images.composite, &ref, kShift, 70, covered,
              "moved: the picture and the reference at 70 %");
  act(session, {"key", "z"});
  expectShown(session, o, images.composite, nullptr, {}, 0, covered, "Z: the picture alone");

  // A stroke with the reference shown saves what the painting rules give.
  act(session, {"key", "z"});
  cs::EditorState painted;
  painted.picture = pic;
  NoSink sink;
  for (int i = 0; i <= 12; ++i) {
    const QPoint p((10 + 3 * i) * kScale + 1, (150 + i) * kScale + 1);
    clickAt(session, o + p);
    cs::EditorPress(painted, sink, cs::MouseButton::Left, false, p.x(), p.y());
  }
  session.saveAs(with);
  if (painted.picture.planes == pic.planes) fail("the stroke paints nothing");
  expectFileBytes(with, cs::EncodeMgs(painted.picture));
  std::printf("the stroke saves the file it would without the reference\n");

  // Closed, the picture opened again: the reference is back where it was.
  requestClose(session.display(), wid);
  for (int i = 0; i < 100; ++i, QThread::msleep(100)) {  // until it has ended and so written its entry
    QFile stat(QString("/proc/%1/stat").arg(session.editorPid(0)));
    if (!stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ")) break;
  }
  session.startEditor(CHROMASMITH_EXE, with);
  session.waitForWindow("chromaSmith x0.94 - " + with);
  cs::ComposePicture(painted.picture, cs::ColourTables{}, images);
  expectShown(session, o, images.composite, &ref, kShift, 70, {},
              "reopened: the reference is back where it was");
  std::printf("PASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
