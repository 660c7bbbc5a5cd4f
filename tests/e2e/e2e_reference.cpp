// The reference image under a real X server, driven by X input: opened from
// the View menu, its opacity typed into the Reference panel and moved by a
// drag with Move down; the editor image shows the blend; Z hides it; a
// stroke saves the same file with it shown or hidden; the picture, closed
// and opened again, brings it back where it was.
#include <QFileInfo>

#include "e2e_harness.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg4";
constexpr int kScale = 4;  // zoom level 1
const QPoint kShift(10, 5);  // the drag, in picture pixels

// Ramps of every channel at the picture's own size: fitted at 100 % it lies
// on the picture pixel for pixel.
QImage referenceImage() {
  QImage img(256, 192, QImage::Format_RGB32);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) img.setPixel(x, y, qRgb(x, (y * 4) & 255, (x ^ y) & 255));
  return img;
}

// Why the editor image at `o` is not `composite` with `ref`, moved by
// `shift`, laid over it at `opacity` percent (no `ref`: the picture alone),
// within one level per channel; one pixel per picture pixel, none in `skip`.
std::optional<QString> mismatch(const Screen& s, QPoint o, const cs::RgbImage& composite, const QImage* ref,
                                QPoint shift, int opacity, QRect skip = {}) {
  const double a = opacity / 100.0;
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const QPoint at = o + QPoint(x * kScale + 2, y * kScale + 2);
      if (skip.contains(at)) continue;
      const uint32_t pic = composite.at(x, y);
      const QPoint r = QPoint(x, y) - shift;
      const bool over = ref && QRect(0, 0, 256, 192).contains(r);
      const QRgb c = over ? ref->pixel(r) : 0;
      const uint32_t got = s.at(at.x(), at.y());
      for (int shiftBits : {16, 8, 0}) {
        const double p = (pic >> shiftBits) & 0xFF, q = (c >> shiftBits) & 0xFF;
        const double want = over ? p * (1 - a) + q * a : p;
        if (std::abs(double((got >> shiftBits) & 0xFF) - want) > 1.0)
          return QString("picture pixel (%1, %2) shows %3").arg(x).arg(y).arg(got, 6, 16, QChar('0'));
      }
    }
  return std::nullopt;
}

void expectImage(Session& session, const std::function<std::optional<QString>(const Screen&)>& why,
                 const QString& what) {
  QString last;
  session.poll<bool>(
      [&](const Screen& s) -> std::optional<bool> {
        const auto w = why(s);
        if (!w) return true;
        last = *w;
        return std::nullopt;
      },
      what + ": " + last);
  std::printf("%s\n", qPrintable(what));
}

void writeFile(const QString& path, const std::vector<uint8_t>& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
                                           qint64(bytes.size()))
    fail("cannot write " + path);
}

}  // namespace

int check() {
  const QTemporaryDir dir;
  const cs::Picture pic = LoadSample(QFileInfo(kSample).absoluteFilePath());
  const QString start = dir.filePath("start.mgs"), with = dir.filePath("with.mgs");
  const QString without = dir.filePath("without.mgs"), refPath = dir.filePath("reference.png");
  writeFile(start, cs::EncodeMgs(pic));
  const QImage ref = referenceImage();
  if (!ref.save(refPath)) fail("cannot write " + refPath);
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);

  Session session("e2e_reference_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, start);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + start);
  const Expect plain{&images.composite, kScale, pic.vertSize, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080));
      },
      "the picture is not on the screen");

  // View > "Reference image...": the menu's third title, the second item
  // from its end that can be chosen; then the name typed into the dialog.
  clickAt(session, session.poll<QPoint>([](const Screen& s) { return MenuTitle(s, 2); }, "no View menu"));
  for (const char* k : {"Up", "Up", "Return"}) act(session, {"key", k});
  for (const QStringList& step : {QStringList{"windowfocus", "--sync", session.findWindow("^Open$")},
                                  {"key", "ctrl+a"}, {"type", "--delay", "10", refPath}, {"sleep", "0.2"},
                                  {"key", "Return"}})
    session.tool(step);
  // The panel shows at its default place in the work area, over part of the image.
  const QPoint panel(780, CaptionStripTop(session.shot(), o.y()) - 1 + 470);
  const QRect covered(panel, QSize(218, 196));
  expectImage(session, [&](const Screen& s) { return mismatch(s, o, images.composite, &ref, {}, 50, covered); },
              "opened: the reference lies over the picture at 50 %");

  // 70 typed into the opacity field; Move, a drag, Move again.
  clickAt(session, panel + QPoint(130, 34));
  for (const QStringList& step : {QStringList{"key", "ctrl+a"}, {"type", "70"}, {"key", "Return"}})
    act(session, step);
  const QPoint moveKey = panel + QPoint(57, 174);
  clickAt(session, moveKey);
  const QPoint from = o + QPoint(60 * kScale + 2, 60 * kScale + 2);
  act(session, QStringList{"mousemove"} + at(from) + QStringList{"mousedown", "1"});
  for (int i = 1; i <= 5; ++i) act(session, QStringList{"mousemove"} + at(from + kShift * kScale * i / 5));
  act(session, {"mouseup", "1"});
  clickAt(session, moveKey);
  expectImage(session, [&](const Screen& s) { return mismatch(s, o, images.composite, &ref, kShift, 70, covered); },
              "the editor image is the picture and the moved reference at 70 %");
  act(session, {"key", "z"});
  expectImage(session, [&](const Screen& s) { return mismatch(s, o, images.composite, nullptr, {}, 0, covered); },
              "Z: the picture alone");
  act(session, {"key", "z"});

  // The same clicks with the reference shown and hidden save the same file
  // (Ctrl+Z takes back the last click, which the second series paints again).
  const auto stroke = [&] {
    for (int i = 0; i <= 12; ++i) clickAt(session, o + QPoint((10 + 3 * i) * kScale + 1, (150 + i) * kScale + 1));
  };
  stroke();
  session.saveAs(with);
  act(session, {"key", "ctrl+z"});
  act(session, {"key", "z"});
  stroke();
  session.saveAs(without);
  cs::Picture painted;
  if (cs::LoadMgsFile(without.toStdString(), painted) || painted.planes == pic.planes)
    fail("the stroke changed nothing");
  expectFileBytes(with, cs::EncodeMgs(painted));
  std::printf("the stroke saves the same file with the reference shown or hidden\n");

  // Shown again, the window closed, the picture opened again: the
  // reference is back where it was.
  act(session, {"key", "z"});
  requestClose(session.display(), wid);
  session.startEditor(CHROMASMITH_EXE, without);
  session.waitForWindow("chromaSmith x0.94 - " + without);
  cs::ComposedImages paintedImages;
  cs::ComposePicture(painted, cs::ColourTables{}, paintedImages);
  expectImage(session,
              [&](const Screen& s) { return mismatch(s, o, paintedImages.composite, &ref, kShift, 70); },
              "reopened: the reference is back where it was");
  std::printf("PASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
