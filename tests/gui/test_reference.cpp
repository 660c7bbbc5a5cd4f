// The reference image through the main window: the blend in the views and on
// the preview with the picture and its history untouched, Move until Esc, and
// what references.ini brings back, or the status bar says, when a picture is
// opened.
#include <QAction>
#include <QCheckBox>
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

// A flat grey reference of the picture's size and an empty picture file,
// with an entry remembering the reference with it when `entry` is given.
void writeFiles(const QString& dir, const ReferencePlacement* entry = nullptr) {
  QImage grey(256, 192, QImage::Format_RGB32);
  grey.fill(qRgb(200, 200, 200));
  grey.save(dir + "/ref.png");
  SaveMgsFile((dir + "/pic.mgs").toStdString(), Picture{});
  StoreProblem problem = StoreProblem::None;
  if (entry)
    ReferenceStore(dir.toStdString() + "/state/" + kReferencesFileName)
        .put({(dir + "/pic.mgs").toStdString(), (dir + "/ref.png").toStdString(), *entry, true, false},
             problem);
}

QRgb editorPixel(MainWindow& w, int x, int y) {
  return w.editorImage()->grab().toImage().pixel(x * 4 + 1, y * 4 + 1) | 0xFF000000u;
}

constexpr QRgb kHalfGrey = qRgb(100, 100, 100);  // half-way from black to the grey

}  // namespace

class ReferenceTest : public QObject {
  Q_OBJECT
 private slots:
  void blendsInTheViewsAndThePreviewMovesUntilEscAndNeverTouchesThePicture() {
    auto s = test::start();
    MainWindow& w = s->w();
    QVERIFY(s->find<QWidget>("Panel_Reference")->isHidden() &&
            !s->find<QAction>("ViewShowReference1")->isEnabled());
    writeFiles(s->dir->path());
    QVERIFY(test::showAndWait(w));
    const std::size_t steps = w.history()->history().size();
    // A file the loader refuses changes nothing; the reference opens shown.
    QVERIFY(!w.reference()->openFile((s->dir->path() + "/missing.png").toStdString()));
    QVERIFY(s->messages.size() == 1 && !w.state().reference.loaded());
    QVERIFY(w.reference()->openFile((s->dir->path() + "/ref.png").toStdString()));
    QCOMPARE(editorPixel(w, 10, 10), kHalfGrey);
    w.keyPressed(Qt::Key_T, {});  // screen 0: black here too
    QCOMPARE(editorPixel(w, 10, 10), kHalfGrey);
    w.TogglePreviewPanel();
    const RgbImage& preview = w.previewPanel()->image()->canvas();
    QCOMPARE(preview.at(20, 20), rgb(0, 0, 0));  // only when asked
    ReferencePanel* panel = w.reference()->panel();
    panel->onPreview()->click();
    QCOMPARE(preview.at(20, 20), Rgb(kHalfGrey));

    // Move: Ctrl+wheel scales (drags are driven end to end), until Esc.
    panel->moveKey()->click();
    const QPoint over = w.editorImage()->mapToGlobal(QPoint(100, 100));
    QVERIFY(w.reference()->wheel(true, over) && panel->scale()->value() == 112);
    w.keyPressed(Qt::Key_Escape, {});
    QVERIFY(!panel->moveKey()->isChecked() && !w.reference()->wheel(true, over));
    QVERIFY(w.state().picture.planes == Picture{}.planes);
    QCOMPARE(w.history()->history().size(), steps);

    w.keyPressed(Qt::Key_Z, {});
    QCOMPARE(editorPixel(w, 10, 10), qRgb(0, 0, 0));
    QCOMPARE(preview.at(20, 20), rgb(0, 0, 0));
  }

  void anOpenedPictureBringsBackItsReferenceOrSaysWhatIsWrong() {
    const ReferencePlacement placed{ReferenceFit::Cover, 200, 3, 4, 25};
    auto s = test::start({}, [&](const QString& dir) { writeFiles(dir, &placed); });
    MainWindow& w = s->w();
    const QString dir = s->dir->path();
    QVERIFY(w.LoadMgsFile(dir + "/pic.mgs"));
    QVERIFY(w.state().reference.placement == placed && w.state().reference.shown);
    w.NewPicture(8);
    QVERIFY(!w.state().reference.loaded());
    QFile::remove(dir + "/ref.png");
    QVERIFY(w.LoadMgsFile(dir + "/pic.mgs"));
    QVERIFY(!w.state().reference.loaded() && s->messages.empty());
    QVERIFY(w.statusBar1()->notice()->text().contains("missing"));
    // A damaged store: one note, and it is never written over.
    QFile ini(dir + "/state/references.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate) && ini.write("[/x]\n") == 5);
    ini.close();
    QVERIFY(w.LoadMgsFile(dir + "/pic.mgs"));
    QVERIFY(w.statusBar1()->notice()->text().contains("not remembered"));
    writeFiles(dir);  // the reference is there again
    QVERIFY(w.reference()->openFile((dir + "/ref.png").toStdString()));
    w.reference()->flush();
    QCOMPARE(QFileInfo(ini).size(), 5);
  }
};

QTEST_MAIN(ReferenceTest)
#include "test_reference.moc"
