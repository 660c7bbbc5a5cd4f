// The View menu through the main window: its place and items, the keys that
// switch the views, what the editor image and the preview show in each, the
// flicker score in the status bar, "Balance flicker" as one undo step and
// the PNG export in a gallery palette.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <random>

#include "app/ui/editor_image.h"
#include "app/ui/file_dialog.h"
#include "app/ui/preview_panels.h"
#include "app/ui/status_bar.h"
#include "app/ui/view_modes.h"
#include "colour/flicker.h"
#include "gui_helpers.h"
#include "render/gallery_palette.h"
#include "tests/core/png_reader.h"

using namespace cs;
using cs::test::start;

namespace {

std::unique_ptr<test::Started> startWithPicture() {
  auto s = start();
  Picture& pic = s->w().state().picture;
  std::mt19937 rng(9);
  for (auto& b : pic.planes) b = uint8_t(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = 4;
  pic.borderIndex0 = 2;
  pic.borderIndex1 = 5;
  s->w().RefreshPicture(true);
  return s;
}

// The editor image as painted, at picture pixel (x, y).
QRgb shownAt(MainWindow& w, int x, int y) {
  const int s = w.state().view.pixelScale();
  return w.editorImage()->grab(QRect(x * s, y * s, 1, 1)).toImage().pixel(0, 0) | 0xFF000000u;
}

}  // namespace

class ViewModesTest : public QObject {
  Q_OBJECT
 private slots:
  void theMenuSitsBetweenEditAndTheCorrector() {
    auto s = start();
    QStringList titles;
    for (QAction* a : s->w().menuBar()->actions()) titles << a->text();
    QCOMPARE(titles.mid(1, 3), QStringList({"Edit", "View", "Color Corrector"}));
    QStringList items;
    for (QAction* a : s->find<QMenu>("View1")->actions()) items << a->text();
    QCOMPARE(items, QStringList({"Mix (use hotkey 'M')", "Flicker (use hotkey 'F')", "Interlace (use hotkey 'I')",
                                 "Screen 0 (use hotkey 'T')", "Screen 1 (use hotkey 'U')",
                                 "Flicker risk (use hotkey 'R')", "", "Palette"}));
    QStringList palettes;
    for (QAction* a : s->find<QMenu>("ViewPalette1")->actions()) palettes << a->text();
    QCOMPARE(palettes, QStringList({"chromaSmith", "srgb", "pulsar", "orthodox", "alone", "electroscale"}));
    QVERIFY(s->find<QAction>("ViewMix1")->isChecked());
    QVERIFY(s->find<QAction>("ViewPalette_chromaSmith")->isChecked());
  }

  void keysSwitchWhatTheEditorAndThePreviewShow() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.TogglePreviewPanel();
    const ComposedImages& mix = w.images();
    const struct {
      Qt::Key key;
      ViewMode mode;
      const RgbImage* image;
      Rgb border;
    } rows[] = {
        {Qt::Key_T, ViewMode::Screen0, &mix.screen0, screenBorder(w.tables(), 2)},
        {Qt::Key_U, ViewMode::Screen1, &mix.screen1, screenBorder(w.tables(), 5)},
        {Qt::Key_M, ViewMode::Mix, &mix.composite, BorderColor(2, 5)},
    };
    for (const auto& r : rows) {
      w.keyPressed(r.key, {});
      QCOMPARE(w.state().viewMode, r.mode);
      for (int p : {0, 37, 191}) QCOMPARE(shownAt(w, p, p), r.image->at(p, p));
      QCOMPARE(w.previewPanel()->image()->canvas().at(75, 75), r.image->at(37, 37));
      QCOMPARE(w.previewPanel()->borderFrame()->colour(), r.border);
    }
    // Ctrl+F is no view key.
    w.keyPressed(Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(w.state().viewMode, ViewMode::Mix);

    // Flicker alternates the two screens at 50 changes a second or more.
    w.keyPressed(Qt::Key_F, {});
    QVERIFY(s->find<QAction>("ViewFlicker1")->isChecked());
    QVERIFY(w.viewModes().frameInterval() <= 20);
    const int first = w.viewModes().phase();
    QTRY_VERIFY_WITH_TIMEOUT(w.viewModes().phase() != first, 200);
    const RgbImage& now = w.viewModes().phase() ? mix.screen1 : mix.screen0;
    QCOMPARE(w.viewModes().shown().composite.at(9, 9), now.at(9, 9));
  }

  void riskViewShowsTheScoreAndBalancingIsOneUndoStep() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    StatusField* score = s->find<StatusField>("Status_FlickerScore");
    QCOMPARE(score->text(), QString());
    w.keyPressed(Qt::Key_R, {});
    const double before = FlickerScore(w.state().picture);
    QCOMPARE(score->text(), QString("Flicker: %1").arg(before, 0, 'f', 1));
    const Picture original = w.state().picture;
    const RgbImage shown = w.images().composite;
    s->find<QAction>("BalanceFlicker1")->trigger();
    QVERIFY(FlickerScore(w.state().picture) < before);
    QCOMPARE(score->text(), QString("Flicker: %1").arg(FlickerScore(w.state().picture), 0, 'f', 1));
    for (int y = 0; y < 192; y += 7)
      for (int x = 0; x < 256; x += 5) QCOMPARE(w.images().composite.at(x, y), shown.at(x, y));
    w.keyPressed(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.state().picture.planes == original.planes);
  }

  void exportUsesTheChosenPalette() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    s->find<QAction>("ViewPalette_pulsar")->trigger();
    const QString name = s->dir->path() + "/out.png";
    w.saveDialog().setRunner([&](const FileDialog&) { return std::optional<QString>(name); });
    w.showExportPng();
    w.exportPng();
    const auto png = testing::ReadPng(QFile::encodeName(name).toStdString());
    QVERIFY(png.has_value());
    ComposedImages pulsar;
    ComposePicture(w.state().picture, ViewPaletteTables(ViewPalette::Pulsar), pulsar);
    QCOMPARE(png->at(100, 100), pulsar.composite.at(100, 100));
    QCOMPARE(w.previewPanel()->borderFrame()->colour(),
             mixedBorder(ViewPaletteTables(ViewPalette::Pulsar), 2, 5));
  }
};

QTEST_MAIN(ViewModesTest)
#include "test_view_modes.moc"
