// The Brush panel's shape box, the stamp's menu item and the airbrush's timer.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>

#include "app/ui/brush_controls.h"
#include "app/ui/editor_image.h"
#include "gui_helpers.h"

using namespace cs;

class BrushPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void thePanelTheMenuItemAndTheAirbrushTimer() {
    auto s = test::start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().colours = {0, 4, 1, 6, 3, 1, 1};
    s->find<QSpinBox>("BrushSize")->setValue(4);
    s->find<QComboBox>("BrushShape")->setCurrentIndex(1);
    QVERIFY(w.state().brush.size == 4 && w.state().brush.round);
    QMenu* edit = w.menuBar()->findChild<QMenu*>("Edit1");
    QAction* fromSelection = w.brushControls()->fromSelectionItem();
    emit edit->aboutToShow();
    QVERIFY(!fromSelection->isEnabled());
    w.state().selection = {true, false, 6, 6, 1, 1};
    emit edit->aboutToShow();
    QVERIFY(fromSelection->isEnabled());
    w.SetInstrument(Instrument::Airbrush);
    QTest::mousePress(w.editorImage(), Qt::LeftButton, {}, QPoint(402, 402));
    const Picture pressed = w.state().picture;
    QTest::qWait(200);
    const Picture held = w.state().picture;
    QTest::mouseRelease(w.editorImage(), Qt::LeftButton, {}, QPoint(402, 402));
    QTest::qWait(100);
    // The timer sprayed while the button was held, and stopped with the release.
    QVERIFY(held.planes != pressed.planes && w.state().picture.planes == held.planes);
  }
};

QTEST_MAIN(BrushPanelTest)
#include "test_brush_panel.moc"
