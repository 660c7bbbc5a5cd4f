// What the user feels, measured from outside in a real window under Xvfb at
// 1920 x 1080: the whole editor process's CPU time for one refresh of the
// viewport (a G press, which toggles the char grid), for one pen point, for a
// pointer move over the picture without painting (a frame that repaints only
// the status bar's fields), for a key that does nothing and for a pointer move
// that paints nothing (the cost of an X event through Qt alone), each against
// the CPU time a bare Qt program spends repainting the same screen once per
// key press. Zoom level 4 with the pixel grid on. The bare program also
// repaints one small field per pointer move, the least any frame costs, and
// the pen point is set against that too. Every figure is a ratio over several
// rounds, printed as its minimum, median and maximum. The refresh is measured
// again with a reference image shown over the picture at 50 %, against the
// refresh without it. Last, the pen point with the round brush of size 8 is
// set against the same least frame.
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <random>

#include "app/reference_store.h"
#include "formats/formats.h"
#include "tests/e2e/e2e_harness.h"

using namespace cs::e2e;

namespace {

constexpr int kEvents = 60;
constexpr int kRounds = 5;

// Nanoseconds the process has run on a CPU, all threads.
double cpuNs(qint64 pid) {
  QFile f(QString("/proc/%1/schedstat").arg(pid));
  if (!f.open(QIODevice::ReadOnly)) fail("cannot read the CPU time of process " + QString::number(pid));
  return QString::fromLatin1(f.readAll()).split(' ').value(0).toDouble();
}

// CPU time of `pid` per event while `send` delivers `kEvents` events, after
// the process has settled.
double perEvent(qint64 pid, const std::function<void()>& send) {
  QThread::msleep(300);
  const double before = cpuNs(pid);
  send();
  QThread::msleep(300);
  return (cpuNs(pid) - before) / kEvents / 1e6;
}

void keys(Session& s, const QString& key) {
  QStringList args{"key", "--delay", "25"};
  for (int i = 0; i < kEvents; ++i) args << key;
  s.tool(args);
}

// `kEvents` pointer moves to the right of (x, y), 16 screen pixels apart.
void moves(Session& s, int x, int y) {
  QStringList args;
  for (int i = 1; i <= kEvents; ++i)
    args << "mousemove" << QString::number(x + 16 * i) << QString::number(y) << "sleep"
         << "0.025";
  s.tool(args);
}

struct Spread {
  double min, median, max;
};
Spread spreadOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v.front(), v[v.size() / 2], v.back()};
}

}  // namespace

int check();
int main(int argc, char** argv) { return RunCheck(argc, argv, check); }

int check() {
  QTemporaryDir dir;
  const QString picture = dir.filePath("bench.mgs");
  cs::Picture pic;
  std::mt19937 rng(5);
  for (auto& b : pic.planes) b = uint8_t(rng());
  for (int i = cs::kPixelBlockSize; i < cs::kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = 8;
  if (cs::SaveMgsFile(picture.toStdString(), pic)) fail("cannot write " + picture);

  Session session("window_bench_last.png");
  session.startXvfb();
  // A photograph-sized reference of random colours, remembered hidden with
  // the picture: Z shows it for its own refresh figure.
  QImage photo(1600, 1200, QImage::Format_RGB32);
  for (int y = 0; y < photo.height(); ++y)
    for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, uint32_t(rng()) | 0xFF000000u);
  const QString photoPath = dir.filePath("photo.png");
  if (!photo.save(photoPath)) fail("cannot write " + photoPath);
  cs::StoreProblem note = cs::StoreProblem::None;
  cs::ReferenceStore((session.stateHome() + "/chromasmith/references.ini").toStdString())
      .put({picture.toStdString(), photoPath.toStdString(), {}, false, false}, note);
  if (note != cs::StoreProblem::None) fail("cannot remember the reference");
  session.startEditor(CHROMASMITH_BARE, picture);
  const QString bare = session.waitForWindow("bare window");
  session.startEditor(CHROMASMITH_EXE, picture);
  const QString editor = session.waitForWindow("chromaSmith x0.94 - " + picture);
  const qint64 barePid = session.editorPid(0), editorPid = session.editorPid(1);

  // The editor at zoom level 4 (three wheel notches over the picture, slower
  // than the wheel's limit) with the pixel grid on.
  session.tool({"windowraise", editor});
  session.tool({"windowfocus", "--sync", editor});
  session.tool({"mousemove", "900", "600"});
  for (int i = 0; i < 3; ++i) {
    session.tool({"click", "4"});
    QThread::msleep(250);
  }
  session.tool({"key", "h"});

  std::vector<double> refresh, pen, hover, idle, idleMove, bareField, penToField, withReference;
  for (int round = 0; round < kRounds; ++round) {
    session.tool({"windowraise", bare});
    session.tool({"windowfocus", "--sync", bare});
    const double floor = perEvent(barePid, [&] { keys(session, "g"); });
    const double field = perEvent(barePid, [&] { moves(session, 300, 400); });
    bareField.push_back(field / floor);
    session.tool({"windowraise", editor});
    session.tool({"windowfocus", "--sync", editor});
    refresh.push_back(perEvent(editorPid, [&] { keys(session, "g"); }) / floor);
    session.tool({"key", "z"});
    withReference.push_back(perEvent(editorPid, [&] { keys(session, "g"); }) / floor / refresh.back());
    session.tool({"key", "z"});
    // F5: no rule of the key table (every letter chooses or toggles something).
    idle.push_back(perEvent(editorPid, [&] { keys(session, "F5"); }) / floor);
    // A pen stroke across the picture, one picture pixel (16 screen pixels)
    // per move; the same moves without a button (the status bar follows the
    // pointer: a frame that paints only its fields); and along the status
    // bar's empty right end.
    const int y = 400 + 16 * round;
    session.tool({"mousemove", "300", QString::number(y), "mousedown", "1"});
    const double penPoint = perEvent(editorPid, [&] { moves(session, 300, y); });
    pen.push_back(penPoint / floor);
    penToField.push_back(penPoint / field);
    session.tool({"mouseup", "1"});
    hover.push_back(perEvent(editorPid, [&] { moves(session, 300, y); }) / floor);
    idleMove.push_back(perEvent(editorPid, [&] { moves(session, 900, 1072); }) / floor);
    std::printf("round %d: bare repaint %.3f ms of CPU per key\n", round + 1, floor);
  }
  std::printf(
      "\nWhole-process CPU per event / a bare program's repaint of the same screen (min median max):\n");
  for (const auto& [label, v] : {std::pair{"refresh of the viewport (G)", refresh},
                                 std::pair{"pen point", pen}, std::pair{"pointer move over the picture", hover},
                                 std::pair{"key that does nothing", idle},
                                 std::pair{"pointer move painting nothing", idleMove},
                                 std::pair{"bare program: a move repainting a field", bareField}}) {
    const Spread s = spreadOf(v);
    std::printf("  %-40s %6.2fx %6.2fx %6.2fx\n", label, s.min, s.median, s.max);
  }
  const Spread s = spreadOf(penToField);
  std::printf("\nPen point / the bare program's move repainting a field: %.2fx %.2fx %.2fx\n", s.min, s.median,
              s.max);
  const Spread r = spreadOf(withReference);
  std::printf("Refresh (G) with a reference shown at 50 %% / without: %.2fx %.2fx %.2fx\n", r.min, r.median, r.max);

  // The round brush of size 8: the Brush panel shown by its toolbar key (the
  // last key, at its default place under the toolbar), "Round" chosen in its
  // Shape box, the panel hidden again and ] pressed seven times.
  session.tool({"mousemove", "1132", "39", "click", "1"});
  QThread::msleep(500);
  session.tool({"mousemove", "962", "160", "click", "1"});
  QThread::msleep(500);
  session.tool({"key", "Down", "Return"});
  session.tool({"mousemove", "1132", "39", "click", "1"});
  session.tool({"key", "--delay", "50", "bracketright", "bracketright", "bracketright", "bracketright",
                "bracketright", "bracketright", "bracketright"});
  session.tool({"mousemove", "372", "39", "click", "1"});  // the pen's key
  std::vector<double> brushToField;
  for (int round = 0; round < kRounds; ++round) {
    session.tool({"windowraise", bare});
    session.tool({"windowfocus", "--sync", bare});
    const double field = perEvent(barePid, [&] { moves(session, 300, 400); });
    session.tool({"windowraise", editor});
    session.tool({"windowfocus", "--sync", editor});
    const int y = 520 + 16 * round;
    session.tool({"mousemove", "300", QString::number(y), "mousedown", "1"});
    brushToField.push_back(perEvent(editorPid, [&] { moves(session, 300, y); }) / field);
    session.tool({"mouseup", "1"});
  }
  const Spread b = spreadOf(brushToField);
  std::printf("Pen point, round brush of size 8 / the same: %.2fx %.2fx %.2fx\n", b.min, b.median, b.max);
  return 0;
}
