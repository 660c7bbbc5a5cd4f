// The colour corrector end to end under a real X server, driven only by X
// input: "Color Corrector" > "Show/Hide" from the menu bar, a drag in a
// screen view, "CopyR All" and "Exchange Chars between screens", Ctrl+S
// through the save dialog. Both views must show the screens as the
// corrector's rules leave them, and the saved file must hold exactly the
// bytes of the picture those rules give.
#include <QFile>
#include <QFileInfo>

#include "colour/corrector.h"
#include "colour/corrector_views.h"
#include "e2e_harness.h"
#include "formats/formats.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg8";
constexpr uint32_t kStripBlue = 0xA6CAF0;
constexpr QPoint kView0InPanel(3, 22);
constexpr QPoint kView1InPanel(520, 22);

// The corrector window's top-left: the second sky-blue caption strip down
// the screen (the picture window's comes first), then its left end.
std::optional<QPoint> correctorPanel(const Screen& s) {
  const int x = 700;  // right of the caption text, inside both strips
  int strips = 0;
  for (int y = 1; y < 600; ++y) {
    if (s.at(x, y) != kStripBlue || s.at(x, y - 1) == kStripBlue) continue;
    if (++strips < 2) continue;
    int left = x;
    while (left > 0 && s.at(left - 1, y + 1) == kStripBlue) --left;
    return QPoint(left, y);
  }
  return std::nullopt;
}

// The view at `origin` shows `screen` at twice its size, except on the
// block frame, which the timer draws over it.
bool viewShows(const Screen& s, QPoint origin, const cs::RgbImage& screen, cs::ScreenRect frame) {
  for (int y = 0; y < cs::kCorrectorViewHeight; ++y)
    for (int x = 0; x < cs::kCorrectorViewWidth; ++x) {
      const bool onFrame = (x == frame.x || x == frame.x + frame.width - 1 || y == frame.y ||
                            y == frame.y + frame.height - 1) &&
                           x >= frame.x && x < frame.x + frame.width && y >= frame.y &&
                           y < frame.y + frame.height;
      if (onFrame) continue;
      if (s.at(origin.x() + x, origin.y() + y) != (screen.at(x / 2, y / 2) & 0xFFFFFF)) return false;
    }
  return true;
}

// Polls until both views show the screens of `pic` with the block's frame.
void waitForViews(Session& session, QPoint panel, const cs::Picture& pic, const cs::CorrectorState& block,
                  const QString& what) {
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);
  const int h = pic.cellHeight();
  const cs::ScreenRect frame = cs::CorrectorFrame(cs::UsedBlock(block, h), h);
  session.poll<bool>(
      [&](const Screen& s) -> std::optional<bool> {
        if (viewShows(s, panel + kView0InPanel, images.screen0, frame) &&
            viewShows(s, panel + kView1InPanel, images.screen1, frame))
          return true;
        return std::nullopt;
      },
      what);
}

}  // namespace

int check();

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }

int check() {
  const QString sample = QFileInfo(kSample).absoluteFilePath();
  cs::EditorState expect;
  expect.picture = LoadSample(sample);
  const cs::Picture original = expect.picture;
  const int h = expect.picture.cellHeight();
  QTemporaryDir out;
  const QString saved = out.filePath("corrected.mgs");

  Session session("e2e_corrector_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, sample);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + sample);
  session.tool({"windowfocus", "--sync", wid});

  // "Color Corrector" > "Show/Hide": the title, then its one item.
  const QPoint title = session.poll<QPoint>([](const Screen& s) { return MenuTitle(s, 3); },
                                            "the menu bar has no fourth title");
  clickAt(session, title);
  act(session, {"key", "Down"});
  act(session, {"key", "Return"});
  const QPoint panel = session.poll<QPoint>(correctorPanel, "the corrector window did not show");
  std::printf("corrector window at %d,%d\n", panel.x(), panel.y());
  waitForViews(session, panel, original, expect.corrector, "the views do not show the two screens");

  // A drag in the screen 1 view from cell (6, 3) to cell (18, 12).
  const QPoint view1 = panel + kView1InPanel;
  act(session, QStringList{"mousemove"} + at(view1 + QPoint(100, 50)) + QStringList{"mousedown", "1"});
  act(session, QStringList{"mousemove"} + at(view1 + QPoint(200, 120)));
  act(session, QStringList{"mousemove"} + at(view1 + QPoint(300, 200)));
  act(session, {"mouseup", "1"});
  cs::CorrectorPress(expect.corrector, h, 100, 50);
  cs::CorrectorRelease(expect.corrector, h, 300, 200);
  const cs::CorrectorBlock block = cs::UsedBlock(expect.corrector, h);
  if (block != cs::CorrectorBlock{6, 3, 18, 12}) fail("the core rules disagree with the drag");

  // "CopyR All" under screen 0, then "Exchange Chars between screens".
  clickAt(session, panel + QPoint(120 + 32, 488 + 12));
  clickAt(session, panel + QPoint(8 + 500, 552 + 12));
  cs::ApplyCorrectorOp(cs::CorrectorOp::CopyRAll, block, expect.picture);
  cs::ApplyCorrectorOp(cs::CorrectorOp::Exchange, block, expect.picture);
  if (expect.picture.planes == original.planes) fail("the operations changed nothing");
  waitForViews(session, panel, expect.picture, expect.corrector, "the views do not show the corrected block");
  std::printf("both views show the corrected block\n");

  session.tool({"windowfocus", "--sync", wid});
  session.saveAs(saved);
  const QByteArray bytes = expectFileBytes(saved, cs::EncodeMgs(expect.picture));
  std::printf("saved %lld bytes exactly as expected\nPASS\n", static_cast<long long>(bytes.size()));
  return 0;
}
