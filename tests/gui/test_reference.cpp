// The reference image through the main window: the panel and menu items at
// start, the blend in the views and on the preview, the picture and its
// history untouched, Move with a drag and Esc, and what references.ini
// brings back when a picture is opened.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include "app/reference_store.h"
#include "app/ui/editor_image.h"
#include "app/ui/history_controller.h"
#include "app/ui/preview_panels.h"
#include "app/ui/reference_controller.h"
#include "app/ui/reference_panel.h"
#include "app/ui/status_bar.h"
#include "formats/mgs_file.h"
#include "gui_helpers.h"

using namespace cs;

namespace {

// A flat grey reference of the picture's size, and a picture file.
QString writeFiles(const QString& dir) {
  QImage grey(256, 192, QImage::Format_RGB32);
  grey.fill(qRgb(200, 200, 200));
  grey.save(dir + "/ref.png");
  Picture pic;
  pic.vertSize = 8;
  SaveMgsFile((dir + "/pic.mgs").toStdString(), pic);
  return dir + "/ref.png";
}

// Half-way from the picture's black to the reference's grey.
constexpr QRgb kHalfGrey = qRgb(100, 100, 100);

QRgb editorPixel(MainWindow& w, int x, int y) {
  return w.editorImage()->grab().toImage().pixel(x * 4 + 1, y * 4 + 1) | 0xFF000000u;
}

}  // namespace

class ReferenceTest : public QObject {
  Q_OBJECT
 private slots:
  void blendsInEveryViewAndOnThePreviewButNeverTouchesThePicture() {
    auto s = test::start();
    MainWindow& w = s->w();
    QVERIFY(s->find<QWidget>("Panel_Reference")->isHidden());
    QVERIFY(!s->find<QAction>("ViewShowReference1")->isEnabled());
    const QString ref = writeFiles(s->dir->path());
    QVERIFY(test::showAndWait(w));
    const Picture before = w.state().picture;
    const std::size_t steps = w.history()->history().size();
    QVERIFY(w.reference()->openFile(ref.toStdString()));
    QVERIFY(s->find<QWidget>("Panel_Reference")->isVisible());
    QVERIFY(s->find<QAction>("ViewShowReference1")->isChecked());
    QCOMPARE(editorPixel(w, 10, 10), kHalfGrey);
    w.keyPressed(Qt::Key_T, {});  // screen 0, as black as the mix here
    QCOMPARE(editorPixel(w, 10, 10), kHalfGrey);
    // The preview only when asked.
    w.TogglePreviewPanel();
    QCOMPARE(w.previewPanel()->image()->canvas().at(20, 20), rgb(0, 0, 0));
    w.reference()->panel()->onPreview()->click();
    QCOMPARE(w.previewPanel()->image()->canvas().at(20, 20), Rgb(kHalfGrey));
    w.keyPressed(Qt::Key_Z, {});
    QCOMPARE(editorPixel(w, 10, 10), qRgb(0, 0, 0));
    QCOMPARE(w.previewPanel()->image()->canvas().at(20, 20), rgb(0, 0, 0));
    QVERIFY(w.state().picture.planes == before.planes);
    QCOMPARE(w.history()->history().size(), steps);
    // A file the loader refuses changes nothing.
    QVERIFY(!w.reference()->openFile((s->dir->path() + "/missing.png").toStdString()));
    QCOMPARE(s->messages.size(), std::size_t(1));
    QVERIFY(!w.state().reference.shown && w.state().reference.loaded());
  }

  void moveTurnsDragsIntoWholePixelStepsUntilEsc() {
    auto s = test::start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    QVERIFY(w.reference()->openFile(writeFiles(s->dir->path()).toStdString()));
    ReferencePanel* panel = w.reference()->panel();
    panel->moveKey()->click();
    QWidget* image = w.editorImage();
    QTest::mousePress(image, Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(image, {100 + 4 * 7 + 1, 100 - 4 * 3 - 1});
    QTest::mouseRelease(image, Qt::LeftButton, {}, {100 + 4 * 7 + 1, 100 - 4 * 3 - 1});
    QCOMPARE(panel->offsetX()->value(), 7);
    QCOMPARE(panel->offsetY()->value(), -3);
    QVERIFY(w.state().picture.planes == Picture{}.planes);
    // Ctrl+wheel scales about the mouse; Esc gives the mouse back to the pen.
    QVERIFY(w.reference()->wheel(true, image->mapToGlobal(QPoint(100, 100))));
    QCOMPARE(panel->scale()->value(), 112);
    w.keyPressed(Qt::Key_Escape, {});
    QVERIFY(!panel->moveKey()->isChecked());
    QVERIFY(!w.reference()->wheel(true, image->mapToGlobal(QPoint(100, 100))));
    w.SelectMix(3);  // ink on both screens: a point shows in the planes
    QTest::mouseClick(image, Qt::LeftButton, {}, {100, 100});
    QVERIFY(w.state().picture.planes != Picture{}.planes);
  }

  void anOpenedPictureBringsBackItsReferenceOrSaysItIsMissing() {
    QString ref;
    auto s = test::start({}, [&](const QString& dir) {
      ref = writeFiles(dir);
      ReferenceEntry e{(dir + "/pic.mgs").toStdString(), ref.toStdString(), {}, true, false};
      e.placement = {ReferenceFit::Cover, 200, 3, 4, 25};
      StoreProblem note = StoreProblem::None;
      ReferenceStore(dir.toStdString() + "/state/" + kReferencesFileName).put(e, note);
    });
    MainWindow& w = s->w();
    const QString pic = s->dir->path() + "/pic.mgs";
    QVERIFY(w.LoadMgsFile(pic));
    QCOMPARE(w.state().reference.placement, (ReferencePlacement{ReferenceFit::Cover, 200, 3, 4, 25}));
    QVERIFY(w.state().reference.shown);
    w.NewPicture(8);
    QVERIFY(!w.state().reference.loaded());
    QFile::remove(ref);
    QVERIFY(w.LoadMgsFile(pic));
    QVERIFY(!w.state().reference.loaded());
    QVERIFY(w.statusBar1()->notice()->text().contains("missing"));
    QVERIFY(s->messages.empty());
  }

  void aDamagedStoreIsNotedOnceAndLeftAlone() {
    auto s = test::start({}, [](const QString& dir) {
      writeFiles(dir);
      QDir(dir).mkpath("state");
      QFile f(dir + "/state/references.ini");
      QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[/x]\nopacity=7\n") > 0);
    });
    MainWindow& w = s->w();
    QVERIFY(w.LoadMgsFile(s->dir->path() + "/pic.mgs"));
    QVERIFY(w.statusBar1()->notice()->text().contains("not remembered"));
    QVERIFY(w.reference()->openFile((s->dir->path() + "/ref.png").toStdString()));
    w.reference()->flush();
    QFile f(s->dir->path() + "/state/references.ini");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("[/x]\nopacity=7\n"));
  }
};

QTEST_MAIN(ReferenceTest)
#include "test_reference.moc"
