// The editor under a window manager: openbox runs on the test's own Xvfb, the
// editor starts with a sample picture, and its window must come up maximized
// through the manager (both maximized states in _NET_WM_STATE), the window
// with the manager's frame around it lying on the screen.
#include <QFileInfo>
#include <QRegularExpression>

#include "e2e_harness.h"

using namespace cs::e2e;

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg4";

// Asks `ready` every 100 ms for up to ten seconds; fails with what `last`
// says of the last attempt.
template <class Ready>
void waitFor(Ready ready, const QString& what, const QString& last) {
  for (int i = 0; i < 100; ++i) {
    if (ready()) return;
    QThread::msleep(100);
  }
  fail(what + " (" + last + ")");
}

// A number of xwininfo's report, by its label ("Width").
int reported(const QString& out, const QString& label) {
  const QRegularExpressionMatch m =
      QRegularExpression("^\\s*" + label + ":\\s*(-?\\d+)$", QRegularExpression::MultilineOption).match(out);
  if (!m.hasMatch()) fail("xwininfo gave no " + label + " in: " + out);
  return m.captured(1).toInt();
}

}  // namespace

int check() {
  Session session;
  session.startXvfb();
  session.startProgram("openbox", {"--sm-disable"});
  QString root;
  waitFor(
      [&] {
        root = QString::fromLatin1(session.command("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}));
        return root.contains("window id #");
      },
      "openbox did not announce itself on the root window", root);
  std::printf("openbox runs: %s", qPrintable(root));

  const QString sample = QFileInfo(kSample).absoluteFilePath();
  session.startEditor(CHROMASMITH_EXE, sample);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + sample);
  const QRect screen(0, 0, 1920, 1080);  // the session's Xvfb

  // The manager maximizes and frames the window in steps: wait for the end.
  QString seen;
  QRect frame;
  waitFor(
      [&] {
        const QString props = QString::fromLatin1(
            session.command("xprop", {"-id", wid, "_NET_WM_STATE", "_NET_FRAME_EXTENTS"}));
        // xwininfo's absolute place of the client; xdotool's getwindowgeometry
        // adds the client's offset in the frame a second time.
        const QString geometry = QString::fromLatin1(session.command("xwininfo", {"-id", wid}));
        seen = props + geometry;
        const QRegularExpressionMatch extents =
            QRegularExpression("_NET_FRAME_EXTENTS\\(CARDINAL\\) = (\\d+), (\\d+), (\\d+), (\\d+)")
                .match(props);
        if (!extents.hasMatch() || !props.contains("_NET_WM_STATE_MAXIMIZED_VERT") ||
            !props.contains("_NET_WM_STATE_MAXIMIZED_HORZ"))
          return false;
        const int left = extents.captured(1).toInt(), right = extents.captured(2).toInt(),
                  top = extents.captured(3).toInt(), bottom = extents.captured(4).toInt();
        frame =
            QRect(reported(geometry, "Absolute upper-left X") - left,
                  reported(geometry, "Absolute upper-left Y") - top,
                  reported(geometry, "Width") + left + right, reported(geometry, "Height") + top + bottom);
        return screen.contains(frame);
      },
      "the window is not maximized with its frame on the screen", seen);
  std::printf("maximized, frame %d,%d %dx%d\n", frame.x(), frame.y(), frame.width(), frame.height());
  std::printf("PASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
