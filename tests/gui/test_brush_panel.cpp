// The Brush panel's brush controls in the window: the [ and ] keys and the
// panel's controls set the brush the pen paints with, the Edit menu takes a
// stamp from the selection, and the Airbrush sprays while the button is held.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>

#include "app/ui/brush_controls.h"
#include "app/ui/editor_image.h"
#include "app/ui/history_controller.h"
#include "edit/brush.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

QPoint at(MainWindow& w, int x, int y) {
  const int s = w.state().view.pixelScale();
  return {x * s + s / 2, y * s + s / 2};
}

int setPixels(const Picture& pic) {
  int n = 0;
  for (int y = 0; y < kLines; ++y)
    for (int x = 0; x < kWidth; ++x) n += pic.pixel(0, x, y);
  return n;
}

}  // namespace

class BrushPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void keysAndControlsSetTheBrushAndTheStamp() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().colours = {0, 4, 1, 6, 3, 1, 1};
    auto* size = s->find<QSpinBox>("BrushSize");
    const auto lastStep = [&] { return w.history()->history().name(w.history()->history().size() - 1); };
    for (int i = 0; i < 3; ++i) QTest::keyClick(w.windowHandle(), Qt::Key_BracketRight);
    QCOMPARE(size->value(), 4);
    s->find<QComboBox>("BrushShape")->setCurrentIndex(1);
    QTest::mouseClick(w.editorImage(), Qt::LeftButton, {}, at(w, 50, 50));
    QCOMPARE(setPixels(w.state().picture), 12);  // the round brush of 4
    QCOMPARE(lastStep(), std::string("Brush"));
    for (int i = 0; i < 9; ++i) QTest::keyClick(w.windowHandle(), Qt::Key_BracketLeft);
    QCOMPARE(w.state().brush.size, 1);

    // The stamp: only while a selection is there, and gone with a size.
    QMenu* edit = w.menuBar()->findChild<QMenu*>("Edit1");
    QAction* fromSelection = w.brushControls()->fromSelectionItem();
    emit edit->aboutToShow();
    QVERIFY(!fromSelection->isEnabled());
    w.state().selection = {true, false, 6, 50 / w.state().picture.cellHeight(), 1, 1};  // the brush's dab
    emit edit->aboutToShow();
    QVERIFY(fromSelection->isEnabled());
    fromSelection->trigger();
    QCOMPARE(w.state().brush.stampWidth, 8);
    s->find<QComboBox>("StampTransparent")->setCurrentIndex(1);
    QCOMPARE(w.state().brush.transparentMix, 0);
    QTest::mouseClick(w.editorImage(), Qt::LeftButton, {}, at(w, 150, 150));
    QCOMPARE(lastStep(), std::string("Stamp"));
    QTest::mouseClick(s->find<QPushButton>("StampClear"), Qt::LeftButton);
    QVERIFY(!w.state().brush.hasStamp());
    fromSelection->trigger();
    size->setValue(2);
    QVERIFY(!w.state().brush.hasStamp());
  }

  void theAirbrushSpraysUntilTheRelease() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().colours = {0, 4, 1, 6, 3, 1, 1};
    w.state().brush.airDensity = 4;
    w.SetInstrument(Instrument::Airbrush);
    QTest::mousePress(w.editorImage(), Qt::LeftButton, {}, at(w, 100, 100));
    QTest::qWait(200);
    const int held = setPixels(w.state().picture);
    QTest::mouseRelease(w.editorImage(), Qt::LeftButton, {}, at(w, 100, 100));
    QVERIFY(held > 8);  // the press's spray and the timer's
    QTest::qWait(100);
    QCOMPARE(setPixels(w.state().picture), held);
    QCOMPARE(w.history()->history().name(w.history()->history().size() - 1), std::string("Airbrush"));
  }
};

QTEST_MAIN(BrushPanelTest)
#include "test_brush_panel.moc"
