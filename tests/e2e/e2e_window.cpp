// End to end under a real X server: starts Xvfb on a free display, starts the
// editor with a sample picture, waits for its window by caption and checks
// the screen: the editor image is the picture's composition magnified 4
// times; after the key G the char grid lies over it; after a press on the
// zoom key x2 it is magnified 8 times around the same centre; V shows the
// preview window, and a drag of its caption strip through far-away places
// moves it by exactly the mouse's travel. Any missing tool or mismatch fails
// the test; the last screenshot is kept for a look.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>

#include "formats/formats.h"
#include "render/compose.h"

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg4";
const char* const kShotPath = "e2e_window_last.png";

// Thrown on the first mismatch, so the X server and the editor are stopped
// on the way out.
struct Failure {
  QString why;
};
[[noreturn]] void fail(const QString& why) { throw Failure{why}; }

struct Screen {
  int width = 0, height = 0;
  std::vector<uint32_t> rgb;  // 0xRRGGBB per pixel
  uint32_t at(int x, int y) const { return rgb[size_t(y) * size_t(width) + size_t(x)]; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

uint32_t be32(const QByteArray& b, int off) {
  const auto* p = reinterpret_cast<const uint8_t*>(b.constData()) + off;
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

int shiftOf(uint32_t mask) {
  int s = 0;
  while (mask && !(mask & 1)) mask >>= 1, ++s;
  return s;
}

// An xwd dump: big-endian header, colormap entries of 12 bytes, then the
// pixels in the server's byte order.
Screen parseXwd(const QByteArray& d) {
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
      const uint32_t v = byteOrder == 0 ? (uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0])
                                        : (uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]);
      const uint32_t r = (v & rMask) >> shiftOf(rMask), g = (v & gMask) >> shiftOf(gMask),
                     b = (v & bMask) >> shiftOf(bMask);
      s.rgb[size_t(y) * width + x] = r << 16 | g << 8 | b;
    }
  return s;
}

void keep(const Screen& s) {
  QImage img(s.width, s.height, QImage::Format_RGB32);
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) img.setPixel(x, y, 0xFF000000u | s.at(x, y));
  img.save(kShotPath);
}

// Runs a tool to completion; its standard output, or failure.
QByteArray run(const QString& program, const QStringList& args, const QProcessEnvironment& env, int timeoutMs = 20000) {
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
uint32_t expectedAt(const cs::RgbImage& composite, int s, int h, bool grid, int x, int y) {
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

// The image's origin on the screen: tries every origin in the ranges, with a
// fixed set of sample pixels first and then every visible pixel of `area`.
std::optional<QPoint> locate(const Screen& scr, const Expect& e, QRect origins, QRect area) {
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
  ~Session() {
    stop(editor_);
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
      if (xvfb_.state() != QProcess::Running) fail("Xvfb stopped: " + QString::fromLocal8Bit(xvfb_.readAllStandardError()));
    }
    const QString number = QString::fromLatin1(out).trimmed();
    if (number.isEmpty()) fail("Xvfb reported no display");
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("DISPLAY", ":" + number);
    env_.insert("QT_QPA_PLATFORM", "xcb");
    env_.insert("XDG_RUNTIME_DIR", runtime_.path());
    std::printf("Xvfb on display :%s (pid %lld)\n", qPrintable(number), xvfb_.processId());
  }

  void startEditor(const QString& exe, const QString& picture) {
    editor_.setProcessEnvironment(env_);
    editor_.setProcessChannelMode(QProcess::ForwardedChannels);
    editor_.start(exe, {picture});
    if (!editor_.waitForStarted(5000)) fail("the editor could not be started");
  }

  QString waitForWindow(const QString& title) {
    const QString pattern = "^" + QRegularExpression::escape(title) + "$";
    const QByteArray id = run("xdotool", {"search", "--sync", "--onlyvisible", "--name", pattern}, env_, 30000);
    const QString wid = QString::fromLatin1(id).split('\n', Qt::SkipEmptyParts).value(0);
    if (wid.isEmpty()) fail("no window titled " + title);
    return wid;
  }

  Screen shot() { return parseXwd(run("xwd", {"-root", "-silent"}, env_)); }

  // Screenshots until `found` gives a result, for up to ten seconds.
  template <class T>
  T poll(const std::function<std::optional<T>(const Screen&)>& found, const QString& what) {
    Screen last;
    for (int i = 0; i < 40; ++i) {
      last = shot();
      if (auto r = found(last)) return *r;
      QThread::msleep(250);
    }
    keep(last);
    fail(what + " (screenshot kept in " + QDir::current().filePath(kShotPath) + ")");
  }

  void tool(const QStringList& args) { run("xdotool", args, env_); }

 private:
  static void stop(QProcess& p) {
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(3000)) {
      p.kill();
      p.waitForFinished(3000);
    }
  }
  QTemporaryDir runtime_;
  QProcess xvfb_;
  QProcess editor_;
  QProcessEnvironment env_;
};

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
  cs::Picture pic;
  if (cs::FileError e = cs::LoadMgFile(sample.toStdString(), pic)) fail("sample: " + QString::fromStdString(e.text()));
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
      [&](const Screen& s) { return locate(s, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), screenRect); },
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
      [&](const Screen& s) { return locate(s, zoomed, QRect(o1.x() - 2048, o1.y() - 1536, 2049, 1537), image1); },
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
      [&](const Screen& s) { return locate(s, preview, QRect(0, 0, 1920 - 512 + 1, 1080 - 384 + 1), screenRect); },
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
