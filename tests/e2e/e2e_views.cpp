// The views in a real X server: T, U and I show their renders exactly; in
// Flicker mode every screenshot is one of the two screens, each many times;
// a stroke painted while flickering saves the same file as in the mix.
#include <QFileInfo>

#include "e2e_harness.h"
#include "render/screen_views.h"

using namespace cs::e2e;

namespace {

const QString kSample = CHROMASMITH_TESTDATA "/zx-image/example.mg4";
constexpr int kScale = 4;

// Which of `frames` the editor image at `o` shows (every other pixel of
// every other line compared), or -1 for none.
int shownFrame(const Screen& s, QPoint o, const std::vector<const cs::RgbImage*>& frames) {
  const auto same = [&](const cs::RgbImage& f) {
    for (int y = 0; y < 192 * kScale; y += 2)
      for (int x = 0; x < 256 * kScale; x += 2)
        if (s.at(o.x() + x, o.y() + y) != (f.at(x / kScale, y / kScale) & 0xFFFFFF)) return false;
    return true;
  };
  for (std::size_t k = 0; k < frames.size(); ++k)
    if (same(*frames[k])) return int(k);
  return -1;
}

}  // namespace

int check() {
  const QString sample = QFileInfo(kSample).absoluteFilePath();
  const cs::Picture pic = LoadSample(sample);
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);
  cs::ScreenViews interlaced;
  interlaced.compose(pic, cs::ViewMode::Interlace, cs::ColourTables{});

  Session session("e2e_views_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, sample);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + sample);
  const Expect mixed{&images.composite, kScale, pic.vertSize, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& s) {
        return locate(s, mixed, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080));
      },
      "the mixed picture is not on the screen");
  const auto waitFor = [&](const char* key, std::vector<const cs::RgbImage*> frames, const char* what) {
    session.tool({"key", "--window", wid, key});
    session.poll<int>(
        [&](const Screen& s) -> std::optional<int> {
          const int k = shownFrame(s, o, frames);
          return k < 0 ? std::nullopt : std::optional<int>(k);
        },
        QString("after %1 the screen does not show %2").arg(key, what));
  };
  waitFor("t", {&images.screen0}, "screen 0");
  waitFor("u", {&images.screen1}, "screen 1");
  waitFor("i", {&interlaced.frame(0).composite, &interlaced.frame(1).composite}, "an interlaced frame");

  // Flicker: every screenshot is one of the two screens; a random wait keeps
  // the shots (about 100 ms each, five frames) from meeting the same one.
  waitFor("f", {&images.screen0, &images.screen1}, "a screen");
  int seen[2] = {0, 0};
  std::mt19937 rng(7);
  for (int shot = 0; shot < 24; ++shot) {
    QThread::msleep(rng() % 20);
    const Screen s = session.shot();
    const int k = shownFrame(s, o, {&images.screen0, &images.screen1});
    if (k < 0) keep(s, "e2e_views_last.png"), fail("a screenshot in Flicker mode shows neither screen");
    ++seen[k];
  }
  std::printf("24 shots: screen 0 %d times, screen 1 %d times\n", seen[0], seen[1]);
  if (seen[0] < 3 || seen[1] < 3) fail("the two screens do not alternate");

  // The same points painted while flickering and in the mixed view. They are
  // clicked one by one: a busy window merges the moves of a drag, so a drag
  // would paint a different set of points from one run to the next. Painting
  // a point again changes nothing, so Ctrl+Z (which takes back the last
  // click only) leaves a picture the second series paints to the same end.
  const auto stroke = [&] {
    for (int i = 0; i <= 20; ++i)
      session.tool({"mousemove", QString::number(o.x() + (40 + 3 * i) * kScale + 1),
                    QString::number(o.y() + (40 + 2 * i) * kScale + 1), "click", "1"});
  };
  const QTemporaryDir dir;
  stroke();
  session.saveAs(dir.filePath("flicker.mgs"));
  session.tool({"key", "--window", wid, "ctrl+z"});
  session.tool({"key", "--window", wid, "m"});
  stroke();
  session.saveAs(dir.filePath("mix.mgs"));
  cs::Picture painted;
  if (cs::LoadMgsFile(dir.filePath("mix.mgs").toStdString(), painted) || painted.planes == pic.planes)
    fail("the stroke painted in the mixed view changed nothing");
  expectFileBytes(dir.filePath("flicker.mgs"), cs::EncodeMgs(painted));
  std::printf("the stroke saves the same picture in both views\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
