// The same input sent to the editor (through xdotool) and to the painting
// rules, for the end-to-end tests that compare the saved file with what the
// rules give.
#pragma once

#include <functional>
#include <vector>

#include "e2e_harness.h"
#include "edit/instruments.h"
#include "formats/mgs_file.h"
#include "render/compose.h"

namespace cs::e2e {

constexpr int kScale = 4;  // zoom level 1

// Sends the same input to the editor (through xdotool) and to the painting
// rules (on `expect`), so `expect` holds what the editor must end with.
class Driver {
 public:
  Driver(Session& session, QPoint origin, cs::EditorState& expect) : s_(session), o_(origin), e_(expect) {}

  QPoint screenOf(int x, int y) const {
    return o_ + QPoint(x * kScale + kScale / 2, y * kScale + kScale / 2);
  }
  static QPoint imageOf(int x, int y) { return {x * kScale + kScale / 2, y * kScale + kScale / 2}; }

  void key(const QString& name, const std::function<void()>& effect = {}) {
    act({"key", name});
    if (effect) effect();
    cs::EditorKeyRelease(e_, shift_);
  }
  void moveTo(int x, int y, bool leftHeld = false) {
    const QPoint p = screenOf(x, y);
    act({"mousemove", QString::number(p.x()), QString::number(p.y())});
    const QPoint i = imageOf(x, y);
    cs::EditorMove(e_, sink_, leftHeld, shift_, i.x(), i.y());
  }
  void click(int x, int y, int button = 1) {
    moveTo(x, y);
    act({"click", QString::number(button)});
    press(x, y, button == 1 ? cs::MouseButton::Left : cs::MouseButton::Right);
    release();
  }
  void drag(const std::vector<QPoint>& points) {
    moveTo(points[0].x(), points[0].y());
    act({"mousedown", "1"});
    press(points[0].x(), points[0].y(), cs::MouseButton::Left);
    for (size_t i = 1; i < points.size(); ++i) moveTo(points[i].x(), points[i].y(), true);
    act({"mouseup", "1"});
    release();
  }
  void shiftDown() {
    act({"keydown", "shift"});
    shift_ = true;
  }
  void shiftUp() {
    act({"keyup", "shift"});
    shift_ = false;
    cs::EditorKeyRelease(e_, false);
  }
  // A press on the screen outside the editor image (a toolbar key).
  void clickAt(QPoint screen) {
    act({"mousemove", QString::number(screen.x()), QString::number(screen.y()), "click", "1"});
  }

 private:
  void press(int x, int y, cs::MouseButton b) {
    const QPoint i = imageOf(x, y);
    cs::EditorPress(e_, sink_, b, shift_, i.x(), i.y());
  }
  void release() { cs::EditorRelease(e_, sink_, cs::PaintContext{&mix_}); }
  // Each event on its own, with time for the editor to handle it, so no
  // motion is merged with the next.
  void act(const QStringList& args) {
    s_.tool(args);
    QThread::msleep(120);
  }
  Session& s_;
  QPoint o_;
  cs::EditorState& e_;
  NoSink sink_;
  cs::MixTable mix_ = cs::ComputeMixTable();
  bool shift_ = false;
};

// The editor started on `start` (written into `dir` first) and focused: its
// window, its editor image's place on the screen, its toolbar keys' middle row.
struct EditorOnScreen {
  QString window;
  QPoint origin;
  int keyMiddleY;
};
inline EditorOnScreen StartEditorOn(Session& session, const cs::Picture& start, const QTemporaryDir& dir) {
  const QString file = dir.filePath("start.mgs");
  if (cs::SaveMgsFile(file.toStdString(), start)) fail("the start picture was not written");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, file);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + file);
  cs::ComposedImages shown;
  cs::ComposePicture(start, cs::ColourTables{}, shown);
  const Expect e{&shown.composite, kScale, start.cellHeight(), false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) { return locate(s, e, QRect(0, 0, 1920 - 1023, 1080 - 767), QRect(0, 0, 1920, 1080)); },
      "the start picture is not on the screen");
  const int keyMiddleY = CaptionStripTop(session.shot(), o.y()) - 1 - 41 + 4 + 16;
  session.tool({"windowfocus", "--sync", wid});
  return {wid, o, keyMiddleY};
}

}  // namespace cs::e2e
