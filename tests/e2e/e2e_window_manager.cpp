// The editor under a window manager: with openbox on the test's Xvfb the
// window comes up maximized through the manager, its frame on the screen.
#include <QFileInfo>
#include <QRegularExpression>

#include "e2e_harness.h"

using namespace cs::e2e;

int check() {
  Session session;
  session.startXvfb();
  session.startProgram("openbox", {"--sm-disable"});
  const auto output = [&](const QString& program, const QStringList& args) {
    return QString::fromLatin1(session.command(program, args));
  };
  // Asks every 100 ms for ten seconds; fails with what was seen last.
  const auto waitFor = [](const std::function<bool(QString&)>& ready, const QString& what) {
    QString seen;
    for (int i = 0; i < 100; ++i, QThread::msleep(100))
      if (ready(seen)) return;
    fail(what + " (" + seen + ")");
  };
  waitFor(
      [&](QString& seen) {
        return (seen = output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"})).contains("#");
      },
      "openbox did not announce itself on the root window");

  const QString sample = QFileInfo(CHROMASMITH_TESTDATA "/zx-image/example.mg4").absoluteFilePath();
  session.startEditor(CHROMASMITH_EXE, sample);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + sample);
  // The manager maximizes and frames the window in steps. xwininfo gives the
  // client's place on the screen (xdotool adds its offset in the frame twice).
  waitFor(
      [&](QString& seen) {
        seen = output("xprop", {"-id", wid, "_NET_WM_STATE", "_NET_FRAME_EXTENTS"}) +
               output("xwininfo", {"-id", wid});
        const auto number = [&](const QString& pattern, int group = 1) {
          const auto m = QRegularExpression(pattern, QRegularExpression::MultilineOption).match(seen);
          return m.hasMatch() ? m.captured(group).toInt() : -100000;
        };
        const QString extents = "_NET_FRAME_EXTENTS\\(CARDINAL\\) = (\\d+), (\\d+), (\\d+), (\\d+)";
        const int left = number(extents, 1), right = number(extents, 2), top = number(extents, 3),
                  bottom = number(extents, 4);
        const QRect frame(number("Absolute upper-left X:\\s*(-?\\d+)") - left,
                          number("Absolute upper-left Y:\\s*(-?\\d+)") - top,
                          number("^\\s*Width:\\s*(\\d+)") + left + right,
                          number("^\\s*Height:\\s*(\\d+)") + top + bottom);
        return seen.contains("_NET_WM_STATE_MAXIMIZED_VERT") &&
               seen.contains("_NET_WM_STATE_MAXIMIZED_HORZ") && left >= 0 &&
               QRect(0, 0, 1920, 1080).contains(frame);
      },
      "the window is not maximized with its frame on the screen");
  std::printf("maximized with its frame on the screen\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
