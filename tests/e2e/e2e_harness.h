// The harness of the end-to-end tests: an Xvfb of their own, the editor
// started in it, screenshots through xwd, input through xdotool, and the
// search for the magnified picture on the screen. A mismatch throws Failure,
// so the X server and the editor are stopped on the way out.
#pragma once

#include <xcb/xcb.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "edit/painting.h"
#include "formats/formats.h"
#include "model/rgb_image.h"

namespace cs::e2e {

// Thrown on the first mismatch, so the X server and the editor are stopped
// on the way out.
struct Failure {
  QString why;
};
[[noreturn]] inline void fail(const QString& why) { throw Failure{why}; }

// The sample picture at `path`, or the check fails.
inline cs::Picture LoadSample(const QString& path) {
  cs::Picture pic;
  if (cs::FileError e = cs::LoadMgFile(path.toStdString(), pic))
    fail("sample: " + QString::fromStdString(e.text()));
  return pic;
}

struct Screen {
  int width = 0, height = 0;
  std::vector<uint32_t> rgb;  // 0xRRGGBB per pixel
  uint32_t at(int x, int y) const { return rgb[size_t(y) * size_t(width) + size_t(x)]; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

inline uint32_t be32(const QByteArray& b, int off) {
  const auto* p = reinterpret_cast<const uint8_t*>(b.constData()) + off;
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

inline int shiftOf(uint32_t mask) {
  int s = 0;
  while (mask && !(mask & 1)) mask >>= 1, ++s;
  return s;
}

// An xwd dump: big-endian header, colormap entries of 12 bytes, then the
// pixels in the server's byte order.
inline Screen parseXwd(const QByteArray& d) {
  if (d.size() < 100) fail("xwd gave no image");
  const uint32_t headerSize = be32(d, 0), width = be32(d, 16), height = be32(d, 20), byteOrder = be32(d, 28);
  const uint32_t bpp = be32(d, 44), stride = be32(d, 48), rMask = be32(d, 56), gMask = be32(d, 60),
                 bMask = be32(d, 64), ncolors = be32(d, 76);
  if (bpp != 32) fail(QString("xwd: %1 bits per pixel").arg(bpp));
  const qsizetype start = qsizetype(headerSize + ncolors * 12);
  if (d.size() < start + qsizetype(stride * height)) fail("xwd image is short");
  Screen s;
  s.width = int(width);
  s.height = int(height);
  s.rgb.resize(size_t(width) * height);
  const auto* px = reinterpret_cast<const uint8_t*>(d.constData()) + start;
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) {
      const uint8_t* p = px + y * stride + x * 4;
      const uint32_t v = byteOrder == 0
                             ? (uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0])
                             : (uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]);
      const uint32_t r = (v & rMask) >> shiftOf(rMask), g = (v & gMask) >> shiftOf(gMask),
                     b = (v & bMask) >> shiftOf(bMask);
      s.rgb[size_t(y) * width + x] = r << 16 | g << 8 | b;
    }
  return s;
}

inline void keep(const Screen& s, const char* path) {
  QImage img(s.width, s.height, QImage::Format_RGB32);
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) img.setPixel(x, y, 0xFF000000u | s.at(x, y));
  img.save(path);
}

// Runs a tool to completion; its standard output, or failure.
inline QByteArray run(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                      int timeoutMs = 20000) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  if (!p.waitForStarted(5000)) fail(program + " could not be started (is it installed?)");
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished();
    fail(program + " " + args.join(' ') + " did not finish");
  }
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    fail(program + " " + args.join(' ') + " failed: " + QString::fromLocal8Bit(p.readAllStandardError()));
  return p.readAllStandardOutput();
}

// What the editor shows at image pixel (x, y): the picture magnified by s
// with the char grid of cell height h over it when `grid` is on.
inline uint32_t expectedAt(const cs::RgbImage& composite, int s, int h, bool grid, int x, int y) {
  if (grid) {
    if (x % (8 * s) == 0) return y % 2 ? 0x808080 : 0xFFFFFF;
    if (y % (h * s) == 0) return x % 2 ? 0x808080 : 0xFFFFFF;
  }
  return composite.at(x / s, y / s) & 0xFFFFFF;
}

struct Expect {
  const cs::RgbImage* composite;
  int scale, cellHeight;
  bool grid;
  uint32_t at(int x, int y) const { return expectedAt(*composite, scale, cellHeight, grid, x, y); }
};

// The middle of the `index`th title of the menu bar (0 "File", 3 "Color
// Corrector"): titles are runs of dark text columns; a gap of more than a
// space ends a title.
inline std::optional<QPoint> MenuTitle(const Screen& s, size_t index) {
  std::vector<std::pair<int, int>> titles;
  int gap = 100;
  for (int x = 0; x < 600; ++x) {
    bool ink = false;
    for (int y = 3; y < 17 && !ink; ++y) {
      const uint32_t c = s.at(x, y);
      ink = ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) < 300;
    }
    if (!ink) {
      ++gap;
      continue;
    }
    if (gap > 9) titles.emplace_back(x, x);
    titles.back().second = x;
    gap = 0;
  }
  if (titles.size() < 5) return std::nullopt;
  return QPoint((titles[index].first + titles[index].second) / 2, 10);
}

// The image's origin on the screen: tries every origin in the ranges, with a
// fixed set of sample pixels first and then every visible pixel of `area`.
inline std::optional<QPoint> locate(const Screen& scr, const Expect& e, QRect origins, QRect area) {
  std::mt19937 rng(1);
  std::vector<QPoint> samples;
  const int w = 256 * e.scale, h = 192 * e.scale;
  for (int i = 0; i < 1000; ++i) samples.emplace_back(int(rng() % unsigned(w)), int(rng() % unsigned(h)));
  for (int oy = origins.top(); oy <= origins.bottom(); ++oy)
    for (int ox = origins.left(); ox <= origins.right(); ++ox) {
      int seen = 0;
      bool ok = true;
      for (const QPoint& p : samples) {
        if (!area.contains(ox + p.x(), oy + p.y())) continue;
        if (scr.at(ox + p.x(), oy + p.y()) != e.at(p.x(), p.y())) {
          ok = false;
          break;
        }
        ++seen;
      }
      if (!ok || seen < 50) continue;
      for (int y = area.top(); ok && y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
          const int ix = x - ox, iy = y - oy;
          if (ix < 0 || iy < 0 || ix >= w || iy >= h) continue;
          if (scr.at(x, y) != e.at(ix, iy)) {
            ok = false;
            break;
          }
        }
      if (ok) return QPoint(ox, oy);
    }
  return std::nullopt;
}

class Session {
 public:
  // `shotPath`: where the last screenshot goes when a wait fails.
  explicit Session(const char* shotPath = "e2e_window_last.png") : shotPath_(shotPath) {}
  ~Session() {
    // The last started first: the editors before the window manager they run under.
    for (auto p = programs_.rbegin(); p != programs_.rend(); ++p) stop(**p);
    stop(xvfb_);
  }

  void startXvfb() {
    // -displayfd makes Xvfb choose a free display and print its number once
    // it accepts connections.
    xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
    if (!xvfb_.waitForStarted(5000)) fail("Xvfb could not be started (is it installed?)");
    QByteArray out;
    for (int i = 0; i < 100 && !out.contains('\n'); ++i) {
      xvfb_.waitForReadyRead(100);
      out += xvfb_.readAllStandardOutput();
      if (xvfb_.state() != QProcess::Running)
        fail("Xvfb stopped: " + QString::fromLocal8Bit(xvfb_.readAllStandardError()));
    }
    const QString number = QString::fromLatin1(out).trimmed();
    if (number.isEmpty()) fail("Xvfb reported no display");
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("DISPLAY", ":" + number);
    env_.insert("QT_QPA_PLATFORM", "xcb");
    // No locale: the editor speaks its original English whatever the machine's.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env_.remove(name);
    env_.insert("XDG_RUNTIME_DIR", runtime_.path());
    // Recovery copies in a folder of the session's own, fresh for every run.
    env_.insert("XDG_STATE_HOME", stateHome());
    std::printf("Xvfb on display :%s (pid %lld)\n", qPrintable(number), xvfb_.processId());
  }

  void startEditor(const QString& exe, const QString& picture) { startProgram(exe, {picture}); }
  // An environment variable for the programs started from now on.
  void setEnvironment(const QString& name, const QString& value) { env_.insert(name, value); }

  // Each call starts one more program on the same display (an editor, a
  // window manager), stopped with the session.
  void startProgram(const QString& exe, const QStringList& args) {
    auto& program = *programs_.emplace_back(std::make_unique<QProcess>());
    program.setProcessEnvironment(env_);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(exe, args);
    if (!program.waitForStarted(5000)) fail(exe + " could not be started");
  }

  // The display the editors run on, as ":N".
  QString display() const { return env_.value("DISPLAY"); }
  // The editors' state folder, where their recovery copies go.
  QString stateHome() const { return runtime_.path() + "/state"; }

  // The process id of the `i`th program started by startEditor or startProgram.
  qint64 editorPid(size_t i) const { return programs_.at(i)->processId(); }

  QString waitForWindow(const QString& title) {
    return findWindow("^" + QRegularExpression::escape(title) + "$");
  }

  // The first visible window whose name matches `pattern`, waiting for it.
  QString findWindow(const QString& pattern) {
    // A window that closes while xdotool walks the tree (a dialog going away)
    // makes the search fail with BadWindow: search again until the deadline.
    QElapsedTimer clock;
    clock.start();
    QByteArray id;
    for (;;) {
      try {
        id = run("xdotool", {"search", "--sync", "--onlyvisible", "--name", pattern}, env_, 30000);
        break;
      } catch (const Failure&) {
        if (clock.elapsed() > 30000) throw;
        QThread::msleep(100);
      }
    }
    const QString wid = QString::fromLatin1(id).split('\n', Qt::SkipEmptyParts).value(0);
    if (wid.isEmpty()) fail("no window named " + pattern);
    return wid;
  }

  // xwd walks the windows for their colour maps: one that closes meanwhile
  // (a dialog going away) fails the dump, which is then taken again.
  Screen shot() {
    for (int attempt = 1;; ++attempt) {
      try {
        return parseXwd(run("xwd", {"-root", "-silent"}, env_));
      } catch (const Failure& f) {
        if (attempt == 3 || !f.why.contains("BadWindow")) throw;
      }
    }
  }

  // Ctrl+S to the focused editor, `name` typed into the save dialog, Enter;
  // returns once the editor's caption names the file.
  void saveAs(const QString& name) {
    tool({"key", "ctrl+s"});
    const QString dialog = findWindow("^Save As$");
    tool({"windowfocus", "--sync", dialog});
    tool({"key", "ctrl+a"});
    tool({"type", "--delay", "20", name});
    QThread::msleep(300);
    tool({"key", "Return"});
    waitForWindow("chromaSmith x0.94 - " + name);
  }

  // Screenshots until `found` gives a result, for up to ten seconds.
  template <class T>
  T poll(const std::function<std::optional<T>(const Screen&)>& found, const QString& what) {
    Screen last;
    for (int i = 0; i < 40; ++i) {
      last = shot();
      if (auto r = found(last)) return *r;
      QThread::msleep(250);
    }
    keep(last, shotPath_);
    fail(what + " (screenshot kept in " + QDir::current().filePath(shotPath_) + ")");
  }

  void tool(const QStringList& args) { run("xdotool", args, env_); }
  // Another X client (xset, xprop and the like) on the session's display;
  // its standard output.
  QByteArray command(const QString& program, const QStringList& args) { return run(program, args, env_); }
  QByteArray toolOutput(const QStringList& args) { return run("xdotool", args, env_, 30000); }

 private:
  static void stop(QProcess& p) {
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(3000)) {
      p.kill();
      p.waitForFinished(3000);
    }
  }
  const char* shotPath_;
  QTemporaryDir runtime_;
  QProcess xvfb_;
  std::vector<std::unique_ptr<QProcess>> programs_;
  QProcessEnvironment env_;
};

// The top of the picture window's sky-blue caption strip above `below`; the
// work area starts a line above it, the toolbar above that.
inline int CaptionStripTop(const Screen& s, int below) {
  for (int y = 0; y < below; ++y)
    if (s.at(8, y) == 0xA6CAF0) return y;
  fail("the picture window's caption strip was not found");
}

// Painting rules run beside the editor draw nothing.
class NoSink : public cs::PaintSink {
 public:
  void redrawCell(int, int, int) override {}
  void showPaintedPoint(const cs::PointInfo&) override {}
};

// One xdotool command, with time for the editor to handle it; a click at a
// screen point.
inline void act(Session& s, const QStringList& args) {
  s.tool(args);
  QThread::msleep(150);
}
inline QStringList at(QPoint p) { return {QString::number(p.x()), QString::number(p.y())}; }
inline void clickAt(Session& s, QPoint p) {
  act(s, QStringList{"mousemove"} + at(p) + QStringList{"click", "1"});
}

// The file's bytes, or a failure naming the first one that differs.
inline QByteArray expectFileBytes(const QString& path, const std::vector<uint8_t>& want) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) fail("nothing was saved at " + path);
  const QByteArray bytes = file.readAll();
  if (size_t(bytes.size()) != want.size())
    fail(QString("saved %1 bytes, not %2").arg(bytes.size()).arg(want.size()));
  for (size_t i = 0; i < want.size(); ++i)
    if (uint8_t(bytes[qsizetype(i)]) != want[i])
      fail(QString("byte %1 is %2, not %3").arg(i).arg(uint8_t(bytes[qsizetype(i)])).arg(want[i]));
  return bytes;
}

// The window manager's close request (WM_DELETE_WINDOW), as a close box
// sends it: there is no window manager in the test's X server.
inline void requestClose(const QString& display, const QString& wid) {
  xcb_connection_t* c = xcb_connect(display.toLatin1().constData(), nullptr);
  if (xcb_connection_has_error(c)) fail("no connection to " + display);
  auto atom = [c](const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr), &free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
  };
  xcb_client_message_event_t e{.response_type = XCB_CLIENT_MESSAGE,
                               .format = 32,
                               .sequence = 0,
                               .window = wid.toUInt(),
                               .type = atom("WM_PROTOCOLS"),
                               .data = {}};
  e.data.data32[0] = atom("WM_DELETE_WINDOW");
  xcb_send_event(c, 0, e.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
  xcb_flush(c);
  xcb_disconnect(c);
}

// The test's main: runs `check` and reports a failure's reason.
inline int RunCheck(int argc, char** argv, int (*check)()) {
  QCoreApplication app(argc, argv);
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  try {
    return check();
  } catch (const Failure& f) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(f.why));
    return 1;
  }
}

}  // namespace cs::e2e
