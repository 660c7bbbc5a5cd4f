// End to end under a real X server: starts Xvfb on a free display, starts the
// editor with a sample picture, waits for its window by caption and checks
// the screen: the editor image is the picture's composition magnified 4
// times; after the key G the char grid lies over it; after a press on the
// zoom key x2 it is magnified 8 times around the same centre; V shows the
// preview window, and a drag of its caption strip through far-away places
// moves it by exactly the mouse's travel. Any missing tool or mismatch fails
// the test; the last screenshot is kept for a look.
#include <QFileInfo>

#include "e2e_harness.h"
#include "formats/formats.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg4";

}  // namespace

int check();

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  try {
    return check();
  } catch (const Failure& f) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(f.why));
    return 1;
  }
}

int check() {
  const QString sample = QFileInfo(kSample).absoluteFilePath();
  const cs::Picture pic = LoadSample(sample);
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);
  const int h = pic.vertSize;

  Session session;
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, sample);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + sample);
  std::printf("window %s\n", qPrintable(wid));

  // 1. The picture at zoom level 1: every pixel of the 1024 x 768 image.
  const Expect plain{&images.composite, 4, h, false};
  const QRect screenRect(0, 0, 1920, 1080);
  const QPoint o1 = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), screenRect);
      },
      "the composed picture at scale 4 is not on the screen");
  std::printf("editor image at %d,%d, scale 4\n", o1.x(), o1.y());

  // 2. G switches the char grid on: lines every 32 pixels across and 16 down.
  session.tool({"key", "--window", wid, "g"});
  const Expect gridded{&images.composite, 4, h, true};
  const QRect image1(o1, QSize(1024, 768));
  session.poll<bool>(
      [&](const Screen& s) -> std::optional<bool> {
        if (locate(s, gridded, QRect(o1, QSize(1, 1)), image1)) return true;
        return std::nullopt;
      },
      "after G the char grid is not over the picture");
  std::printf("char grid shown after G\n");

  // 3. The zoom key x2 (KEY_Zoom2_1, x 36..67 of the toolbar just above the
  // picture window's sky-blue caption strip).
  const Screen before = session.shot();
  int stripTop = -1;
  for (int y = 0; y < o1.y() && stripTop < 0; ++y)
    if (before.at(8, y) == 0xA6CAF0) stripTop = y;
  if (stripTop < 0) fail("the picture window's caption strip was not found");
  const int toolbarTop = stripTop - 1 - 41;  // the panel's border, then the 41-pixel toolbar
  session.tool({"mousemove", "52", QString::number(toolbarTop + 4 + 16), "click", "1"});
  const Expect zoomed{&images.composite, 8, h, true};
  const QPoint o2 = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, zoomed, QRect(o1.x() - 2048, o1.y() - 1536, 2049, 1537), image1);
      },
      "after the zoom key the picture is not shown at scale 8");
  std::printf("editor image at %d,%d, scale 8\n", o2.x(), o2.y());
  // The picture point that was in the middle is still there.
  const QPointF middle(o1.x() + 512, o1.y() + 384);
  const double cx = (middle.x() - o2.x()) / 8.0, cy = (middle.y() - o2.y()) / 8.0;
  if (std::abs(cx - 128) > 1.5 || std::abs(cy - 96) > 1.5)
    fail(QString("zoom moved the centre to %1,%2").arg(cx).arg(cy));

  // 4. V shows the preview window: the whole picture at 2:1, no grid.
  session.tool({"key", "--window", wid, "v"});
  const Expect preview{&images.composite, 2, h, false};
  const QPoint p1 = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, preview, QRect(0, 0, 1920 - 512 + 1, 1080 - 384 + 1), screenRect);
      },
      "after V the preview is not on the screen");
  std::printf("preview at %d,%d\n", p1.x(), p1.y());

  // 5. Dragging its caption strip through far-away places moves the preview
  // window by exactly the mouse's travel (+30, -10). The strip is the top
  // 17 lines of the panel, 70 lines above the preview image.
  const QPoint grab(p1.x() + 40, p1.y() - 70 + 8);
  auto at = [](QPoint q) { return QStringList{QString::number(q.x()), QString::number(q.y())}; };
  session.tool(QStringList{"mousemove"} + at(grab) + QStringList{"mousedown", "1"});
  session.tool(QStringList{"mousemove", "1900", "1060"});
  session.tool(QStringList{"mousemove", "3", "3"});
  session.tool(QStringList{"mousemove"} + at(grab + QPoint(30, -10)) + QStringList{"mouseup", "1"});
  const QPoint p2 = p1 + QPoint(30, -10);
  session.poll<bool>(
      [&](const Screen& s) -> std::optional<bool> {
        if (locate(s, preview, QRect(p2, QSize(1, 1)), QRect(p2, QSize(512, 384)))) return true;
        return std::nullopt;
      },
      "the preview window did not move by (+30, -10)");
  std::printf("preview dragged to %d,%d\n", p2.x(), p2.y());
  std::printf("PASS\n");
  return 0;
}
