// The View menu through the main window: its place and items, the keys that
// switch what the editor image and the preview show, the flicker score in
// the status bar and "Balance flicker" as one undo step.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <random>

#include "app/ui/preview_panels.h"
#include "app/ui/status_bar.h"
#include "app/ui/view_modes.h"
#include "colour/flicker.h"
#include "gui_helpers.h"
#include "render/gallery_palette.h"

using namespace cs;

namespace {

QStringList captions(QWidget* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << a->text();
  return out;
}

}  // namespace

class ViewModesTest : public QObject {
  Q_OBJECT
 private slots:
  void theMenuSitsBetweenEditAndTheCorrector() {
    auto s = test::start();
    QCOMPARE(captions(s->w().menuBar()).mid(1, 3), QStringList({"Edit", "View", "Color Corrector"}));
    QCOMPARE(captions(s->find<QMenu>("View1")),
             QStringList({"Mix (use hotkey 'M')", "Flicker (use hotkey 'F')", "Interlace (use hotkey 'I')",
                          "Screen 0 (use hotkey 'T')", "Screen 1 (use hotkey 'U')", "Flicker risk (use hotkey 'R')",
                          "", "Palette", "", "Mirror left-right", "Mirror top-bottom", "Instruments", "",
                          "Patterns", "Brush", "", "Reference image...", "Show reference image",
                          "Reference panel"}));
    QCOMPARE(captions(s->find<QMenu>("ViewPalette1")),
             QStringList({"chromaSmith", "srgb", "pulsar", "orthodox", "alone", "electroscale"}));
    QVERIFY(s->find<QAction>("ViewMix1")->isChecked() && s->find<QAction>("ViewPalette_chromaSmith")->isChecked());
  }

  void keysSwitchTheViewsAndBalancingKeepsTheMix() {
    auto s = test::start();
    MainWindow& w = s->w();
    Picture& pic = w.state().picture;
    std::mt19937 rng(9);
    for (auto& b : pic.planes) b = uint8_t(rng());
    for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
    pic.vertSize = 4, pic.borderIndex0 = 2, pic.borderIndex1 = 5;
    w.RefreshPicture(true);
    QVERIFY(test::showAndWait(w));
    w.TogglePreviewPanel();
    const ComposedImages& mix = w.images();
    // The preview and its frame follow the keys (the editor image's pixels
    // are checked end to end).
    w.keyPressed(Qt::Key_U, {});
    QCOMPARE(w.previewPanel()->image()->canvas().at(75, 75), mix.screen1.at(37, 37));
    QCOMPARE(w.previewPanel()->borderFrame()->colour(), screenBorder(w.tables(), 5));
    w.keyPressed(Qt::Key_M, {});
    QCOMPARE(w.previewPanel()->borderFrame()->colour(), BorderColor(2, 5));
    // Flicker alternates the two screens, 50 times a second or more.
    w.keyPressed(Qt::Key_F, {});
    QVERIFY(s->find<QAction>("ViewFlicker1")->isChecked() && w.viewModes().frameInterval() <= 20);
    const int first = w.viewModes().phase();
    QTRY_VERIFY_WITH_TIMEOUT(w.viewModes().phase() != first, 200);

    // The risk map brings the score into the status bar; balancing lowers
    // it, keeps the mix and is undone by one Ctrl+Z.
    StatusField* score = s->find<StatusField>("Status_FlickerScore");
    w.keyPressed(Qt::Key_R, {});
    const double before = FlickerScore(w.state().picture);
    QCOMPARE(score->text(), QString("Flicker: %1").arg(before, 0, 'f', 1));
    const Picture original = w.state().picture;
    const RgbImage shown = w.images().composite;
    s->find<QAction>("BalanceFlicker1")->trigger();
    QVERIFY(FlickerScore(w.state().picture) < before);
    QCOMPARE(score->text(), QString("Flicker: %1").arg(FlickerScore(w.state().picture), 0, 'f', 1));
    QVERIFY(std::equal(shown.data(), shown.data() + 512 * 192, w.images().composite.data()));
    w.keyPressed(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.state().picture.planes == original.planes);
  }

  // "Low-flicker painting" is read from and saved with the window positions
  // (e2e_low_flicker paints with it).
  void lowFlickerPaintingIsRememberedInTheIni() {
    auto s = test::start({}, [](const QString& dir) {
      QFile ini(dir + "/chromasmith.ini");
      QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("[positions]\nlow_flicker=1\n") > 0);
    });
    QVERIFY(s->find<QAction>("LowFlickerPainting1")->isChecked() && s->w().state().lowFlickerPainting);
    s->find<QAction>("LowFlickerPainting1")->trigger();
    s->w().SaveWindowsPositions();
    QFile ini(s->dir->path() + "/chromasmith.ini");
    QVERIFY(!s->w().state().lowFlickerPainting && ini.open(QIODevice::ReadOnly) &&
            ini.readAll().contains("low_flicker=0"));
  }
};

QTEST_MAIN(ViewModesTest)
#include "test_view_modes.moc"
