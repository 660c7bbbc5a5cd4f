// The emulator preview for real: the shipped view8xN.sh turns a random
// picture of its cell height into a snapshot and runs fuse in an Xvfb of its
// own, recording every frame; fmfconv makes the frames images. After the
// start-up frames each frame must be exactly our render of screen 0 or of
// screen 1 at that cell height, paper and border alike, and consecutive
// frames must show the other screen. Any argument picks the cell heights to
// run, e.g. "1"; all of them otherwise.
#include <cstdlib>
#include <random>

#include "e2e_harness.h"
#include "emulator/embedded_code.h"
#include "emulator/snapshot_export.h"
#include "formats/formats.h"
#include "render/compose.h"

using namespace cs;
using namespace cs::e2e;

namespace {

constexpr int kFrames = 50;
// Debian's opense-basic package.
constexpr const char* kOpenseRom = "/usr/share/spectrum-roms/opense.rom";
// The first frame is blank and the snapshot starts part-way into the next
// one; from the third on the viewer runs.
constexpr int kStartFrames = 3;
constexpr int kFrameWidth = 320, kFrameHeight = 240, kPaperX = 32, kPaperY = 24;

// fuse's levels (0, 192, 255) as ours (0, 202, 254); the mapping is one to one.
int ourLevel(uint8_t fuse) { return fuse == 192 ? kNormalLevel : fuse == 255 ? kBrightLevel : fuse; }

// A binary PPM as fmfconv writes it, comments allowed, in our levels.
RgbImage readPpm(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) fail("no frame " + path);
  const QByteArray d = f.readAll();
  static const QRegularExpression header(R"(^P6\s+(?:#[^\n]*\n\s*)*(\d+)\s+(\d+)\s+255\s)");
  const auto m = header.match(QString::fromLatin1(d.left(200)));
  if (!m.hasMatch() || m.captured(1).toInt() != kFrameWidth || m.captured(2).toInt() != kFrameHeight)
    fail(path + " is not a 320 x 240 PPM");
  RgbImage img(kFrameWidth, kFrameHeight);
  const auto* px = reinterpret_cast<const uint8_t*>(d.constData()) + m.capturedLength();
  if (d.size() - m.capturedLength() < kFrameWidth * kFrameHeight * 3) fail(path + " is short");
  for (int y = 0; y < kFrameHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x, px += 3)
      img.row(y)[x] = rgb(uint8_t(ourLevel(px[0])), uint8_t(ourLevel(px[1])), uint8_t(ourLevel(px[2])));
  return img;
}

// Whether `frame` shows `screen` in the paper area and `border` all round it.
bool shows(const RgbImage& frame, const RgbImage& screen, Rgb border) {
  for (int y = 0; y < kFrameHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x) {
      const bool paper = x >= kPaperX && x < kPaperX + 256 && y >= kPaperY && y < kPaperY + 192;
      if (frame.at(x, y) != (paper ? screen.at(x - kPaperX, y - kPaperY) : border)) return false;
    }
  return true;
}

void checkFrames(Session& session, const QString& dir, const ComposedImages& renders, const Rgb borders[2],
                 const QString& label);

Rgb normalZxColour(uint8_t z) { return zxColour(z == 0 ? 0 : uint8_t(2 * z - 1)); }

void checkHeight(int height) {
  QTemporaryDir dir;
  const QString zxview = dir.path() + "/zxview";
  QDir().mkpath(zxview);
  QDir().mkpath(dir.path() + "/home");
  const QString script = QString("view8x%1.sh").arg(height);
  for (const QString& name : {QString("view8x8.sh"), script})
    if (!QFile::exists(zxview + "/" + name) && !QFile::copy(CHROMASMITH_ZXVIEW "/" + name, zxview + "/" + name))
      fail("no " + name + " to copy");

  Picture pic;
  std::mt19937 rng(7u + unsigned(height));
  for (auto& b : pic.planes) b = uint8_t(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = uint8_t(height);
  pic.borderIndex0 = 2;
  pic.borderIndex1 = 5;
  const std::string file = QFile::encodeName(QString("%1/image.mg%2").arg(zxview).arg(height)).toStdString();
  if (WriteMgFile(file, pic)) fail("cannot write the picture");
  // What the Spectrum can show: one BRIGHT per cell, as the file carries it.
  Picture shown;
  if (LoadMgFile(file, shown)) fail("cannot read the picture back");
  ComposedImages renders;
  ComposePicture(shown, ColourTables{}, renders);
  const Rgb borders[2] = {normalZxColour(pic.borderIndex0), normalZxColour(pic.borderIndex1)};

  // fuse reads no settings of the user's, and finds the snapshot maker the
  // way the editor tells the script where it is.
  qputenv("HOME", QFile::encodeName(dir.path() + "/home"));
  qputenv("CHROMASMITH_BIN", CHROMASMITH_EDITOR_DIR "/");
  Session session("e2e_emulator_last.png");
  session.startXvfb();
  const QString movie = dir.path() + "/movie.fmf";
  // fuse ignores SIGTERM; its debugger ends it after the frames, and timeout
  // kills the whole process group if that ever fails.
  const QString stop =
      QString("break time 1000 if spectrum:frames>=%1\ncommands 1\nexit\nend\n").arg(kFrames);
  QElapsedTimer clock;
  clock.start();
  session.command("timeout", {"-s", "KILL", "60", zxview + "/" + script, "--movie-start", movie,
                              "--debugger-command", stop});
  std::printf("8x%d: fuse ran %d frames in %lld ms\n", height, kFrames, clock.elapsed());
  checkFrames(session, dir.path(), renders, borders, QString("8x%1").arg(height));
}

// The movie's frames after the start-up ones: each exactly one screen with
// its border, and consecutive ones different.
void checkFrames(Session& session, const QString& dir, const ComposedImages& renders, const Rgb borders[2],
                 const QString& label) {
  const RgbImage* screens[2] = {&renders.screen0, &renders.screen1};
  const QString movie = dir + "/movie.fmf";
  const QString frames = dir + "/frames";
  QDir(frames).removeRecursively();
  QDir().mkpath(frames);
  session.command("fmfconv", {"-y", "--ppm", "-f", "raw", movie, frames + "/f.ppm"});

  int previous = -1;
  for (int i = kStartFrames; i < kFrames; ++i) {
    const QString path = QString("%1/f-%2.ppm").arg(frames).arg(i, 8, 10, QChar('0'));
    const RgbImage frame = readPpm(path);
    int screen = -1;
    for (int s : {0, 1})
      if (shows(frame, *screens[s], borders[s])) screen = s;
    if (screen < 0) {
      QImage(reinterpret_cast<const uchar*>(frame.row(0)), kFrameWidth, kFrameHeight, QImage::Format_RGB32)
          .save("e2e_emulator_last.png");
      fail(QString("%1: frame %2 is neither screen with its border (kept in e2e_emulator_last.png)")
               .arg(label)
               .arg(i));
    }
    if (screen == previous)
      fail(QString("%1: frames %2 and %3 both show screen %4").arg(label).arg(i - 1).arg(i).arg(screen));
    previous = screen;
  }
  std::printf("%s: frames %d to %d alternate between the two screens\n", qPrintable(label), kStartFrames,
              kFrames - 1);
}

// The exported snapshots of every kind, run by fuse itself with our ROM and
// with a real machine's (opense, a free 48K BASIC ROM whose interrupt
// handler scans the keyboard) in every ROM slot: the viewer must depend on
// neither.
void checkExports(int height) {
  QTemporaryDir dir;
  QDir().mkpath(dir.path() + "/home");
  qputenv("HOME", QFile::encodeName(dir.path() + "/home"));
  // A sample of other tools at this cell height, with its own border pair.
  Picture pic = LoadSample(QString(CHROMASMITH_TESTDATA "/zx-image/example.mg%1").arg(height));
  pic.borderIndex0 = 6;
  pic.borderIndex1 = 1;
  ComposedImages renders;
  ComposePicture(pic, ColourTables{}, renders);
  const Rgb borders[2] = {normalZxColour(pic.borderIndex0), normalZxColour(pic.borderIndex1)};
  const QString ourRom = dir.path() + "/chromasmith.rom";
  if (WriteFileAtomic(QFile::encodeName(ourRom).toStdString(), RomCode())) fail("cannot write our ROM");
  Session session("e2e_emulator_last.png");
  session.startXvfb();
  const QString stop =
      QString("break time 1000 if spectrum:frames>=%1\ncommands 1\nexit\nend\n").arg(kFrames);
  for (auto [ext, kind] : {std::pair{".szx", SnapshotKind::Szx}, {".z80", SnapshotKind::Z80}, {".sna", SnapshotKind::Sna}}) {
    const QString snapshot = dir.path() + "/export" + ext;
    if (WriteViewerSnapshot(QFile::encodeName(snapshot).toStdString(), pic, kind)) fail("cannot export");
    for (const QString& rom : {ourRom, QString(kOpenseRom)}) {
      session.command("timeout", {"-s", "KILL", "60", "fuse", "--machine", "pentagon", "--rate", "1", "--no-sound",
                                  "--no-confirm-actions", "--no-autosave-settings", "--rom-pentagon-0", rom,
                                  "--rom-pentagon-1", rom, "--rom-pentagon-2", rom, "--snapshot", snapshot,
                                  "--movie-start", dir.path() + "/movie.fmf", "--debugger-command", stop});
      checkFrames(session, dir.path(), renders, borders,
                  QString("8x%1 %2 with %3").arg(height).arg(ext).arg(QFileInfo(rom).fileName()));
    }
  }
}

std::vector<int> heights = {8, 4, 2, 1};

int check() {
  for (int height : heights) checkHeight(height);
  for (int height : heights) checkExports(height);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') heights = {std::atoi(argv[1])};
  return RunCheck(argc, argv, check);
}
