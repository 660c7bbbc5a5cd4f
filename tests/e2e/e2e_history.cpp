// The history and the recovery copy end to end under a real X server, driven
// only by X input: pen clicks, Alt+Z twice and Ctrl+S save the picture two
// steps back; "New" then Alt+Z brings the old picture back; a click in the
// History panel jumps there; closing with changes asks, and Cancel keeps the
// window; kill -9 after a change, a new start, "Restore": the picture saved
// then is the one before the kill, byte for byte.
#include <signal.h>
#include <xcb/xcb.h>

#include <QFileInfo>

#include "e2e_harness.h"
#include "edit/instruments.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg4";
constexpr int kScale = 4;  // zoom level 1

class NoSink : public cs::PaintSink {
 public:
  void redrawCell(int, int, int) override {}
  void showPaintedPoint(const cs::PointInfo&) override {}
};

void act(Session& s, const QStringList& args) {
  s.tool(args);
  QThread::msleep(150);
}

QStringList at(QPoint p) { return {QString::number(p.x()), QString::number(p.y())}; }

// A pen click at picture pixel (x, y), in the editor and on `expect`.
void penClick(Session& s, QPoint origin, cs::EditorState& expect, int x, int y) {
  static NoSink sink;
  act(s, QStringList{"mousemove"} + at(origin + QPoint(x * kScale + 2, y * kScale + 2)) + QStringList{"click", "1"});
  cs::EditorPress(expect, sink, cs::MouseButton::Left, false, x * kScale + 2, y * kScale + 2);
}

// The window manager's close request (WM_DELETE_WINDOW), as a close box
// sends it: there is no window manager in the test's X server.
void requestClose(const QString& display, const QString& wid) {
  xcb_connection_t* c = xcb_connect(display.toLatin1().constData(), nullptr);
  if (xcb_connection_has_error(c)) fail("no connection to " + display);
  auto atom = [c](const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
  };
  xcb_client_message_event_t e{};
  e.response_type = XCB_CLIENT_MESSAGE;
  e.format = 32;
  e.window = wid.toUInt();
  e.type = atom("WM_PROTOCOLS");
  e.data.data32[0] = atom("WM_DELETE_WINDOW");
  e.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(c, 0, e.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
  xcb_flush(c);
  xcb_disconnect(c);
}

// Waits until the screen shows `pic` at `origin`.
void expectShown(Session& s, QPoint origin, const cs::Picture& pic, const QString& what) {
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);
  const Expect e{&images.composite, kScale, pic.cellHeight(), false};
  s.poll<bool>(
      [&](const Screen& scr) -> std::optional<bool> {
        if (locate(scr, e, QRect(origin, QSize(1, 1)), QRect(origin, QSize(1024, 768)))) return true;
        return std::nullopt;
      },
      what);
  std::printf("the screen shows %s\n", qPrintable(what));
}

}  // namespace

int check();

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }

int check() {
  const QString sample = QFileInfo(kSample).absoluteFilePath();
  cs::EditorState expect;
  expect.picture = LoadSample(sample);
  QTemporaryDir out;
  const QString stepped = out.filePath("stepped.mgs"), restored = out.filePath("restored.mgs");

  Session session("e2e_history_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, sample);
  QString wid = session.waitForWindow("chromaSmith x0.94 - " + sample);
  session.tool({"windowfocus", "--sync", wid});
  cs::ComposedImages images;
  cs::ComposePicture(expect.picture, cs::ColourTables{}, images);
  const Expect plain{&images.composite, kScale, expect.picture.cellHeight(), false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) { return locate(s, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080)); },
      "the picture is not on the screen");

  // Five pen clicks in mix 3, each a step; steps[i] is the picture after i.
  act(session, {"key", "4"});
  cs::SelectMix(expect.colours, 3);
  std::vector<cs::Picture> steps{expect.picture};
  for (int i = 0; i < 5; ++i) {
    penClick(session, o, expect, 20 + 30 * i, 20 + 10 * i);
    steps.push_back(expect.picture);
  }
  act(session, {"key", "alt+z"});
  act(session, {"key", "alt+z"});
  session.saveAs(stepped);
  expectFileBytes(stepped, cs::EncodeMgs(steps[3]));
  std::printf("Alt+Z twice, then Ctrl+S saved the picture two steps back\n");

  // File > New > 8x8, then Alt+Z.
  act(session, QStringList{"mousemove"} + at(session.poll<QPoint>([](const Screen& s) { return MenuTitle(s, 0); }, "no File menu")) + QStringList{"click", "1"});
  for (const char* k : {"Down", "Right", "Return"}) act(session, {"key", k});
  expectShown(session, o, cs::Picture{.vertSize = 8}, "the new picture");
  act(session, {"key", "alt+z"});
  expectShown(session, o, steps[3], "the picture before New");

  // The History panel, newest first: New, Pen 3, Pen 2, Pen 1, the import.
  // Its fourth row is the first pen click.
  const Screen shown = session.shot();
  int stripTop = -1;
  for (int y = 0; y < o.y() && stripTop < 0; ++y)
    if (shown.at(8, y) == 0xA6CAF0) stripTop = y;
  const QPoint panel(780, stripTop - 1 + 43);  // its default place; the work area starts above the strip
  act(session, {"key", "y"});
  act(session, QStringList{"mousemove"} + at(panel + QPoint(100, 18 + 3 * 52 + 26)) + QStringList{"click", "1"});
  act(session, {"key", "y"});
  expectShown(session, o, steps[1], "the step clicked in the History panel");

  // A change, then the close box: the question, and Cancel keeps the window.
  expect.picture = steps[1];
  penClick(session, o, expect, 200, 150);
  requestClose(session.display(), wid);
  const QString question = session.findWindow("^chromaSmith$");
  session.tool({"windowfocus", "--sync", question});
  act(session, {"key", "Escape"});
  QThread::msleep(500);
  wid = session.waitForWindow("chromaSmith x0.94 - " + stepped);
  std::printf("closing asked, and Cancel kept the window\n");

  // The recovery copy follows a few seconds after the change; then kill -9.
  QThread::msleep(5000);
  ::kill(pid_t(session.editorPid(0)), SIGKILL);
  QThread::msleep(500);
  session.startEditor(CHROMASMITH_EXE, "");
  const QString offer = session.findWindow("^Unsaved picture$");
  session.tool({"windowfocus", "--sync", offer});
  act(session, {"key", "Return"});
  wid = session.waitForWindow("chromaSmith x0.94 - " + stepped);
  session.tool({"windowfocus", "--sync", wid});
  session.saveAs(restored);
  expectFileBytes(restored, cs::EncodeMgs(expect.picture));
  std::printf("restored after kill -9: the picture before the kill, byte for byte\nPASS\n");
  return 0;
}
