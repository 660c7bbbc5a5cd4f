// Copy in one running editor, paste in another, under a real X server: the
// Select instrument's drag and Ctrl+C in the first, Ctrl+V over a cell of
// the second and Ctrl+S there. The saved file must hold exactly what the
// selection rules give for the same input.
#include <QFile>
#include <QFileInfo>
#include <random>
#include <tuple>

#include "e2e_harness.h"
#include "edit/selection.h"
#include "formats/formats.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

constexpr int kScale = 4;  // zoom level 1

// Raises the editor titled `title`, gives it the keyboard and finds its
// picture on the screen.
QPoint bringUp(Session& s, const QString& title, const cs::Picture& pic) {
  const QString wid = s.waitForWindow(title);
  s.tool({"windowraise", wid});
  s.tool({"windowfocus", "--sync", wid});
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);
  const Expect plain{&images.composite, kScale, pic.cellHeight(), false};
  return s.poll<QPoint>(
      [&](const Screen& scr) {
        return locate(scr, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080));
      },
      "the picture of " + title + " is not on the screen");
}

// The screen position in the middle of cell (column, row) at 8-line cells.
QPoint cellOnScreen(QPoint origin, int column, int row) {
  return origin + QPoint(column * 8 * kScale + 16, row * 8 * kScale + 16);
}

void moveTo(Session& s, QPoint p) { act(s, {"mousemove", QString::number(p.x()), QString::number(p.y())}); }

}  // namespace

int check();

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }

int check() {
  QTemporaryDir out;
  const QString first = out.filePath("first.mgs"), second = out.filePath("second.mgs");
  const QString saved = out.filePath("pasted.mgs");
  cs::EditorState a, b;
  for (auto [state, name, seed] : {std::tuple{&a, first, 3u}, std::tuple{&b, second, 4u}}) {
    std::mt19937 rng(seed);
    for (auto& byte : state->picture.planes) byte = uint8_t(rng());
    for (int i = cs::kPixelBlockSize; i < cs::kPlanesSize; ++i) state->picture.planes[size_t(i)] %= 15;
    state->picture.vertSize = 8;
    if (cs::SaveMgsFile(name.toStdString(), state->picture)) fail("cannot write " + name);
  }

  Session session("e2e_clipboard_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, first);
  session.startEditor(CHROMASMITH_EXE, second);
  const QString titleA = "chromaSmith x0.94 - " + first, titleB = "chromaSmith x0.94 - " + second;

  // The first editor: a selection from cell (5, 3) to cell (8, 5), copied.
  const QPoint oa = bringUp(session, titleA, a.picture);
  act(session, {"key", "s"});
  moveTo(session, cellOnScreen(oa, 5, 3));
  act(session, {"mousedown", "1"});
  moveTo(session, cellOnScreen(oa, 7, 4));
  moveTo(session, cellOnScreen(oa, 8, 5));
  act(session, {"mouseup", "1"});
  act(session, {"key", "ctrl+c"});
  a.selection = {true, false, 5, 3, 4, 3, 5, 3};
  cs::CopySelection(a, false);

  // The second editor: pasted over cell (26, 20), so the block is cut at
  // the right edge, and saved.
  const QPoint ob = bringUp(session, titleB, b.picture);
  moveTo(session, cellOnScreen(ob, 26, 20));
  act(session, {"key", "ctrl+v"});
  const cs::Picture original = b.picture;
  const QPoint at = cellOnScreen(QPoint(), 26, 20);
  b.lastMousePos = {at.x(), at.y()};
  cs::PasteSelection(b, cs::SerializeSelectionBlock(a), true);

  session.saveAs(saved);

  QFile file(saved);
  if (!file.open(QIODevice::ReadOnly)) fail("nothing was saved at " + saved);
  const QByteArray bytes = file.readAll();
  const std::vector<uint8_t> want = cs::EncodeMgs(b.picture);
  if (bytes != QByteArray(reinterpret_cast<const char*>(want.data()), qsizetype(want.size()))) {
    cs::Picture got;
    const bool decoded =
        !cs::DecodeMgs({reinterpret_cast<const uint8_t*>(bytes.data()), size_t(bytes.size())}, got);
    fail(decoded && got.planes == original.planes ? "the second editor saved its picture without the paste"
                                                  : "the saved picture is not the pasted one");
  }
  // Cell (26, 20) of the second picture now holds cell (5, 3) of the first.
  if (b.picture.pixels(1)[cs::pixelIndex(26, 160)] != a.picture.pixels(1)[cs::pixelIndex(5, 24)])
    fail("the expected result does not hold the copied cell");
  std::printf("the pasted picture was saved exactly as expected\nPASS\n");
  return 0;
}
