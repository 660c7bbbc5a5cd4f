// The file commands through their menu items and dialogs: what each offers,
// what it changes, and that a failure changes nothing and is reported.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <random>

#include "app/ui/file_dialog.h"
#include "formats/formats.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

const QString kSamples = CHROMASMITH_TESTDATA "/zx-image/";

void randomise(Picture& pic, unsigned seed) {
  std::mt19937 rng(seed);
  for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = 2;
  pic.borderIndex0 = 5;
  pic.borderIndex1 = 6;
}

bool samePicture(const Picture& a, const Picture& b) {
  return a.planes == b.planes && a.vertSize == b.vertSize && a.borderIndex0 == b.borderIndex0 &&
         a.borderIndex1 == b.borderIndex1;
}

// Answers every dialog with `answer` (or cancels) and remembers the filters
// and the names the dialogs proposed.
struct Dialogs {
  QStringList filters;
  QStringList proposed;
  std::optional<QString> answer;
  void attach(MainWindow& w) {
    for (FileDialog* d : {&w.openDialog(), &w.saveDialog()})
      d->setRunner([this](const FileDialog& dlg) {
        filters << dlg.filter;
        proposed << dlg.shownName();
        return answer;
      });
  }
};

void trigger(MainWindow& w, const char* action) {
  QAction* a = w.findChild<QAction*>(action);
  QVERIFY2(a, action);
  a->trigger();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QString caption(const QString& name) { return QString("chromaSmith x0.94 - ") + name; }

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void itemsCarryTheirCaptions() {
    auto s = start();
    const struct {
      const char* name;
      const char* caption;
    } items[] = {{"Open1", "Open *.mgs"},
                 {"Save1", "Save *.mgs"},
                 {"Importfrommg1mg2mg4mg81", "Import from *.mg1/mg2/mg4/mg8"},
                 {"Importfromimg2", "Import from *.img"},
                 {"Importfromimg1", "Import from *.$img"},
                 {"Importfromscr1", "Import from *.scr"},
                 {"Importfromscr2", "Import from *.$scr"},
                 {"Exporttomg01", "Export to *.mg1"},
                 {"Exporttomg11", "Export to *.mg2"},
                 {"Exporttomg21", "Export to *.mg4"},
                 {"Exporttomg81", "Export to *.mg8"},
                 {"Exporttoimg2", "Export to *.img"}};
    for (const auto& it : items) {
      QAction* a = s->w().findChild<QAction*>(it.name);
      QVERIFY2(a, it.name);
      QCOMPARE(a->text(), QString(it.caption));
    }
  }

  void badFilesFromTheMenuLeaveThePictureAsItWas_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QByteArray wrongSignature(36871, 0);
    wrongSignature.replace(0, 4, "MGH\x01");
    QByteArray shortFile(36870, 0);
    shortFile.replace(0, 5, QByteArray("MGS\x01\x08", 5));
    QByteArray badHeight(36871, 0);
    badHeight.replace(0, 5, QByteArray("MGS\x01\x03", 5));
    QTest::newRow("wrong signature") << wrongSignature << int(MessageKind::FormatError) << "Error file format";
    QTest::newRow("one byte short") << shortFile << int(MessageKind::Error) << "Read beyond end of file";
    QTest::newRow("cell height 3") << badHeight << int(MessageKind::FormatError) << "Error file format";
    QTest::newRow("missing") << QByteArray() << int(MessageKind::Error) << "File not found";
  }
  void badFilesFromTheMenuLeaveThePictureAsItWas() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QString, message);
    auto s = start();
    MainWindow& w = s->w();
    randomise(w.state().picture, 3);
    w.SetZoom(3);
    w.RefreshPicture(true);
    const Picture before = w.state().picture;
    const QString path = s->dir->path() + "/bad.mgs";
    if (!bytes.isEmpty()) writeBytes(path, bytes);
    Dialogs d;
    d.answer = path;
    d.attach(w);
    trigger(w, "Open1");
    QCOMPARE(d.filters.size(), 1);
    QVERIFY(d.filters[0].startsWith("*.mgs|*.mgs|All pictures|"));
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(int(s->messages[0].first), kind);
    QCOMPARE(s->messages[0].second, message);
    QVERIFY(samePicture(w.state().picture, before));
    QCOMPARE(w.state().view.zoomLevel, 3);
    QCOMPARE(w.windowTitle(), QString("chromaSmith x0.94"));
    QVERIFY(w.state().currentFileName.empty());
  }

  void openReadsThePictureAtZoomOneAndNamesIt() {
    auto s = start();
    MainWindow& w = s->w();
    Picture saved;
    randomise(saved, 11);
    const QString path = s->dir->path() + "/pic.mgs";
    QVERIFY(cs::SaveMgsFile(path.toStdString(), saved).ok());
    w.SetZoom(4);
    Dialogs d;
    d.answer = path;
    d.attach(w);
    trigger(w, "Open1");
    QVERIFY(s->messages.empty());
    QVERIFY(samePicture(w.state().picture, saved));
    QCOMPARE(w.state().view.zoomLevel, 1);
    QVERIFY(w.state().clickGuard);
    QCOMPARE(w.windowTitle(), caption(path));
    QCOMPARE(QString::fromStdString(w.state().currentFileName), path);
    QCOMPARE(w.openDialog().shownName(), path);
    QCOMPARE(w.saveDialog().shownName(), path);
    // The composite shows the new picture.
    ComposedImages expected;
    ComposePicture(saved, w.tables(), expected);
    QVERIFY(std::equal(expected.composite.data(), expected.composite.data() + 512 * 384, w.images().composite.data()));
  }

  void cancellingADialogChangesNothing() {
    auto s = start();
    MainWindow& w = s->w();
    randomise(w.state().picture, 2);
    const Picture before = w.state().picture;
    Dialogs d;
    d.attach(w);
    for (const char* item : {"Open1", "Save1", "Importfrommg1mg2mg4mg81", "Importfromscr2", "Exporttomg21"})
      trigger(w, item);
    QCOMPARE(d.filters.size(), 5);
    QVERIFY(samePicture(w.state().picture, before));
    QVERIFY(!w.state().clickGuard);
    QVERIFY(s->messages.empty());
    QCOMPARE(QDir(s->dir->path()).entryList(QDir::Files).size(), 0);
  }

  void saveEnsuresTheExtensionAndNamesTheFileOnceWritten() {
    auto s = start();
    MainWindow& w = s->w();
    randomise(w.state().picture, 4);
    Dialogs d;
    d.attach(w);
    d.answer = s->dir->path() + "/pic";
    trigger(w, "Save1");
    const QString written = s->dir->path() + "/pic.mgs";
    QCOMPARE(QFileInfo(written).size(), qint64(36871));
    QCOMPARE(w.windowTitle(), caption(written));
    d.answer = s->dir->path() + "/PIC.MGS";
    trigger(w, "Save1");
    QVERIFY(QFileInfo::exists(s->dir->path() + "/PIC.MGS.mgs"));
    QCOMPARE(d.filters, (QStringList{"*.mgs|*.mgs", "*.mgs|*.mgs"}));
    // A save that fails reports it and leaves the caption naming the last
    // file actually written.
    d.answer = s->dir->path() + "/no/such/folder/pic";
    trigger(w, "Save1");
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(s->messages[0].first, MessageKind::Error);
    QCOMPARE(s->messages[0].second, "File not found\nThe folder " + s->dir->path() + "/no/such/folder does not exist");
    QCOMPARE(w.windowTitle(), caption(s->dir->path() + "/PIC.MGS.mgs"));
  }

  void savingOverTheFileTheExtensionLeadsToAsksFirst() {
    auto s = start();
    MainWindow& w = s->w();
    bool answer = false;
    QStringList asked;
    w.setConfirmSink([&](const QString& text) {
      asked << text;
      return answer;
    });
    const QString target = s->dir->path() + "/pic.mgs";
    writeBytes(target, "keep me");
    Dialogs d;
    d.attach(w);
    d.answer = s->dir->path() + "/pic";
    trigger(w, "Save1");
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].startsWith(target));
    QCOMPARE(QFileInfo(target).size(), qint64(7));
    answer = true;
    trigger(w, "Save1");
    QCOMPARE(QFileInfo(target).size(), qint64(36871));
    // The dialog itself asks nothing: the full name typed is asked about once.
    d.answer = target;
    trigger(w, "Save1");
    QCOMPARE(asked.size(), 3);
    QVERIFY(asked[2].startsWith(target));
  }

  void saveDialogsProposeTheLoadedNameWithTheirOwnExtension() {
    auto s = start();
    MainWindow& w = s->w();
    const QString loaded = s->dir->path() + "/example.mg8";
    QVERIFY(QFile::copy(kSamples + "example.mg8", loaded));
    QVERIFY(w.LoadMgFile(loaded));
    Dialogs d;
    d.attach(w);
    for (const char* item : {"Exporttoimg2", "Exporttomg01", "Save1"}) trigger(w, item);
    w.exportPng();
    const QString base = s->dir->path() + "/example";
    QCOMPARE(d.proposed, (QStringList{base + ".img", base + ".mg1", base + ".mgs", base + ".png"}));
  }

  void importingAnMgFileNamesItAndSetsItsCellHeight() {
    auto s = start();
    MainWindow& w = s->w();
    Dialogs d;
    d.attach(w);
    d.answer = kSamples + "example.mg4";
    w.SetZoom(2);
    trigger(w, "Importfrommg1mg2mg4mg81");
    QCOMPARE(d.filters, QStringList{"*.mg1/mg2/mg4/mg8|*.mg1;*.mg2;*.mg4;*.mg8"});
    QVERIFY(s->messages.empty());
    QCOMPARE(w.state().picture.vertSize, uint8_t(4));
    QCOMPARE(w.state().view.zoomLevel, 1);
    QCOMPARE(w.windowTitle(), caption(kSamples + "example.mg4"));
    // An MGS file offered as MG is refused and changes nothing.
    const Picture before = w.state().picture;
    QVERIFY(cs::SaveMgsFile((s->dir->path() + "/x.mg8").toStdString(), Picture{}).ok());
    d.answer = s->dir->path() + "/x.mg8";
    trigger(w, "Importfrommg1mg2mg4mg81");
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(s->messages[0], std::make_pair(MessageKind::FormatError, QString("Error file format")));
    QVERIFY(samePicture(w.state().picture, before));
    QCOMPARE(w.windowTitle(), caption(kSamples + "example.mg4"));
  }

  void importingScreensMakesAnEightByEightPictureAndKeepsTheCaption() {
    auto s = start();
    MainWindow& w = s->w();
    Dialogs d;
    d.attach(w);
    const struct {
      const char* item;
      const char* filter;
      QString file;
    } imports[] = {{"Importfromimg2", "*.img|*.img", kSamples + "example.img"},
                   {"Importfromscr1", "*.scr|*.scr", kSamples + "example.scr"}};
    for (const auto& imp : imports) {
      d.filters.clear();
      d.answer = imp.file;
      w.state().picture.vertSize = 1;
      w.SetZoom(4);
      trigger(w, imp.item);
      QCOMPARE(d.filters, QStringList{imp.filter});
      QCOMPARE(w.state().picture.vertSize, uint8_t(8));
      QCOMPARE(w.state().view.zoomLevel, 1);
    }
    QCOMPARE(w.windowTitle(), QString("chromaSmith x0.94"));
    QVERIFY(s->messages.empty());
    // The "$" kinds skip a 17-byte header; the "$scr" item lists its own files.
    QFile scr(kSamples + "example.scr");
    QVERIFY(scr.open(QIODevice::ReadOnly));
    writeBytes(s->dir->path() + "/pic.$scr", QByteArray(17, 'h') + scr.readAll());
    const Picture fromScr = w.state().picture;
    d.filters.clear();
    d.answer = s->dir->path() + "/pic.$scr";
    w.state().picture.planes.fill(0);
    trigger(w, "Importfromscr2");
    QCOMPARE(d.filters, QStringList{"*.$scr|*.$scr"});
    QVERIFY(samePicture(w.state().picture, fromScr));
    d.answer = s->dir->path() + "/missing.$img";
    trigger(w, "Importfromimg1");
    QCOMPARE(d.filters.last(), QString("*.$img|*.$img"));
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(s->messages[0].second, QString("File not found"));
  }

  void exportsWriteTheirLayoutUnderTheEnsuredNameAndKeepTheCaption() {
    auto s = start();
    MainWindow& w = s->w();
    randomise(w.state().picture, 8);
    w.state().picture.vertSize = 4;
    Dialogs d;
    d.attach(w);
    const struct {
      const char* item;
      const char* filter;
      const char* ext;
      qint64 size;
    } exports[] = {{"Exporttomg01", "*.mg1|*.mg1", ".mg1", 19456},
                   {"Exporttomg11", "*.mg2|*.mg2", ".mg2", 15616},  // the layout of the picture's height
                   {"Exporttomg21", "*.mg4|*.mg4", ".mg4", 15616},
                   {"Exporttomg81", "*.mg8|*.mg8", ".mg8", 15616},
                   {"Exporttoimg2", "*.img|*.img", ".img", 13824}};
    for (const auto& e : exports) {
      d.filters.clear();
      d.answer = s->dir->path() + "/out";
      trigger(w, e.item);
      QCOMPARE(d.filters, QStringList{e.filter});
      QCOMPARE(QFileInfo(s->dir->path() + "/out" + e.ext).size(), e.size);
    }
    QCOMPARE(w.windowTitle(), QString("chromaSmith x0.94"));
    QVERIFY(w.state().currentFileName.empty());
    QVERIFY(s->messages.empty());
  }

  void commandLineOpensNativeAndMultiColourFiles() {
    {
      auto s = start({kSamples + "example.mg8"});
      QCOMPARE(s->w().windowTitle(), caption(kSamples + "example.mg8"));
      QCOMPARE(s->w().state().picture.vertSize, uint8_t(8));
      QVERIFY(s->w().openDialog().initialDir.isEmpty());
    }
    Picture saved;
    randomise(saved, 21);
    QTemporaryDir dir;
    const QString path = dir.path() + "/start.mgs";
    QVERIFY(cs::SaveMgsFile(path.toStdString(), saved).ok());
    auto s = start({path});
    QVERIFY(samePicture(s->w().state().picture, saved));
    QCOMPARE(s->w().windowTitle(), caption(path));
    QVERIFY(!s->w().state().clickGuard);
  }

  void commandLineFileThatCannotBeReadLeavesTheEmptyPicture() {
    QTemporaryDir dir;
    writeBytes(dir.path() + "/broken.mg4", "MGH");
    auto s = start({dir.path() + "/broken.mg4"});
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(s->messages[0].second, "Read beyond end of file\n" + dir.path() + "/broken.mg4");
    QCOMPARE(s->w().windowTitle(), QString("chromaSmith x0.94"));
    QCOMPARE(s->w().state().picture.vertSize, uint8_t(1));
  }
};

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"
