// The main window's components, menus and toolbar, and the New and Convert
// commands.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/ui/editor_image.h"
#include "app/ui/tool_key.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

QAction* action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void componentsCarryTheirNames() {
    auto s = start();
    for (const char* name :
         {"EditMode_MGS", "Panel_Instruments", "Panel_WorkSpace", "Panel_StatusBar_1", "Panel_Editor_Picture",
          "Panel3", "Image6", "ScrollBox_EditPicture", "Panel_EditPicture", "Editor_IMG_MGSFull", "Label5",
          "Status_Color0", "Status_Color3", "Status_Ax", "Status_By", "Image4", "Image5"})
      QVERIFY2(s->w().findChild<QWidget*>(name), name);
    QVERIFY(s->w().findChild<QObject*>("Timer1"));
    QVERIFY(s->w().findChild<QObject*>("OpenDialog1"));
    QVERIFY(s->w().findChild<QObject*>("SaveDialog1"));
    QCOMPARE(s->w().objectName(), QString("Form1"));
  }

  // The bar paints its texts from images it keeps: a new palette must not
  // leave them in the old colours.
  void statusTextsFollowAPaletteChange() {
    auto s = start();
    QWidget* bar = s->find("Panel_StatusBar_1");
    const QRect caption = s->find("Label5")->geometry();
    const auto hasRed = [&] {
      const QImage img = bar->grab(caption).toImage();
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
          if (qRed(img.pixel(x, y)) > 200 && qGreen(img.pixel(x, y)) < 60) return true;
      return false;
    };
    QVERIFY(!hasRed());
    QPalette pal = bar->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    bar->setPalette(pal);
    QVERIFY(hasRed());
  }

  void toolbarKeysSitWhereTheirPositionsSay() {
    auto s = start();
    QCOMPARE(s->find("Panel_Instruments")->height(), 41);
    const struct {
      const char* name;
      int x, width;
    } keys[] = {{"KEY_Zoom1_1", 4, 32},   {"KEY_Zoom2_1", 36, 32},        {"KEY_Zoom3_1", 68, 32},
                {"KEY_Zoom4_1", 100, 32}, {"Key_Grid", 140, 32},           {"Key_zGrid", 172, 32},
                {"KEY_EditMode_PIX", 572, 41}, {"KEY_EditMode_RGB", 613, 49}};
    for (const auto& k : keys) {
      QWidget* key = s->find(k.name);
      QVERIFY2(key, k.name);
      QCOMPARE(key->x(), k.x);
      QCOMPARE(key->size(), QSize(k.width, 32));
    }
    QCOMPARE(s->find("Image4")->toolTip(), QString("PerChar Grid (use hotkey 'G')"));
    QCOMPARE(s->find("Image5")->toolTip(), QString("PerPixel Grid (use hotkey 'H')"));
    QCOMPARE(s->find("Image4")->geometry(), QRect(5, 5, 22, 22));
    QCOMPARE(s->find("Panel_StatusBar_1")->height(), 22);
  }

  void menusCarryTheirCaptionsExactly() {
    auto s = start();
    const struct {
      const char* name;
      const char* caption;
    } items[] = {
        {"N8x8StandartGigascreen1", "8x8 Standart Gigascreen"}, {"N8x4MultiGigaScreen1", "8x4 MultiGigaScreen"},
        {"N8x2MultiGigaScreen1", "8x2 MultiGigaScreen"},         {"N8x1MultiGigaScreen1", "8x1 MultiGigaScreen"},
        {"Convertto8x81", "Convert to 8x8"},                     {"Convertto8x41", "Convert to 8x4"},
        {"Convertto8x21", "Convert to 8x2"},                     {"Convertto8x11", "Convert to 8x1"},
        {"Savewindowspositions1", "Save windows positions"},
    };
    for (const auto& it : items) {
      QAction* a = action(s->w(), it.name);
      QVERIFY2(a, it.name);
      QCOMPARE(a->text(), QString(it.caption));
      QVERIFY(a->shortcut().isEmpty());
    }
    QCOMPARE(s->w().findChild<QMenu*>("New1")->title(), QString("New"));
    QCOMPARE(s->w().findChild<QMenu*>("Changecharsize1")->title(), QString("Change char size"));
  }

  void newClearsThePlanesSetsTheCellHeightAndZoomOne() {
    auto s = start();
    MainWindow& w = s->w();
    Picture& pic = w.state().picture;
    pic.planes.fill(0x5A);
    pic.borderIndex0 = 3;
    w.SetZoom(3);
    action(w, "N8x4MultiGigaScreen1")->trigger();
    QCOMPARE(pic.vertSize, uint8_t(4));
    QVERIFY(std::all_of(pic.planes.begin(), pic.planes.end(), [](uint8_t b) { return b == 0; }));
    QCOMPARE(pic.borderIndex0, uint8_t(3));
    QCOMPARE(w.state().view.zoomLevel, 1);
    QCOMPARE(w.editorImage()->grab(QRect(0, 0, 4, 4)).toImage().pixel(0, 0), qRgb(0, 0, 0));
  }

  void convertKeepsThePlanesAndConvertingBackRestoresTheLook() {
    auto s = start();
    MainWindow& w = s->w();
    Picture& pic = w.state().picture;
    pic.vertSize = 8;
    pic.setCellColours(0, 0, {1, 1, 1, 1});  // blue cell, entry at line 0 only
    w.RefreshPicture(true);
    w.SetZoom(2);
    const auto planes = pic.planes;
    action(w, "Convertto8x11")->trigger();
    QCOMPARE(pic.vertSize, uint8_t(1));
    QCOMPARE(w.state().view.zoomLevel, 1);
    QVERIFY(pic.planes == planes);
    // Column 8 now has per-line colour: line 1 shows the black entry there.
    pic.setCellColours(8, 0, {1, 1, 1, 1});
    w.RefreshPicture(true);
    auto* img = w.editorImage();
    QCOMPARE(img->grab(QRect(8 * 32, 4, 1, 1)).toImage().pixel(0, 0), qRgb(0, 0, 0));
    action(w, "Convertto8x81")->trigger();
    QCOMPARE(img->grab(QRect(8 * 32, 4, 1, 1)).toImage().pixel(0, 0), qRgb(0, 0, 202));
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
