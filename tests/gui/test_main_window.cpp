#include <QWidget>
#include <QTest>

#include "app/main_window.h"
#include "app/editor_image.h"

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void captionAndObjectNames() {
    cs::MainWindow w;
    QCOMPARE(w.windowTitle(), QString("chromaSmith x0.94"));
    QCOMPARE(w.objectName(), QString("Form1"));
    QVERIFY(w.findChild<QWidget*>("ScrollBox_EditPicture"));
    QVERIFY(w.findChild<cs::EditorImage*>("Editor_IMG_MGSFull"));
  }

  void editorImageShowsTheComposedPictureMagnified() {
    cs::MainWindow w;
    auto& pic = w.state().picture;
    pic.vertSize = 8;
    pic.setPixel(0, 1, 0, true);
    pic.setCellColours(0, 0, {1, 4, 0, 0});
    w.RefreshPicture(true);
    auto* view = w.findChild<cs::EditorImage*>("Editor_IMG_MGSFull");
    QCOMPARE(view->size(), QSize(1024, 768));
    const QImage img = view->grab(QRect(0, 0, 16, 8)).toImage();
    // Pixel 0 is INK0 blue with black, pixel 1 is PAP0 bright red with black.
    QCOMPARE(img.pixel(0, 0), qRgb(0, 0, 115));
    QCOMPARE(img.pixel(3, 3), qRgb(0, 0, 115));
    QCOMPARE(img.pixel(4, 0), qRgb(157, 0, 0));
    QCOMPARE(img.pixel(7, 3), qRgb(157, 0, 0));
    QCOMPARE(img.pixel(4, 4), qRgb(0, 0, 115));
    QCOMPARE(img.pixel(8, 0), qRgb(0, 0, 115));
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
