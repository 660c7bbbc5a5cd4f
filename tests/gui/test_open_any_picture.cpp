// Every picture kind dropped on the window shows the reader's picture (the
// open dialog is driven for real by e2e_open_kinds), and the Export menu
// writes the other tools' kinds and the snapshots as their writers do.
#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/ui/file_dialog.h"
#include "app/ui/status_bar.h"
#include "emulator/snapshot_export.h"
#include "gui_helpers.h"
#include "tests/core/kind_samples.h"

using namespace cs;
using cs::test::start;

namespace {

// Drags `files` over the window and drops them; whether the window took them.
bool drop(MainWindow& w, const QStringList& files) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const QString& f : files) urls << QUrl::fromLocalFile(f);
  mime.setUrls(urls);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &enter);
  QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  if (enter.isAccepted()) QApplication::sendEvent(&w, &dropped);
  return enter.isAccepted() && dropped.isAccepted();
}

std::vector<uint8_t> bytesOf(const std::string& name) {
  std::vector<uint8_t> bytes;
  ReadWholeFile(name, 1 << 20, bytes);
  return bytes;
}

}  // namespace

class OpenAnyPictureTest : public QObject {
  Q_OBJECT
 private slots:
  void droppingAFileOfEveryKindShowsTheReadersPicture() {
    auto s = start();
    MainWindow& w = s->w();
    for (const std::string& file : testing::FilesOfEveryKind(CHROMASMITH_TESTDATA, s->dir->path().toStdString())) {
      NewPicture(w.state().picture, 2);
      Picture want = w.state().picture;
      std::string note;
      QVERIFY(!LoadPicture(file, want, note));
      // Only the first file counts.
      QVERIFY(drop(w, {QString::fromStdString(file), CHROMASMITH_TESTDATA "/zx-image/example.mg1"}));
      ComposedImages shown;
      ComposePicture(want, w.tables(), shown);
      QVERIFY2(w.state().picture.planes == want.planes && w.state().picture.vertSize == want.vertSize,
               file.c_str());
      QVERIFY(std::equal(shown.composite.data(), shown.composite.data() + 512 * 384, w.images().composite.data()));
      QCOMPARE(w.statusBar1()->notice()->text(), QString::fromStdString(note));
    }
    // What the editor does not read is not taken; a bad file is reported.
    QVERIFY(!drop(w, {CHROMASMITH_TESTDATA "/seeds/README.md"}));
    WriteFileAtomic(s->dir->path().toStdString() + "/bad.ifl", std::vector<uint8_t>(100));
    QVERIFY(drop(w, {s->dir->path() + "/bad.ifl"}) && s->messages.size() == 1);
    QCOMPARE(s->messages[0].second, "Error file format\na .ifl file has 9216 (8x2) or 7680 (8x4) bytes, this one 100");
    // "Open *.mgs" offers every kind beside its own filter.
    QStringList filters;
    w.openDialog().setRunner([&](const FileDialog& d) { return filters << d.filter, std::nullopt; });
    w.findChild<QAction*>("Open1")->trigger();
    QVERIFY(filters.value(0).startsWith("*.mgs|*.mgs|All pictures|*.mgs;*.mg1;"));
    QVERIFY(filters.value(0).endsWith(";*.ch$;*.zxp;*.atr;*.53c;*.sna;*.z80;*.szx;*.tap"));
  }

  void exportsWriteTheKindsOfOtherToolsAndSnapshots() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(!LoadMgFile(CHROMASMITH_TESTDATA "/zx-image/example.mg4", w.state().picture));
    const std::string dir = s->dir->path().toStdString();
    std::optional<QString> answer;
    w.saveDialog().setRunner([&](const FileDialog&) { return answer; });
    const auto exportAs = [&](const QString& item, const std::string& name) {
      answer = QString::fromStdString(dir + name);
      w.findChild<QAction*>(item)->trigger();
    };
    for (const PictureWriter& writer : PictureWriters()) {
      const QString ext = QString::fromLatin1(writer.extension.data(), qsizetype(writer.extension.size()));
      exportAs("Exportto" + ext.mid(1).remove('$') + "1", "/out");
      QCOMPARE(w.findChild<QAction*>("Exportto" + ext.mid(1).remove('$') + "1")->text(), "Export to *" + ext);
      QVERIFY(bytesOf(dir + "/out" + std::string(writer.extension)) == writer.encode(w.state().picture));
    }
    QCOMPARE(w.findChild<QAction*>("ExporttoSnapshot1")->text(), QString("Export to emulator snapshot"));
    for (auto [name, file, kind] : {std::tuple{"/snap", "/snap.szx", SnapshotKind::Szx},
                                    {"/snap.z80", "/snap.z80", SnapshotKind::Z80},
                                    {"/snap.SNA", "/snap.SNA", SnapshotKind::Sna}}) {
      exportAs("ExporttoSnapshot1", name);
      QVERIFY2(bytesOf(dir + file) == EncodeViewerSnapshot(w.state().picture, kind), file);
    }
    QVERIFY(s->messages.empty());
  }
};

QTEST_MAIN(OpenAnyPictureTest)
#include "test_open_any_picture.moc"
