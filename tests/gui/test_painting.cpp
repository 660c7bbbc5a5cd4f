// Painting through the main window as the user does it: presses, drags and
// keys on the editor image reach the painting rules, the status bar shows
// the point and the cell, the instrument keys switch and show the
// instrument, rubber bands come and go, and the palettes follow the colours.
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>

#include "app/ui/editor_image.h"
#include "app/ui/history_controller.h"
#include "app/ui/preview_panels.h"
#include "app/ui/rubber_band.h"
#include "app/ui/scroll_box.h"
#include "app/ui/status_bar.h"
#include "app/ui/tool_key.h"
#include "colour/palette_images.h"
#include "colour/ui/border_palette_panel.h"
#include "colour/ui/palette_widgets.h"
#include "formats/formats.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

struct PaintSpy : QObject {
  std::vector<QRegion> regions;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(e)->region());
    return false;
  }
};

// Editor-image position of the middle of picture pixel (x, y).
QPoint at(MainWindow& w, int x, int y) {
  const int s = w.state().view.pixelScale();
  return {x * s + s / 2, y * s + s / 2};
}

void press(MainWindow& w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
  QTest::mousePress(w.editorImage(), b, m, p);
  QTest::mouseRelease(w.editorImage(), b, m, p);
}

void move(MainWindow& w, QPoint p, Qt::MouseButtons held = {}, Qt::KeyboardModifiers m = {}) {
  QMouseEvent e(QEvent::MouseMove, p, w.editorImage()->mapToGlobal(p), Qt::NoButton, held, m);
  QCoreApplication::sendEvent(w.editorImage(), &e);
}

QString text(test::Started& s, const char* field) { return s.find<StatusField>(field)->text(); }

QRgb shown(MainWindow& w, QPoint p) {
  return w.editorImage()->grab(QRect(p, QSize(1, 1))).toImage().pixel(0, 0);
}

QRgb composed(MainWindow& w, QPoint p) {
  const int s = w.state().view.pixelScale();
  return w.images().composite.at(p.x() / s, p.y() / s);
}

bool hasMarker(const QImage& img, int c, int r) {
  return img.pixel(16 * c + 4, 16 * r + 4) == qRgb(0, 0, 0) &&
         img.pixel(16 * c + 8, 16 * r + 8) == qRgb(255, 255, 255);
}

}  // namespace

class PaintingTest : public QObject {
  Q_OBJECT
 private slots:
  void instrumentKeysSitLeftToRightAndShowTheInstrument() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    const struct {
      const char* key;
      const char* icon;
      const char* hint;
      Instrument value;
    } keys[] = {
        {"Key_Instrument_Paint", "Image_Instrument_Paint", "Pencil (use hotkey 'P')", Instrument::Paint},
        {"Key_Instrument_Line", "Image_Instrument_Line", "Line (use hotkey 'L')", Instrument::Line},
        {"Key_Instrument_Rect", "Image_Instrument_Rect", "", Instrument::Rect},
        {"Key_Instrument_FillChar", "Image_Instrument_FillChar", "Fill Char (use hotkey 'N')",
         Instrument::FillChar},
        {"Key_Instrument_Select", "Image_Instrument_Select", "Selection (use hotkey 'S')",
         Instrument::Select},
        {"Key_Instrument_Ellipse", "Image_Instrument_Ellipse", "Ellipse (use hotkey 'D')", Instrument::Ellipse},
        {"Key_Instrument_Fill", "Image_Instrument_Fill", "Fill (use hotkey 'K')", Instrument::Fill}};
    std::vector<ToolKey*> all;
    for (size_t i = 0; i < std::size(keys); ++i) {
      auto* key = s->find<ToolKey>(keys[i].key);
      // The Fill key opens the group after the current colours.
      const int left = i < 6 ? 356 + 32 * int(i) : 892;
      QCOMPARE(key->geometry(), QRect(left, 4, 32, 32));
      QCOMPARE(s->find(keys[i].icon)->toolTip(), QString(keys[i].hint));
      QVERIFY(!key->isHidden());
      all.push_back(key);
    }
    auto lowered = [&] {
      std::vector<bool> b;
      for (ToolKey* k : all) b.push_back(k->innerLowered());
      return b;
    };
    QCOMPARE(lowered(), (std::vector<bool>{true, false, false, false, false, false, false}));
    // A press on a key's icon chooses as a press on the key does.
    QTest::mousePress(s->find("Image_Instrument_Rect"), Qt::RightButton);
    QCOMPARE(w.state().curInstrument, Instrument::Rect);
    QCOMPARE(lowered(), (std::vector<bool>{false, false, true, false, false, false, false}));
    const struct {
      Qt::Key key;
      Instrument value;
      size_t index;
    } hotkeys[] = {{Qt::Key_N, Instrument::FillChar, 3},
                   {Qt::Key_L, Instrument::Line, 1},
                   {Qt::Key_S, Instrument::Select, 4},
                   {Qt::Key_J, Instrument::Rect, 2},
                   {Qt::Key_P, Instrument::Paint, 0}};
    for (const auto& h : hotkeys) {
      QTest::keyClick(w.windowHandle(), h.key);
      QCOMPARE(w.state().curInstrument, h.value);
      for (size_t i = 0; i < all.size(); ++i) QCOMPARE(all[i]->innerLowered(), i == h.index);
    }
    QTest::keyClick(w.windowHandle(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(w.state().curInstrument, Instrument::Paint);
    QCOMPARE(s->find("Panel_CurrentColors")->parentWidget(), w.toolbar());
  }

  void aPenPointPaintsRepaintsOnlyItsCellAndShowsItsNumbers() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().picture.vertSize = 8;
    w.state().colours = {1, 2, 3, 4, 3, 1, 1};
    w.SetZoom(4);
    w.RefreshPicture(true);
    w.scrollBox()->scrollTo(0, 0);
    QCoreApplication::processEvents();
    PaintSpy spy;
    w.editorImage()->installEventFilter(&spy);
    press(w, at(w, 17, 20));
    QCoreApplication::processEvents();
    QCOMPARE(spy.regions.size(), size_t(1));
    QCOMPARE(spy.regions[0].boundingRect(), QRect(2 * 128, 2 * 128, 128, 128));
    QVERIFY(w.state().picture.pixel(0, 17, 20));
    QVERIFY(w.state().picture.pixel(1, 17, 20));
    QCOMPARE(w.state().picture.cellColours(2, 20), (CellColours{1, 2, 3, 4}));
    QCOMPARE(shown(w, at(w, 17, 20)), w.state().colours.mixColour(w.tables().mix, 3));
    QCOMPARE(text(*s, "Status_Ax"), QString("2"));
    QCOMPARE(text(*s, "Status_Ay"), QString("2"));
    QCOMPARE(text(*s, "Status_Bx"), QString("1"));
    QCOMPARE(text(*s, "Status_By"), QString("20"));
    // Hovering names the pixel and shows the cell's four mixes.
    w.state().picture.setCellColours(2, 40, {13, 2, 0, 14});
    move(w, at(w, 17, 40));
    QCOMPARE(text(*s, "Status_Ax"), QString("X: 17"));
    QCOMPARE(text(*s, "Status_Ay"), QString("Y: 40"));
    QCOMPARE(text(*s, "Status_Bx"), QString("Ax: 2"));
    QCOMPARE(text(*s, "Status_By"), QString("Ay: 5"));
    const MixTable& mix = w.tables().mix;
    const Rgb expected[4] = {mix.at(13, 0), mix.at(13, 14), mix.at(2, 0), mix.at(2, 14)};
    for (int i = 0; i < 4; ++i)
      QCOMPARE(s->find(qPrintable(QString("Status_Color%1").arg(i)))->palette().color(QPalette::Window),
               QColor::fromRgb(expected[i]));
    // Dragging paints only the points the mouse reports.
    press(w, at(w, 30, 30));
    QTest::mousePress(w.editorImage(), Qt::LeftButton, {}, at(w, 40, 30));
    move(w, at(w, 44, 30), Qt::LeftButton);
    move(w, at(w, 48, 30), Qt::LeftButton);
    QTest::mouseRelease(w.editorImage(), Qt::LeftButton, {}, at(w, 48, 30));
    for (int x = 40; x <= 48; ++x) QCOMPARE(w.state().picture.pixel(0, x, 30), x % 4 == 0);
  }

  void theRightButtonLoadsTheCellsColoursIntoEveryPalette() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().picture.vertSize = 8;
    w.state().picture.setCellColours(5, 10, {3, 8, 13, 2});
    w.state().penMemo = {1, 2, 3, 4};
    const auto planes = w.state().picture.planes;
    w.state().undo.planes.fill(0x77);
    press(w, at(w, 5 * 8 + 2, 10), Qt::RightButton);
    const CurrentColours& c = w.state().colours;
    QVERIFY(c.ink0 == 3 && c.pap0 == 8 && c.ink1 == 13 && c.pap1 == 2);  // copied without coupling
    QVERIFY(w.state().picture.planes == planes);
    QCOMPARE(w.state().undo.planes[0], uint8_t(0x77));
    QCOMPARE(w.state().penMemo.column, 1);
    QVERIFY(hasMarker(s->find<PaletteImage>("IMG_PAP0")->image(), 8, 0));
    QVERIFY(hasMarker(s->find<PaletteImage>("Img_Palette_full")->image(), 8, 2));
    QCOMPARE(s->find<BevelBox>("CharPal_SelectedColor2")->fill(), QColor::fromRgb(w.tables().mix.at(8, 13)));
    QCOMPARE(s->find<BevelBox>("Pal4Color2")->fill(), QColor::fromRgb(w.tables().mix.at(8, 13)));
  }

  void aRepeatedPointPaintsNothingUntilAMixIsChosenByItsKey() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    QSignalSpy redrawn(&w, &MainWindow::cellRedrawn);
    press(w, at(w, 100, 100));
    QCOMPARE(redrawn.size(), 1);
    w.state().colours = {5, 6, 7, 8, 0, 0, 0};
    press(w, at(w, 100, 100));
    QCOMPARE(redrawn.size(), 1);
    QCOMPARE(w.state().picture.cellColours(12, 100), (CellColours{0, 0, 0, 0}));
    QTest::keyClick(w.windowHandle(), Qt::Key_3);
    QCOMPARE(s->find<BevelBox>("Pal4Color2")->lowered(), true);
    QCOMPARE(s->find<BevelBox>("CharPal_SelectedColor2")->lowered(), true);
    QCOMPARE(s->find<BevelBox>("PalZX_p0")->lowered(), true);
    QCOMPARE(s->find<BevelBox>("Pal4Color0")->lowered(), false);
    press(w, at(w, 100, 100));
    QCOMPARE(redrawn.size(), 2);
    QVERIFY(w.state().picture.pixel(0, 100, 100));
    QVERIFY(!w.state().picture.pixel(1, 100, 100));
    QCOMPARE(w.state().picture.cellColours(12, 100), (CellColours{5, 6, 7, 8}));
    // The keypad's digits choose nothing.
    QTest::keyClick(w.windowHandle(), Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(w.state().colours.mix, 2);
  }

  void shiftShowsTheLineBandAndItsReleaseEndsItForThePenOnly() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().colours = {1, 1, 1, 1, 0, 0, 0};
    w.RedrawPalettePanels();
    const QColor mixColour = QColor::fromRgb(w.tables().mix.at(1, 1));
    press(w, at(w, 10, 10));
    const auto before = w.state().picture.planes;
    const QPoint mid = at(w, 30, 10);
    move(w, at(w, 50, 10), {}, Qt::ShiftModifier);
    QVERIFY(w.state().shapeStarted);
    QCOMPARE(QColor(shown(w, mid)), mixColour);
    QVERIFY(w.state().picture.planes == before);
    QTest::keyRelease(w.windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
    QVERIFY(!w.state().shapeStarted);
    QCOMPARE(shown(w, mid), composed(w, mid));

    // Shift + press draws the line from the last pen position; one Ctrl+Z
    // takes it all back.
    press(w, at(w, 50, 14), Qt::LeftButton, Qt::ShiftModifier);
    for (int x = 10; x <= 50; ++x)
      QVERIFY(w.state().picture.cellColours(x / 8, 12) == (CellColours{1, 1, 1, 1}));
    QCOMPARE(QColor(shown(w, at(w, 50, 14))), mixColour);
    QTest::keyClick(w.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.state().picture.planes == before);
    QCOMPARE(shown(w, at(w, 50, 14)), qRgb(0, 0, 0));

    // With the Select instrument the band stays until the next refresh.
    QTest::keyClick(w.windowHandle(), Qt::Key_S);
    move(w, at(w, 90, 14), {}, Qt::ShiftModifier);
    QTest::keyRelease(w.windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
    QVERIFY(w.state().shapeStarted);
    QCOMPARE(QColor(shown(w, at(w, 70, 14))), mixColour);
    w.RefreshPicture(false);
    QCOMPARE(shown(w, at(w, 70, 14)), composed(w, at(w, 70, 14)));
  }

  void lineAndRectShowTheirBandsAndAPolylineIsOneUndoStep() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().colours = {0, 4, 0, 4, 3, 1, 1};
    w.RedrawPalettePanels();
    const QColor red = QColor::fromRgb(w.tables().mix.at(4, 4));
    QTest::keyClick(w.windowHandle(), Qt::Key_L);
    press(w, at(w, 10, 10));
    move(w, at(w, 10, 60));
    QCOMPARE(QColor(shown(w, at(w, 10, 35))), red);
    press(w, at(w, 10, 60));
    press(w, at(w, 60, 60));
    QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
    QVERIFY(!w.state().shapeStarted);
    QVERIFY(w.state().picture.pixel(0, 10, 30) && w.state().picture.pixel(0, 40, 60));
    QCOMPARE(QColor(shown(w, at(w, 40, 60))), red);
    QTest::keyClick(w.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    const auto& planes = w.state().picture.planes;
    QVERIFY(std::all_of(planes.begin(), planes.end(), [](uint8_t b) { return b == 0; }));

    // The rectangle's band is an outline one picture pixel wide.
    QTest::keyClick(w.windowHandle(), Qt::Key_J);
    press(w, at(w, 100, 100));
    move(w, at(w, 140, 130));
    QCOMPARE(QColor(shown(w, at(w, 120, 100))), red);
    QCOMPARE(QColor(shown(w, at(w, 140, 115))), red);
    QCOMPARE(shown(w, at(w, 120, 115)), qRgb(0, 0, 0));
    press(w, at(w, 140, 130));
    QVERIFY(!w.state().shapeStarted);
    QCOMPARE(w.editorImage()->rubberBand().kind, RubberBand::Kind::None);
    QVERIFY(w.state().picture.pixel(0, 140, 115) && !w.state().picture.pixel(0, 120, 115));
  }

  // Fills and shapes repaint every cell they paint, after painting it whole,
  // and each is one history step under its own name.
  void fillsAndShapesShowWhatTheyPaintAndNameTheirSteps() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.state().colours = {0, 4, 1, 6, 3, 1, 1};
    const auto showsThePicture = [&] {
      ComposedImages fresh;
      ComposePicture(w.state().picture, w.tables(), fresh);
      for (int y = 0; y < kLines; ++y)
        for (int x = 0; x < kWidth; ++x)
          if (!(fresh.composite.at(x, y) == w.images().composite.at(x, y))) return false;
      return true;
    };
    const auto lastStep = [&] { return w.history()->history().name(w.history()->history().size() - 1); };
    QTest::keyClick(w.windowHandle(), Qt::Key_K);
    QCOMPARE(text(*s, "Status_Instrument"), QString("Fill"));
    press(w, at(w, 10, 10));
    QVERIFY(showsThePicture());
    QCOMPARE(lastStep(), std::string("Fill"));
    QTest::keyClick(w.windowHandle(), Qt::Key_D);
    w.state().shapes.filled = true;
    w.state().shapes.pattern = 7;
    QTest::keyClick(w.windowHandle(), Qt::Key_2);
    press(w, at(w, 20, 30));
    press(w, at(w, 200, 150));
    QVERIFY(showsThePicture());
    QCOMPARE(lastStep(), std::string("Filled ellipse"));
    QTest::keyClick(w.windowHandle(), Qt::Key_K);
    QTest::keyClick(w.windowHandle(), Qt::Key_3);
    press(w, at(w, 100, 90));
    QCOMPARE(lastStep(), std::string("Pattern fill"));
    QTest::mousePress(w.editorImage(), Qt::LeftButton, {}, at(w, 1, 1));
    move(w, at(w, 250, 10), Qt::LeftButton);
    QCOMPARE(w.editorImage()->rubberBand().kind, RubberBand::Kind::Line);
    QTest::mouseRelease(w.editorImage(), Qt::LeftButton, {}, at(w, 250, 10));
    QVERIFY(showsThePicture());
    QCOMPARE(lastStep(), std::string("Gradient fill"));
    QCOMPARE(w.editorImage()->rubberBand().kind, RubberBand::Kind::None);
  }

  // A band repaints thin strips along itself, and everything it draws lies
  // inside them, so moving it leaves no trail.
  void aBandsRepaintCoversItsPixelsAndLittleMore() {
    const int pen = 16;
    for (const RubberBand& band : {RubberBand{RubberBand::Kind::Line, {8, 8}, {4000, 3000}},
                                   RubberBand{RubberBand::Kind::Line, {3000, 20}, {40, 2900}},
                                   RubberBand{RubberBand::Kind::Line, {500, 500}, {504, 2000}},
                                   RubberBand{RubberBand::Kind::Rect, {100, 3000}, {3900, 90}}}) {
      QImage img(4096, 3072, QImage::Format_RGB32);
      img.fill(Qt::white);
      QPainter p(&img);
      DrawRubberBand(p, band, Qt::black, pen);
      p.end();
      const QRegion region = RubberBandRegion(band, pen);
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
          if (img.pixel(x, y) != qRgb(255, 255, 255))
            QVERIFY2(region.contains(QPoint(x, y)), "a band pixel is left out");
      qint64 area = 0;
      for (const QRect& r : region) area += qint64(r.width()) * r.height();
      // Far less than the box, unless the band is about as wide as its box.
      const QRect box = RubberBandBounds(band, pen);
      if (box.width() > 200 && box.height() > 200) QVERIFY(area * 4 < qint64(box.width()) * box.height());
    }
  }

  // At zoom 4 a middle-button drag scrolls by the pointer's travel under the
  // closed hand and edits nothing: no pixel with the pen's mix, no undo
  // snapshot, no history step, the open line keeps its start point.
  void aMiddleDragPansTheViewAndEditsNothing() {
    auto s = start();
    MainWindow& w = s->w();
    w.resize(900, 700);
    QVERIFY(test::showAndWait(w));
    w.SetZoom(4);
    w.SelectMix(3);
    w.SetInstrument(Instrument::Line);
    w.scrollBox()->scrollTo(1000, 800);
    QWidget* image = w.editorImage();
    press(w, at(w, 150, 110));
    QVERIFY(w.state().shapeStarted);
    const EditorState before = w.state();
    const std::size_t steps = w.history()->history().size();

    const QPoint grab = image->mapToGlobal(at(w, 140, 100));
    QTest::mousePress(image, Qt::MiddleButton, {}, image->mapFromGlobal(grab));
    const QCursor* hand = QGuiApplication::overrideCursor();
    QVERIFY(hand && hand->shape() == Qt::ClosedHandCursor);
    for (const QPoint travel : {QPoint(-40, 25), QPoint(-120, 70)}) {
      // The image moves under the pointer: its events come in its own, moved, pixels.
      QMouseEvent e(QEvent::MouseMove, image->mapFromGlobal(grab + travel), grab + travel, Qt::NoButton,
                    Qt::MiddleButton, {});
      QCoreApplication::sendEvent(image, &e);
    }
    QCOMPARE(w.scrollBox()->horizontalScrollBar()->value(), 1120);
    QCOMPARE(w.scrollBox()->verticalScrollBar()->value(), 730);
    QTest::mouseRelease(image, Qt::MiddleButton, {}, image->mapFromGlobal(grab + QPoint(-120, 70)));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(w.state().picture.planes, before.picture.planes);
    QCOMPARE(w.state().undo.planes, before.undo.planes);
    QCOMPARE(w.history()->history().size(), steps);
    QVERIFY(w.state().shapeStarted);
    QCOMPARE(w.state().lastPoint.x, before.lastPoint.x);
    QCOMPARE(w.state().lastPoint.y, before.lastPoint.y);
  }

  void theBorderPaletteAndALoadBothMoveTheBorderMarker() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    QSignalSpy changed(&w, &MainWindow::borderChanged);
    auto* border = s->find<PaletteImage>("Img_Palette_Border");
    QCOMPARE(border->parentWidget()->parentWidget(), w.borderPanel());
    QCOMPARE(s->find("Img_Palette_full")->parentWidget()->parentWidget(), w.palettePanel());
    QTest::mousePress(border, Qt::LeftButton, {}, {37, 100});
    QCOMPARE(changed.size(), 1);
    QCOMPARE(w.state().picture.borderIndex0, uint8_t(2));
    auto* frame = s->find<BorderFrame>("PanelBorderPreview");
    QCOMPARE(frame->colour(), rgb(202, 115, 0));
    Picture pic;
    pic.vertSize = 4;
    pic.borderIndex0 = 5;
    pic.borderIndex1 = 3;
    const QString file = s->dir->filePath("border.mgs");
    QVERIFY(SaveMgsFile(file.toStdString(), pic).ok());
    QVERIFY(w.LoadMgsFile(file));
    QCOMPARE(changed.size(), 2);
    QVERIFY(hasMarker(border->image(), 5, 3));
    QVERIFY(!hasMarker(border->image(), 2, 6));
    QCOMPARE(frame->colour(), BorderColor(5, 3));
  }
};

QTEST_MAIN(PaintingTest)
#include "test_painting.moc"
