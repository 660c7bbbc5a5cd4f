// The emulator preview's hand-off from the File menu: the picture file of the
// cell height in the zxview folder, the script of the cell height started
// there, and what the user is told when the folder or the script is wanting.
#include <QAction>
#include <QDir>
#include <QFile>

#include "formats/formats.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

void writeScript(const QString& path, const QByteArray& body) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("#!/bin/sh\n" + body);
  f.close();
  QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A stand-in for the emulator on PATH, so the hand-off never depends on
// whether the real one is installed.
struct FakeEmulatorOnPath {
  QTemporaryDir bin;
  QByteArray oldPath = qgetenv("PATH");
  FakeEmulatorOnPath() {
    writeScript(bin.path() + "/fuse", "exit 0\n");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + oldPath);
  }
  ~FakeEmulatorOnPath() { qputenv("PATH", oldPath); }
};

}  // namespace

class EmulatorPreviewTest : public QObject {
  Q_OBJECT
 private slots:
  void writesThePictureAndStartsTheScriptOfEachCellHeight() {
    FakeEmulatorOnPath emulator;
    auto s = start({}, [](const QString& dir) {
      QVERIFY(QDir(dir).mkdir("zxview"));
      // Each script leaves its name, its working folder and the program's
      // folder it was told about.
      for (const char* h : {"1", "2", "4", "8"})
        writeScript(dir + "/zxview/view8x" + h + ".sh",
                    QByteArray("echo view8x") + h + " \"$(pwd)\" \"$CHROMASMITH_BIN\" > started.txt\n");
    });
    QAction* item = s->find<QAction>("PreviewonZX1");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("Make trd/tap and preview in Emul"));
    const QString zxview = s->dir->path() + "/zxview";
    for (int h : {4, 1, 8, 2}) {
      cs::NewPicture(s->w().state().picture, h);
      s->w().state().picture.borderIndex1 = 6;
      QFile::remove(zxview + "/started.txt");
      item->trigger();
      QVERIFY(s->messages.empty());
      const QByteArray file = readAll(zxview + QString("/image.mg%1").arg(h));
      QCOMPARE(size_t(file.size()), MgFileSize(h));
      QCOMPARE(int(file[4]), h);
      QCOMPARE(int(file[6]), 6);
      const QByteArray expected =
          QString("view8x%1 %2 %3/\n").arg(h).arg(zxview, s->dir->path()).toUtf8();
      QTRY_COMPARE(readAll(zxview + "/started.txt"), expected);
      // Relative names resolve against the zxview folder from now on.
      QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(), QFileInfo(zxview).canonicalFilePath());
    }
  }

  void aMissingOrUnrunnableScriptOrAnUnwritableFolderIsReportedAndNothingStarts() {
    FakeEmulatorOnPath emulator;
    auto s = start({}, [](const QString& dir) { QVERIFY(QDir(dir).mkdir("zxview")); });
    const QString zxview = s->dir->path() + "/zxview";
    cs::NewPicture(s->w().state().picture, 8);
    s->find<QAction>("PreviewonZX1")->trigger();
    // The picture is written all the same: the user may start a script by hand.
    QVERIFY(QFileInfo(zxview + "/image.mg8").isFile());
    QCOMPARE(s->messages.size(), size_t(1));
    QVERIFY2(s->messages[0].second.startsWith("The emulator preview script " + zxview + "/view8x8.sh is missing."),
             qPrintable(s->messages[0].second));

    // A script without execute permission cannot be started, even by root.
    QVERIFY(QFile(zxview + "/view8x8.sh").open(QIODevice::WriteOnly));
    s->messages.clear();
    s->find<QAction>("PreviewonZX1")->trigger();
    QCOMPARE(s->messages.size(), size_t(1));
    QVERIFY2(s->messages[0].second.startsWith("The emulator preview script " + zxview + "/view8x8.sh could not be "
                                              "started."),
             qPrintable(s->messages[0].second));

    // A folder where the picture goes stops even root from writing it.
    writeScript(zxview + "/view8x4.sh", "touch started.txt\n");
    QVERIFY(QDir(zxview).mkdir("image.mg4"));
    cs::NewPicture(s->w().state().picture, 4);
    s->messages.clear();
    s->find<QAction>("PreviewonZX1")->trigger();
    QCOMPARE(s->messages.size(), size_t(1));
    QVERIFY2(s->messages[0].second.startsWith("Unable to write to " + zxview + "/image.mg4: "),
             qPrintable(s->messages[0].second));
    QVERIFY(s->messages[0].second.contains("Make the folder " + zxview + " writable"));
    QTest::qWait(200);
    QVERIFY(!QFileInfo::exists(zxview + "/started.txt"));
  }

  void aMissingEmulatorIsReportedWithItsPackage() {
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", QFile::encodeName(empty.path()));
    auto s = start({}, [](const QString& dir) {
      QVERIFY(QDir(dir).mkdir("zxview"));
      writeScript(dir + "/zxview/view8x8.sh", "touch started.txt\n");
    });
    cs::NewPicture(s->w().state().picture, 8);
    s->find<QAction>("PreviewonZX1")->trigger();
    qputenv("PATH", oldPath);
    QCOMPARE(s->messages.size(), size_t(1));
    QVERIFY(s->messages[0].second.contains("sudo apt-get install fuse-emulator-gtk"));
  }
};

QTEST_MAIN(EmulatorPreviewTest)
#include "test_emulator_preview.moc"
