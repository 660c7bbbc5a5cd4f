// Every picture kind through "Open *.mgs"'s "All pictures" and by dropping
// it on the window: the picture shown is the reader's. The other tools'
// kinds and the snapshots through the Export menu are the writers' bytes.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "app/ui/file_dialog.h"
#include "app/ui/status_bar.h"
#include "emulator/snapshot_export.h"
#include "formats/formats.h"
#include "gui_helpers.h"
#include "tests/core/kind_samples.h"

using namespace cs;
using cs::test::start;

namespace {

const QString kData = CHROMASMITH_TESTDATA "/";

QStringList filesOfEveryKind(const QString& dir) {
  QStringList files;
  for (const std::string& f : testing::FilesOfEveryKind(CHROMASMITH_TESTDATA, dir.toStdString()))
    files << QString::fromStdString(f);
  return files;
}

void trigger(MainWindow& w, const char* action) {
  QAction* a = w.findChild<QAction*>(action);
  QVERIFY2(a, action);
  a->trigger();
}

bool shows(MainWindow& w, const Picture& pic) {
  ComposedImages expected;
  ComposePicture(pic, w.tables(), expected);
  return w.state().picture.planes == pic.planes && w.state().picture.vertSize == pic.vertSize &&
         std::equal(expected.composite.data(), expected.composite.data() + 512 * 384, w.images().composite.data());
}

// Drags `files` over the window and drops them; whether the window took them.
bool drop(MainWindow& w, const QStringList& files) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const QString& f : files) urls << QUrl::fromLocalFile(f);
  mime.setUrls(urls);
  const QPointF at(w.width() / 2.0, w.height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &dropped);
  return dropped.isAccepted();
}

}  // namespace

class OpenAnyPictureTest : public QObject {
  Q_OBJECT
 private slots:
  void everyKindOpensThroughTheDialogAndByDropping() {
    auto s = start();
    MainWindow& w = s->w();
    const QStringList files = filesOfEveryKind(s->dir->path());
    QCOMPARE(files.size(), qsizetype(PictureKinds().size()));
    std::optional<QString> answer;
    QStringList filters;
    w.openDialog().setRunner([&](const FileDialog& d) {
      filters << d.filter;
      return answer;
    });
    for (const QString& file : files) {
      for (bool dropped : {false, true}) {
        NewPicture(w.state().picture, 2);
        w.state().picture.borderIndex0 = 3;
        Picture want = w.state().picture;
        std::string note;
        QVERIFY2(!LoadPicture(file.toStdString(), want, note), qPrintable(file));
        answer = file;
        if (dropped)
          QVERIFY(drop(w, {file, kData + "zx-image/example.mg1"}));
        else
          trigger(w, "Open1");
        QVERIFY2(s->messages.empty(), qPrintable(file));
        QVERIFY2(shows(w, want), qPrintable(file + (dropped ? " dropped" : " opened")));
        QCOMPARE(w.state().picture.borderIndex0, want.borderIndex0);
        QCOMPARE(w.statusBar1()->notice()->text(), QString::fromStdString(note));
      }
    }
    QVERIFY(filters[0].startsWith("*.mgs|*.mgs|All pictures|*.mgs;*.mg1;"));
    QVERIFY(filters[0].contains(";*.ch$;*.zxp;*.atr;*.53c;*.sna;*.z80;*.szx;*.tap"));
    // Something the editor does not read is not taken; a bad file is reported.
    const Picture before = w.state().picture;
    QVERIFY(!drop(w, {kData + "seeds/README.md"}));
    const QString bad = s->dir->path() + "/bad.ifl";
    WriteFileAtomic(bad.toStdString(), std::vector<uint8_t>(100));
    QVERIFY(drop(w, {bad}));
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(s->messages[0].second, QString("Error file format\na .ifl file has 9216 (8x2) or 7680 (8x4) bytes, "
                                            "this one 100"));
    QVERIFY(w.state().picture.planes == before.planes);
  }

  void exportsWriteTheKindsOfOtherToolsAndSnapshots() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(!LoadMgFile((kData + "zx-image/example.mg4").toStdString(), w.state().picture));
    std::optional<QString> answer;
    w.saveDialog().setRunner([&](const FileDialog&) { return answer; });
    for (const PictureWriter& writer : PictureWriters()) {
      const QString ext = QString::fromLatin1(writer.extension.data(), qsizetype(writer.extension.size()));
      answer = s->dir->path() + "/out";
      const QString item = "Exportto" + ext.mid(1).remove('$') + "1";
      trigger(w, item.toLatin1().constData());
      QCOMPARE(w.findChild<QAction*>(item)->text(), "Export to *" + ext);
      QVERIFY(ReadWholeFileBytes(answer->toStdString() + std::string(writer.extension)) == writer.encode(w.state().picture));
    }
    for (const char* name : {"/snap", "/snap.z80", "/snap.SNA"}) {
      answer = s->dir->path() + name;
      trigger(w, "ExporttoSnapshot1");
    }
    QCOMPARE(w.findChild<QAction*>("ExporttoSnapshot1")->text(), QString("Export to emulator snapshot"));
    const std::pair<const char*, SnapshotKind> written[] = {
        {"/snap.szx", SnapshotKind::Szx}, {"/snap.z80", SnapshotKind::Z80}, {"/snap.SNA", SnapshotKind::Sna}};
    for (const auto& [name, kind] : written)
      QVERIFY2(ReadWholeFileBytes((s->dir->path() + name).toStdString()) ==
                   EncodeViewerSnapshot(w.state().picture, kind), name);
    QVERIFY(s->messages.empty());
  }

 private:
  static std::vector<uint8_t> ReadWholeFileBytes(const std::string& name) {
    std::vector<uint8_t> bytes;
    ReadWholeFile(name, 1 << 20, bytes);
    return bytes;
  }
};

QTEST_MAIN(OpenAnyPictureTest)
#include "test_open_any_picture.moc"
