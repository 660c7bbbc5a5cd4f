// The editor view as the user sees it: the pixels of the editor image, what a
// pen point repaints, zooming by keys and wheel, centring, the timer, the
// grid and mode toggles and the picture window's maximise/restore key.
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>
#include <random>

#include "app/ui/editor_image.h"
#include "app/ui/free_panel.h"
#include "app/ui/icons.h"
#include "app/ui/scroll_box.h"
#include "app/ui/tool_key.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

void randomise(Picture& pic, int cellHeight, unsigned seed) {
  std::mt19937 rng(seed);
  for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = uint8_t(cellHeight);
}

// The editor image's pixel at (x, y), from the grid rules alone: char-grid
// lines (white/grey) over pixel-grid lines (black/grey) over the picture
// pixel magnified by s. A horizontal line's dots follow x, a vertical one's y.
QRgb expectedPixel(const EditorState& st, const RgbImage& composite, int x, int y) {
  const int s = st.view.pixelScale(), h = st.picture.vertSize;
  const int column = x / (8 * s);
  const bool outer = column < 8 || column > 23;
  const bool charRow = h != 1 ? y % (h * s) == 0 : y % ((outer ? 8 : 1) * s) == 0;
  const bool charColumn = x % (8 * s) == 0;
  if (st.charGridOn && charColumn) return y % 2 ? qRgb(128, 128, 128) : qRgb(255, 255, 255);
  if (st.charGridOn && charRow) return x % 2 ? qRgb(128, 128, 128) : qRgb(255, 255, 255);
  if (st.pixelGridOn && x % s == 0) return y % 2 ? qRgb(128, 128, 128) : qRgb(0, 0, 0);
  if (st.pixelGridOn && y % s == 0) return x % 2 ? qRgb(128, 128, 128) : qRgb(0, 0, 0);
  return composite.at(x / s, y / s);
}

// Records the regions the editor image paints.
struct PaintSpy : QObject {
  std::vector<QRegion> regions;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(e)->region());
    return false;
  }
};

// The picture pixel shown in the middle of the scroll box's viewport.
QPointF viewCentre(MainWindow& w) {
  QWidget* vp = w.scrollBox()->viewport();
  const QPoint c = w.editorImage()->mapFrom(vp, QPoint(vp->width() / 2, vp->height() / 2));
  const double s = w.state().view.pixelScale();
  return {c.x() / s, c.y() / s};
}

// One notch sent at `timeMs` of the window system's clock (0: unknown).
void wheel(MainWindow& w, int dy, unsigned timeMs = 0) {
  QWheelEvent e(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, dy), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  e.setTimestamp(timeMs);
  QCoreApplication::sendEvent(w.windowHandle(), &e);
}

}  // namespace

class EditorViewTest : public QObject {
  Q_OBJECT
 private slots:
  void editorImageShowsPictureAndBothGridsAtZoomOneAndTwo_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("cellHeight");
    QTest::newRow("zoom 1, 8x1") << 1 << 1;
    QTest::newRow("zoom 2, 8x1") << 2 << 1;
    QTest::newRow("zoom 1, 8x4") << 1 << 4;
    QTest::newRow("zoom 2, 8x8") << 2 << 8;
  }
  void editorImageShowsPictureAndBothGridsAtZoomOneAndTwo() {
    QFETCH(int, level);
    QFETCH(int, cellHeight);
    auto s = start();
    MainWindow& w = s->w();
    randomise(w.state().picture, cellHeight, 5u + unsigned(level));
    w.ToggleCharGrid();
    w.TogglePixelGrid();
    w.SetZoom(level);
    w.RefreshPicture(true);
    const QImage img = w.editorImage()->grab().toImage();
    QCOMPARE(img.size(), QSize(1024 * level, 768 * level));
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) != expectedPixel(w.state(), w.images().composite, x, y))
          QFAIL(qPrintable(QString("pixel %1,%2 is %3").arg(x).arg(y).arg(img.pixel(x, y), 8, 16)));
  }

  void withoutGridsEveryPictureBlockIsUniform() {
    auto s = start();
    MainWindow& w = s->w();
    randomise(w.state().picture, 2, 9u);
    w.SetZoom(3);
    w.RefreshPicture(true);
    const QImage img = w.editorImage()->grab(QRect(600, 300, 240, 120)).toImage();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        QCOMPARE(img.pixel(x, y), w.images().composite.at((600 + x) / 12, (300 + y) / 12));
  }

  void penPointRepaintsOnlyItsCellAndKeepsItsGridLines() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.state().picture.vertSize = 1;
    w.ToggleCharGrid();
    w.TogglePixelGrid();
    w.SetZoom(2);  // s = 8
    w.RefreshPicture(true);
    QCoreApplication::processEvents();
    PaintSpy spy;
    w.editorImage()->installEventFilter(&spy);
    // A central column at 8x1: one line. Scroll it into view first.
    w.scrollBox()->scrollTo(9 * 64 - 10, 13 * 8 - 10);
    QCoreApplication::processEvents();
    spy.regions.clear();
    w.state().picture.setPixel(0, 9 * 8 + 3, 13, true);
    w.state().picture.setCellColours(9, 13, {1, 4, 2, 12});
    w.RedrawCell(9, 13);
    QCoreApplication::processEvents();
    QCOMPARE(spy.regions.size(), size_t(1));
    QCOMPARE(spy.regions[0].boundingRect(), QRect(9 * 64, 13 * 8, 64, 8));
    const QImage cell = w.editorImage()->grab(QRect(9 * 64, 13 * 8, 64, 8)).toImage();
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 64; ++x)
        QCOMPARE(cell.pixel(x, y), expectedPixel(w.state(), w.images().composite, 9 * 64 + x, 13 * 8 + y));
    QCOMPARE(cell.pixel(3 * 8 + 4, 4), qRgb(157, 0, 157));  // PAP0 bright red with INK1 bright blue
    // An outer column's cell is the 8-line block.
    w.scrollBox()->scrollTo(0, 0);
    QCoreApplication::processEvents();
    spy.regions.clear();
    w.RedrawCell(2, 13);
    QCoreApplication::processEvents();
    QCOMPARE(spy.regions.size(), size_t(1));
    QCOMPARE(spy.regions[0].boundingRect(), QRect(2 * 64, 8 * 8, 64, 64));
  }

  void refreshSignalsThePreviewsAndRedrawCellNamesTheCell() {
    auto s = start();
    MainWindow& w = s->w();
    int refreshed = 0;
    CellRect cell{};
    QObject::connect(&w, &MainWindow::pictureRefreshed, [&] { ++refreshed; });
    QObject::connect(&w, &MainWindow::cellRedrawn, [&](CellRect r) { cell = r; });
    w.RefreshPicture(false);
    w.RedrawCell(30, 5);
    QCOMPARE(refreshed, 1);
    QCOMPARE(cell, (CellRect{240, 0, 8, 8}));  // line 5 of an outer column: its 8-line block
  }

  void zoomKeysSetTheLevelAndLowerOnlyTheirOwnBevel() {
    auto s = start();
    MainWindow& w = s->w();
    auto* key3 = s->find<ToolKey>("KEY_Zoom3_1");
    QTest::mouseClick(key3, Qt::LeftButton);
    QCOMPARE(w.state().view.zoomLevel, 3);
    QCOMPARE(w.editorImage()->size(), QSize(3072, 2304));
    QCOMPARE(s->find("Panel_EditPicture")->size(), QSize(3074, 2306));
    // The icon counts as the key, with any button.
    QTest::mouseClick(s->find("ImageZoom8"), Qt::RightButton);
    QCOMPARE(w.state().view.zoomLevel, 2);
    for (auto [name, on] : {std::pair{"KEY_Zoom1_1", false}, {"KEY_Zoom2_1", true}, {"KEY_Zoom3_1", false},
                            {"KEY_Zoom4_1", false}})
      QCOMPARE(s->find<ToolKey>(name)->innerLowered(), on);
  }

  void zoomFromTheMiddleKeepsTheCentrePixel() {
    auto s = start();
    MainWindow& w = s->w();
    w.resize(700, 560);
    QVERIFY(cs::test::showAndWait(w));
    QVERIFY(w.scrollBox()->viewport()->width() < 1026);
    w.scrollBox()->scrollTo(300, 250);
    QCoreApplication::processEvents();
    const QPointF before = viewCentre(w);
    for (int level : {2, 4, 3, 1}) {
      const QPointF was = viewCentre(w);
      w.SetZoom(level);
      QCoreApplication::processEvents();
      const QPointF now = viewCentre(w);
      QVERIFY2(std::abs(now.x() - was.x()) <= 1.0 && std::abs(now.y() - was.y()) <= 1.0,
               qPrintable(QString("level %1: %2,%3 -> %4,%5").arg(level).arg(was.x()).arg(was.y()).arg(now.x()).arg(now.y())));
    }
    QVERIFY(std::abs(viewCentre(w).x() - before.x()) <= 2.0);
  }

  void zoomingInFromACentredPictureLeavesAllOfItReachable() {
    auto s = start();
    MainWindow& w = s->w();
    w.resize(1400, 1000);
    QVERIFY(cs::test::showAndWait(w));
    QWidget* panel = s->find("Panel_EditPicture");
    const int vpWidth = w.scrollBox()->viewport()->width();
    QVERIFY(vpWidth > 1026);
    QCOMPARE(panel->x(), (vpWidth - 1026) / 2);
    const QPointF centre = viewCentre(w);
    w.SetZoom(2);
    QCoreApplication::processEvents();
    // The scroll bars the zoom brought do not move the centre.
    QVERIFY(std::abs(viewCentre(w).x() - centre.x()) <= 1.0 && std::abs(viewCentre(w).y() - centre.y()) <= 1.0);
    // Scrolled to the end, the panel's right edge meets the viewport's.
    auto* bar = w.scrollBox()->horizontalScrollBar();
    bar->setValue(bar->maximum());
    QCOMPARE(panel->x() + panel->width(), w.scrollBox()->viewport()->width());
    w.scrollBox()->verticalScrollBar()->setValue(w.scrollBox()->verticalScrollBar()->maximum());
    QCOMPARE(panel->y() + panel->height(), w.scrollBox()->viewport()->height());
    // Back at level 1 the small picture is centred again.
    w.SetZoom(1);
    QCOMPARE(panel->x(), (w.scrollBox()->viewport()->width() - 1026) / 2);
  }

  void resizingThePictureWindowCentresASmallPicture() {
    auto s = start();
    MainWindow& w = s->w();
    w.resize(700, 560);
    QVERIFY(cs::test::showAndWait(w));
    QWidget* panel = s->find("Panel_EditPicture");
    QCOMPARE(panel->pos(), QPoint(0, 0));
    w.resize(1300, 1000);
    QCoreApplication::processEvents();
    const QSize vp = w.scrollBox()->viewport()->size();
    QCOMPARE(panel->pos(), QPoint((vp.width() - 1026) / 2, (vp.height() - 770) / 2));
  }

  void wheelZoomsOneStepPerTimerTickAndStopsAtTheLimits() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.tickTimer();
    wheel(w, 120);
    wheel(w, 120);
    wheel(w, 120);
    QCOMPARE(w.state().view.zoomLevel, 2);
    w.tickTimer();
    wheel(w, 120);
    w.tickTimer();
    wheel(w, 120);
    QCOMPARE(w.state().view.zoomLevel, 4);
    w.tickTimer();
    wheel(w, 120);  // at the top: nothing, and the step stays available
    QCOMPARE(w.state().view.zoomLevel, 4);
    QVERIFY(w.state().wheelReady);
    wheel(w, -120);
    QCOMPARE(w.state().view.zoomLevel, 3);
    QCOMPARE(s->find<ToolKey>("KEY_Zoom3_1")->innerLowered(), true);
    // The wheel zooms; it does not scroll the picture.
    QCOMPARE(w.scrollBox()->verticalScrollBar()->value(), w.scrollBox()->vertical().scroll);
  }

  void aBurstOfNotchesZoomsOnceEvenWhenATickFallsInsideIt() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.tickTimer();
    wheel(w, 120, 5000);
    w.tickTimer();  // the zoom took long: the timer re-armed the wheel meanwhile
    wheel(w, 120, 5012);
    wheel(w, 120, 5025);
    QCOMPARE(w.state().view.zoomLevel, 2);
    wheel(w, 120, 5100);
    QCOMPARE(w.state().view.zoomLevel, 3);
  }

  void aScrollRepaintsOnlyTheStripItUncovers() {
    auto s = start();
    MainWindow& w = s->w();
    w.resize(1200, 900);
    QVERIFY(cs::test::showAndWait(w));
    w.SetZoom(4);
    w.RefreshPicture(true);
    QCoreApplication::processEvents();
    PaintSpy spy;
    w.editorImage()->installEventFilter(&spy);
    QScrollBar* bar = w.scrollBox()->horizontalScrollBar();
    bar->setValue(bar->value() + 16);
    QCoreApplication::processEvents();
    QRegion painted;
    for (const QRegion& r : spy.regions) painted += r;
    QCOMPARE(painted.boundingRect().width(), 16);
  }

  void timerTickClearsTheClickGuardArmsTheWheelAndMovesTheAnts() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    EditorState& st = w.state();
    st.clickGuard = true;
    st.wheelReady = false;
    st.antsPhase = 12;
    st.selection = Selection{true, false, 1, 1, 3, 2};  // x 32..127, y 4..11 at 8x1, s = 4
    w.RefreshPicture(false);
    QCoreApplication::processEvents();
    const QImage before = w.editorImage()->grab(QRect(32, 4, 96, 1)).toImage();
    w.tickTimer();
    QVERIFY(!st.clickGuard);
    QVERIFY(st.wheelReady);
    QCOMPARE(st.antsPhase, 0);
    QCoreApplication::processEvents();
    const QImage after = w.editorImage()->grab(QRect(32, 4, 96, 1)).toImage();
    // The top edge's dashes moved 4 pixels to the right.
    for (int x = 8; x < 88; ++x) QCOMPARE(after.pixel(x + 4, 0), before.pixel(x, 0));
    QVERIFY(after != before);
  }

  void gridAndModeKeysToggleTheirFlagsAndBevels() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    auto* grid = s->find<ToolKey>("Key_Grid");
    auto* zgrid = s->find<ToolKey>("Key_zGrid");
    auto* pix = s->find<ToolKey>("KEY_EditMode_PIX");
    auto* rgbKey = s->find<ToolKey>("KEY_EditMode_RGB");
    QVERIFY(!grid->innerLowered() && !zgrid->innerLowered() && pix->innerLowered() && rgbKey->innerLowered());
    QTest::keyClick(w.windowHandle(), Qt::Key_G);
    QVERIFY(w.state().charGridOn && grid->innerLowered());
    QTest::mouseClick(zgrid, Qt::LeftButton);
    QVERIFY(w.state().pixelGridOn && zgrid->innerLowered());
    QTest::keyClick(w.windowHandle(), Qt::Key_W);
    QVERIFY(!w.state().pixModeOn && !pix->innerLowered());
    QTest::mouseClick(rgbKey, Qt::LeftButton);
    QVERIFY(!w.state().rgbModeOn && !rgbKey->innerLowered());
    // With Ctrl the letters are other commands.
    QTest::keyClick(w.windowHandle(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(w.state().pixelGridOn);
    QTest::keyClick(w.windowHandle(), Qt::Key_H);
    QVERIFY(!w.state().pixelGridOn && !zgrid->innerLowered());
  }

  void maximiseKeyFloatsThePictureWindowAtItsRestoreBoundsAndBack() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    auto* panel = w.picturePanel();
    auto* image6 = s->find<CaptionIcon>("Image6");
    QCOMPARE(panel->align(), PanelAlign::Client);
    QCOMPARE(image6->image(), MakeResizeMinIcon());
    w.scrollBox()->scrollTo(100, 100);
    QTest::mouseClick(image6, Qt::LeftButton);
    QCOMPARE(panel->align(), PanelAlign::None);
    QCOMPARE(panel->geometry(), QRect(2, 42, 640, 480));
    QCOMPARE(image6->image(), MakeResizeMaxIcon());
    QCOMPARE(w.scrollBox()->horizontal().scroll, 0);
    panel->move(50, 60);
    QTest::mouseClick(image6, Qt::LeftButton);
    QCOMPARE(panel->align(), PanelAlign::Client);
    QCOMPARE(panel->geometry(), w.workSpace()->rect());
    QCOMPARE(w.state().view.restoreBounds, (PanelBounds{50, 60, 640, 480}));
    QTest::mouseClick(image6, Qt::LeftButton);
    QCOMPARE(panel->geometry(), QRect(50, 60, 640, 480));
  }

  void captionStripDragsOnlyAFloatingPictureWindow() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    auto* panel = w.picturePanel();
    QWidget* strip = s->find("Panel3");
    const QPoint grab(100, 10);
    QTest::mousePress(strip, Qt::LeftButton, {}, grab);
    QTest::mouseMove(strip, grab + QPoint(30, -10));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, grab + QPoint(30, -10));
    QCOMPARE(panel->pos(), QPoint(0, 0));
    w.TogglePictureMaximised();
    QTest::mousePress(strip, Qt::LeftButton, {}, grab);
    QTest::mouseMove(strip, grab + QPoint(30, -10));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, grab + QPoint(30, -10));
    QCOMPARE(panel->pos(), QPoint(32, 32));
  }

  void floatingPictureWindowResizesByItsCornerButNotBelowItsMinimum() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.TogglePictureMaximised();
    auto* panel = w.picturePanel();
    QWidget* band = panel->childAt(638, 478);
    QVERIFY(band && qobject_cast<PanelResizeBand*>(band));
    const QPoint at = band->mapFrom(panel, QPoint(638, 478));
    QTest::mousePress(band, Qt::LeftButton, {}, at);
    QTest::mouseMove(band, at + QPoint(40, 20));
    QCOMPARE(panel->size(), QSize(680, 500));
    QTest::mouseMove(band, at + QPoint(-400, -400));
    QTest::mouseRelease(band, Qt::LeftButton, {}, at + QPoint(-400, -400));
    QCOMPARE(panel->geometry(), QRect(2, 42, 524, 414));
    // While it fills the work area its edges are not grips.
    w.TogglePictureMaximised();
    QVERIFY(!qobject_cast<PanelResizeBand*>(panel->childAt(panel->width() - 2, panel->height() - 2)));
  }
};

QTEST_MAIN(EditorViewTest)
#include "test_editor_view.moc"
