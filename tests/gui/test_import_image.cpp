// "Import image...": the dialog's preview follows its options, OK puts the
// conversion into the Picture as one undo step, and the editor's picture is
// byte for byte the command-line converter's for the same file and options.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>

#include <sys/stat.h>

#include "app/ui/file_dialog.h"
#include "photo/ui/import_image_dialog.h"
#include "formats/formats.h"
#include "formats/image_file.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

const QString kPhoto = CHROMASMITH_TESTDATA "/photos/chelsea.png";

// Runs File > Import > Import image... on `file`; `answer` plays the user in
// the import dialog.
void importThroughMenu(MainWindow& w, const QString& file, ImportDialogRunner answer) {
  w.openDialog().setRunner([file](const FileDialog&) { return std::optional<QString>(file); });
  w.setImportDialogRunner(std::move(answer));
  QAction* action = w.findChild<QAction*>("ImportImage1");
  QVERIFY(action);
  action->trigger();
}

// Some picture to import over: every byte set, the entries valid indices.
Picture somePicture(int cellHeight) {
  Picture pic;
  for (std::size_t i = 0; i < pic.planes.size(); ++i) pic.planes[i] = static_cast<uint8_t>(i * 37 % 251);
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = static_cast<uint8_t>(cellHeight);
  return pic;
}

std::vector<uint8_t> fileBytes(const QString& name) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray b = f.readAll();
  return {b.begin(), b.end()};
}

bool waitForPreview(ImportImageDialog& d) {
  if (d.previewReady()) return true;
  QSignalSpy spy(&d, &ImportImageDialog::previewUpdated);
  return spy.wait(10000) && d.previewReady();
}

}  // namespace

class ImportImageTest : public QObject {
  Q_OBJECT
 private slots:
  void importMatchesTheConverterAndIsOneUndoStep() {
    auto s = start();
    MainWindow& w = s->w();
    w.NewPicture(4);
    w.state().picture = somePicture(4);
    const Picture before = w.state().picture;

    importThroughMenu(w, kPhoto, [](ImportImageDialog& d) {
      d.ditherBox()->setCurrentIndex(2);
      d.strengthSlider()->setValue(60);
      d.borderButton()->click();
      const ImportOptions o = d.options();
      return waitForPreview(d) && o.dither == Dither::Diffusion && o.strength == 60 &&
             o.fit == FitMode::Border && o.cellHeight == 4 && !d.preview()->pixmap().isNull() &&
             d.findChild<QLabel*>("ImportCellHeight")->text().startsWith("8x4, the picture's");
    });
    QVERIFY(s->messages.empty());
    QVERIFY(w.state().picture.planes != before.planes);
    QCOMPARE(w.state().picture.vertSize, uint8_t(4));

    QTemporaryDir dir;
    const QString out = dir.path() + "/cli.mgs";
    QCOMPARE(QProcess::execute(CHROMASMITH_CONVERT, {"--cell-height", "4", "--dither", "diffusion",
                                                     "--strength", "60", "--fit", "border", kPhoto, out}),
             0);
    QVERIFY(fileBytes(out) == EncodeMgs(w.state().picture));

    SwapUndoSnapshot(w.state());
    QVERIFY(w.state().picture.planes == before.planes);

    // The next import offers the options confirmed last.
    ImportOptions offered;
    importThroughMenu(w, kPhoto, [&offered](ImportImageDialog& d) {
      offered = d.options();
      return false;
    });
    QVERIFY(offered.strength == 60 && offered.fit == FitMode::Border);
  }

  void previewFollowsTheOptionsAndCancelChangesNothing() {
    RgbImage image;
    QVERIFY(!ReadImageFile(kPhoto.toStdString(), image));
    ImportImageDialog d(image, {8, Dither::None, 100, FitMode::Cover});
    QVERIFY(waitForPreview(d));
    d.ditherBox()->setCurrentIndex(1);
    QVERIFY(!d.previewReady());
    QVERIFY(waitForPreview(d));
    Picture want;
    QVERIFY(ImportImage(image, {8, Dither::Ordered, 100, FitMode::Cover}, want));
    QVERIFY(d.result().planes == want.planes);
    QVERIFY(!d.strengthSlider()->isEnabled());
    // Its caption and value look as inactive as the slider; they come back
    // with error diffusion.
    const auto strengthLabels = [&d] {
      int enabled = 0;
      for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text() == "Diffusion strength:" || l->text() == "100%") enabled += l->isEnabled() ? 1 : 0;
      return enabled;
    };
    QCOMPARE(strengthLabels(), 0);
    d.ditherBox()->setCurrentIndex(2);
    QVERIFY(d.strengthSlider()->isEnabled());
    QCOMPARE(strengthLabels(), 2);
    d.ditherBox()->setCurrentIndex(1);
    QVERIFY(waitForPreview(d));

    auto s = start();
    MainWindow& w = s->w();
    w.state().picture = somePicture(1);
    TakeUndoSnapshot(w.state());
    w.state().picture.planes[0] ^= 0xFF;
    const EditorState& st = w.state();
    const auto picture = st.picture.planes;
    const auto undo = st.undo.planes;
    importThroughMenu(w, kPhoto, [](ImportImageDialog&) { return false; });
    QVERIFY(st.picture.planes == picture && st.undo.planes == undo);

    QTemporaryDir dir;
    QFile broken(dir.path() + "/broken.png");
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not an image");
    broken.close();
    bool asked = false;
    importThroughMenu(w, broken.fileName(), [&asked](ImportImageDialog&) { return asked = true; });
    QVERIFY(!asked);
    QCOMPARE(s->messages.size(), size_t(1));
    QVERIFY(s->messages[0].second.startsWith("Error file format\n"));
    // A JPEG cut short is damaged too, not a picture with a grey lower part.
    QFile jpeg(CHROMASMITH_TESTDATA "/images/small.jpg"), cut(dir.path() + "/cut.jpg");
    QVERIFY(jpeg.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
    cut.write(jpeg.readAll().first(450));  // its scan begins at 303 of 750 bytes
    cut.close();
    importThroughMenu(w, cut.fileName(), [&asked](ImportImageDialog&) { return asked = true; });
    QVERIFY(!asked);
    QCOMPARE(s->messages.back().second, QString("Error file format\nThe JPEG image is damaged."));
    // A FIFO is refused at once instead of waiting for a writer for good.
    const QString fifo = dir.path() + "/fifo.png";
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
    importThroughMenu(w, fifo, [&asked](ImportImageDialog&) { return asked = true; });
    QVERIFY(!asked);
    QCOMPARE(s->messages.back().second, "File access denied\n" + fifo + ": It is not a regular file");
  }
};

QTEST_MAIN(ImportImageTest)
#include "test_import_image.moc"
