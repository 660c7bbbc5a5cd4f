// Painting end to end under a real X server, driven only by X input events:
// keys choose mixes and instruments, clicks and a drag paint with the pen and
// FillChar, a polyline, a rectangle through its toolbar key and its undo,
// a right-button pick, colours and a border from the palette windows and a
// Shift-line. The screen must then show the same
// picture as the painting rules give for the same events, and the file saved
// with Ctrl+S through the save dialog must hold exactly that picture's bytes.
#include <QFile>
#include <QFileInfo>

#include "colour/palette_actions.h"
#include "e2e_driver.h"
#include "e2e_harness.h"
#include "edit/instruments.h"
#include "formats/formats.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg4";

}  // namespace

int check();

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }

int check() {
  const QString sample = QFileInfo(kSample).absoluteFilePath();
  cs::EditorState expect;
  expect.picture = LoadSample(sample);
  const cs::Picture original = expect.picture;
  cs::ComposedImages images;
  cs::ComposePicture(expect.picture, cs::ColourTables{}, images);
  const int h = expect.picture.vertSize;

  QTemporaryDir out;
  const QString saved = out.filePath("painted.mgs");

  Session session("e2e_paint_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, sample);
  const QString title = "chromaSmith x0.94 - " + sample;
  const QString wid = session.waitForWindow(title);
  const Expect plain{&images.composite, kScale, h, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080));
      },
      "the picture is not on the screen");
  std::printf("editor image at %d,%d\n", o.x(), o.y());
  // The toolbar lies just above the picture window's sky-blue caption strip.
  const int stripTop = CaptionStripTop(session.shot(), o.y());
  const int toolbarTop = stripTop - 1 - 41;
  const int keyMiddleY = toolbarTop + 4 + 16;
  // The palette windows open at their default places in the work area,
  // which starts under the toolbar.
  const QPoint fullPalette(3, toolbarTop + 41 + 43);
  const QPoint borderPalette(345, toolbarTop + 41 + 43);
  session.tool({"windowfocus", "--sync", wid});

  Driver d(session, o, expect);
  // The colours of a cell of the skin, picked with the right button.
  d.click(150, 90, 3);
  // The pen in mix 3 (both pixel bits set): a click and a drag.
  d.key("4", [&] {
    cs::SelectMix(expect.colours, 3);
    expect.penMemo.clear();
  });
  d.click(20, 20);
  d.drag({{30, 30}, {34, 30}, {38, 31}, {42, 33}});
  // FillChar in mix 1.
  d.key("n", [&] { cs::SetInstrument(expect, cs::Instrument::FillChar); });
  d.key("2", [&] {
    cs::SelectMix(expect.colours, 1);
    expect.penMemo.clear();
  });
  d.click(100, 50);
  // A polyline of two segments, ended by Esc.
  d.key("l", [&] { cs::SetInstrument(expect, cs::Instrument::Line); });
  d.click(60, 100);
  d.moveTo(120, 140);
  d.click(120, 140);
  d.click(60, 160);
  d.key("Escape", [&] { expect.shapeStarted = false; });
  // A rectangle through the Rect key of the toolbar, then undone and redone.
  d.clickAt(QPoint(420 + 16, keyMiddleY));
  cs::SetInstrument(expect, cs::Instrument::Rect);
  d.click(150, 20);
  d.moveTo(200, 60);
  d.click(200, 60);
  d.key("ctrl+z", [&] { cs::SwapUndoSnapshot(expect); });
  d.key("ctrl+z", [&] { cs::SwapUndoSnapshot(expect); });
  d.key("ctrl+z", [&] { cs::SwapUndoSnapshot(expect); });
  // The pen again: pick a cell's colours, then a Shift-line from the last
  // pen position in mix 0.
  d.key("p", [&] { cs::SetInstrument(expect, cs::Instrument::Paint); });
  d.click(100, 50, 3);
  d.key("1", [&] {
    cs::SelectMix(expect.colours, 0);
    expect.penMemo.clear();
  });
  d.click(10, 120);
  // Colours from the full palette: a cell of the mix palette and a strip.
  d.key("c");
  d.clickAt(fullPalette + QPoint(88 + 16 * 2 + 5, 32 + 16 * 11 + 9));
  cs::ChooseMixPair(expect, 16 * 2 + 5, 16 * 11 + 9);
  d.clickAt(fullPalette + QPoint(88 + 16 * 9 + 3, 379 + 8));
  cs::ChooseStripColour(expect, cs::Role::Pap1, 16 * 9 + 3);
  d.key("c");
  // The border pair, saved with the picture.
  d.key("b");
  d.clickAt(borderPalette + QPoint(8 + 37, 26 + 100));
  cs::ChooseBorder(expect, 37, 100);
  d.key("b");
  d.shiftDown();
  d.moveTo(90, 180);
  d.click(90, 180);
  d.shiftUp();

  if (expect.picture.planes == original.planes) fail("the replay changed nothing");
  cs::ComposedImages painted;
  cs::ComposePicture(expect.picture, cs::ColourTables{}, painted);
  const Expect after{&painted.composite, kScale, h, false};
  session.poll<bool>(
      [&](const Screen& s) -> std::optional<bool> {
        if (locate(s, after, QRect(o, QSize(1, 1)), QRect(o, QSize(1024, 768)))) return true;
        return std::nullopt;
      },
      "the screen does not show the painted picture");
  std::printf("the screen shows the painted picture\n");

  session.saveAs(saved);
  const std::vector<uint8_t> want = cs::EncodeMgs(expect.picture);
  const QByteArray bytes = expectFileBytes(saved, want);
  // A few facts the file must show, whatever the replay says: the first
  // pen click set both screens' bit of pixel (20, 20) ...
  cs::Picture back;
  if (cs::DecodeMgs(want, back)) fail("the expected bytes do not decode");
  if (!back.pixel(0, 20, 20) || !back.pixel(1, 20, 20)) fail("pixel 20,20 was not painted in mix 3");
  // ... FillChar in mix 1 cleared screen 0's byte and filled screen 1's over the cell ...
  for (int line = 48; line < 52; ++line)
    if (back.pixels(0)[cs::pixelIndex(12, line)] != 0x00 || back.pixels(1)[cs::pixelIndex(12, line)] != 0xFF)
      fail(QString("FillChar did not fill line %1").arg(line));
  // ... the border pair chosen in the border palette ...
  if (bytes[5] != 2 || bytes[6] != 6)
    fail(QString("the border pair 2, 6 was not saved: %1, %2").arg(int(bytes[5])).arg(int(bytes[6])));
  // ... and the rectangle's undo left its far corner as the sample had it.
  if (back.pixel(0, 200, 60) != original.pixel(0, 200, 60)) fail("the undone rectangle is still there");
  std::printf("saved %lld bytes exactly as expected\nPASS\n", static_cast<long long>(bytes.size()));
  return 0;
}
