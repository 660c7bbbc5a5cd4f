// The brush in the window: keys, panel, Edit menu item and airbrush timer.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>

#include "app/ui/brush_controls.h"
#include "app/ui/editor_image.h"
#include "app/ui/history_controller.h"
#include "gui_helpers.h"

using namespace cs;

class BrushPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void keysPanelMenuAndAirbrushSetWhatThePenPaints() {
    auto s = test::start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().colours = {0, 4, 1, 6, 3, 1, 1};
    const auto at = [&](int x, int y) { return QPoint(x * 4 + 2, y * 4 + 2); };
    const auto setPixels = [&] {
      int n = 0;
      for (int y = 0; y < kLines; ++y)
        for (int x = 0; x < kWidth; ++x) n += w.state().picture.pixel(0, x, y);
      return n;
    };
    const auto lastStep = [&] { return w.history()->history().name(w.history()->history().size() - 1); };
    for (int i = 0; i < 3; ++i) QTest::keyClick(w.windowHandle(), Qt::Key_BracketRight);
    QCOMPARE(s->find<QSpinBox>("BrushSize")->value(), 4);
    s->find<QComboBox>("BrushShape")->setCurrentIndex(1);
    QTest::mouseClick(w.editorImage(), Qt::LeftButton, {}, at(50, 50));
    QCOMPARE(setPixels(), 12);  // the round brush of 4
    QCOMPARE(lastStep(), std::string("Brush"));

    QMenu* edit = w.menuBar()->findChild<QMenu*>("Edit1");
    QAction* fromSelection = w.brushControls()->fromSelectionItem();
    emit edit->aboutToShow();
    QVERIFY(!fromSelection->isEnabled());
    w.state().selection = {true, false, 6, 50 / w.state().picture.cellHeight(), 1, 1};  // the brush's dab
    emit edit->aboutToShow();
    QVERIFY(fromSelection->isEnabled());
    fromSelection->trigger();
    QCOMPARE(w.state().brush.stampWidth, 8);
    QTest::keyClick(w.windowHandle(), Qt::Key_BracketLeft);  // a size puts the stamp away
    QVERIFY(!w.state().brush.hasStamp());

    w.SetInstrument(Instrument::Airbrush);
    QTest::mousePress(w.editorImage(), Qt::LeftButton, {}, at(100, 100));
    QTest::qWait(200);
    const int held = setPixels();
    QTest::mouseRelease(w.editorImage(), Qt::LeftButton, {}, at(100, 100));
    QVERIFY(held > 12 + 8);  // the press's spray and the timer's
    QTest::qWait(100);
    QCOMPARE(setPixels(), held);
    QCOMPARE(lastStep(), std::string("Airbrush"));
  }
};

QTEST_MAIN(BrushPanelTest)
#include "test_brush_panel.moc"
