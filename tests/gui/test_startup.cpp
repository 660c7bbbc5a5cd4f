// Start-up: the window-position INI, the start-up values and the
// command-line argument; saving the window positions.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>

#include "app/ui/file_dialog.h"
#include "app/ui/free_panel.h"
#include "app/ui/icons.h"
#include "app/ui/tool_key.h"
#include "formats/mgs_file.h"
#include "formats/picture_kinds.h"
#include "gui_helpers.h"
#include "tests/core/kind_samples.h"

using namespace cs;
using cs::test::start;

namespace {

void writeIni(const QString& dir, const QByteArray& text) {
  QFile f(dir + "/chromasmith.ini");
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(text);
}

QByteArray readIni(const QString& dir) {
  QFile f(dir + "/chromasmith.ini");
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool pictureIsEmpty(const MainWindow& w) {
  const auto& planes = const_cast<MainWindow&>(w).state().picture.planes;
  return std::all_of(planes.begin(), planes.end(), [](uint8_t b) { return b == 0; });
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void startsAsAnEmptyEightByOnePictureAtZoomOneFillingTheDesktop() {
    auto s = start();
    MainWindow& w = s->w();
    QCOMPARE(w.windowTitle(), QString("chromaSmith x0.94"));
    QCOMPARE(w.geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    QCOMPARE(w.state().picture.vertSize, uint8_t(1));
    QCOMPARE(w.state().view.zoomLevel, 1);
    QCOMPARE(w.state().colours.mix, 0);
    QVERIFY(pictureIsEmpty(w));
    QVERIFY(s->find<ToolKey>("KEY_Zoom1_1")->innerLowered());
    QVERIFY(s->messages.empty());
  }

  void withoutAnIniFileThePictureWindowFillsTheWorkArea() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QCOMPARE(w.picturePanel()->align(), PanelAlign::Client);
    QCOMPARE(w.picturePanel()->geometry(), w.workSpace()->rect());
    QCOMPARE(w.positions(), WindowPositions{});
    QCOMPARE(s->find<CaptionIcon>("Image6")->image(), MakeResizeMinIcon());
  }

  void iniPlacesAFloatingPictureWindow() {
    auto s = start({}, [](const QString& dir) {
      writeIni(dir, "[positions]\npicture_x=10\npicture_y=20\npicture_width=600\npicture_height=450\n"
                    "picture_align=1\npalette_x=77\n");
    });
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QCOMPARE(w.picturePanel()->align(), PanelAlign::None);
    QCOMPARE(w.picturePanel()->geometry(), QRect(10, 20, 600, 450));
    QCOMPARE(w.positions().paletteX, 77);
    QCOMPARE(s->find<CaptionIcon>("Image6")->image(), MakeResizeMaxIcon());
  }

  void panelsPlacedFarOutByTheIniShowTheirCaptionStripInTheWorkArea() {
    auto s = start({}, [](const QString& dir) {
      writeIni(dir,
               "[positions]\npicture_x=32767\npicture_y=-32767\npicture_width=32767\n"
               "picture_height=600\npicture_align=1\npalette_x=-32767\npalette_y=32767\n");
    });
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.TogglePalettePanel();
    const QRect area = w.workSpace()->rect();
    for (const char* name : {"Panel3", "Panel1"}) {
      const QWidget* strip = s->find(name);
      const QRect shown = strip->geometry().translated(strip->parentWidget()->pos()).intersected(area);
      QCOMPARE(shown.height(), strip->height());
      QVERIFY2(shown.width() >= kCaptionGrip, name);
    }
  }

  void savingWithAMaximisedPictureWindowStoresItsMaximisedBounds() {
    auto s = start();
    QVERIFY(cs::test::showAndWait(s->w()));
    const QRect maximised = s->w().picturePanel()->geometry();
    s->w().SaveWindowsPositions();
    QVERIFY(s->messages.empty());
    const QByteArray expected = QString("[positions]\npicture_x=0\npicture_y=0\npicture_width=%1\n"
                                        "picture_height=%2\npicture_align=0\npalette_x=3\npalette_y=43\n"
                                        "borderpal_x=345\nborderpal_y=43\npreview_x=3\npreview_y=43\n"
                                        "zoompreview_x=495\nzoompreview_y=43\ncolorcorrector_x=3\n"
                                        "colorcorrector_y=43\nhistory_x=780\nhistory_y=43\npatterns_x=660\n"
                                        "patterns_y=43\nbrush_x=800\nbrush_y=43\nreference_x=780\n"
                                        "reference_y=470\nlow_flicker=0\n")
                                    .arg(maximised.width())
                                    .arg(maximised.height())
                                    .toUtf8();
    QCOMPARE(readIni(s->dir->path()), expected);

    // The next start shows it maximised; un-maximising then uses the initial
    // restore bounds, not the stored ones.
    StartupOptions o;
    o.arguments = QByteArrayList();
    o.programDir = s->dir->path();
    MainWindow again(o);
    QVERIFY(cs::test::showAndWait(again));
    QCOMPARE(again.picturePanel()->align(), PanelAlign::Client);
    again.TogglePictureMaximised();
    QCOMPARE(again.picturePanel()->geometry(), QRect(2, 42, 640, 480));
  }

  void savingAFloatingPictureWindowKeepsOtherIniContent() {
    auto s = start({}, [](const QString& dir) { writeIni(dir, "; notes\n[positions]\npreview_x=-40\n[mine]\na=b\n"); });
    QVERIFY(cs::test::showAndWait(s->w()));
    s->w().TogglePictureMaximised();
    s->w().picturePanel()->move(30, 31);
    s->w().SaveWindowsPositions();
    const QByteArray ini = readIni(s->dir->path());
    QVERIFY(ini.startsWith("; notes\n[positions]\npreview_x=-40\npicture_x=30\npicture_y=31\npicture_width=640\n"));
    QVERIFY(ini.contains("picture_align=1\n"));
    QVERIFY(ini.endsWith("[mine]\na=b\n"));
  }

  void floatingPanelsTakeTheirStoredPositionAndAreSavedWhereverTheyAre() {
    auto s = start({}, [](const QString& dir) { writeIni(dir, "[positions]\nborderpal_x=400\nborderpal_y=50\n"); });
    QWidget* border = s->w().borderPanel();
    QVERIFY(border->isHidden());
    QCOMPARE(border->pos(), QPoint(400, 50));
    border->move(-20, 700);
    s->w().SaveWindowsPositions();
    const QByteArray ini = readIni(s->dir->path());
    QVERIFY(ini.contains("borderpal_x=-20\nborderpal_y=700\n"));
    QVERIFY(ini.contains("zoompreview_x=495\n"));
  }

  void anUnwritableIniFileIsReportedWithItsPath() {
    auto s = start({}, [](const QString& dir) { QDir(dir).mkdir("chromasmith.ini"); });
    s->w().SaveWindowsPositions();
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(s->messages[0].second, QString("Unable to write to %1/chromasmith.ini").arg(s->dir->path()));
  }

  void noArgumentOrTwoArgumentsStartTheDialogsInTheProgramDirectory() {
    for (const QStringList& args : {QStringList(), QStringList{"a.mgs", "b.mgs"}}) {
      auto s = start(args);
      QCOMPARE(s->w().openDialog().initialDir, s->dir->path());
      QCOMPARE(s->w().saveDialog().initialDir, s->dir->path());
      QCOMPARE(s->w().windowTitle(), QString("chromaSmith x0.94"));
      QVERIFY(s->messages.empty());
    }
  }

  // An install: <prefix>/bin beside <prefix>/share/chromasmith. Writable
  // here, as the tests run as root, which must not make it portable.
  void anInstalledProgramKeepsItsIniAndZxviewInTheUsersFolders() {
    QTemporaryDir root;
    const QString prefix = root.path() + "/usr";
    QVERIFY(QDir().mkpath(prefix + "/bin") && QDir().mkpath(prefix + "/share/chromasmith/zxview"));
    QFile script(prefix + "/share/chromasmith/zxview/view8x8.sh");
    QVERIFY(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n") > 0);
    script.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.path() + "/data"));
    const auto restore = qScopeGuard([] {
      qunsetenv("XDG_CONFIG_HOME");
      qunsetenv("XDG_DATA_HOME");
    });
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(config.startsWith(root.path() + "/config/") && data.startsWith(root.path() + "/data/"));

    std::vector<QString> messages;
    StartupOptions o;
    o.arguments = QByteArrayList();
    o.programDir = prefix + "/bin";
    o.messages = [&](MessageKind, const QString& text) { messages.push_back(text); };
    {
      MainWindow first(o);
      QVERIFY(first.folders().installed);
      QVERIFY(first.openDialog().initialDir.isEmpty());
      first.borderPanel()->move(-20, 700);
      first.SaveWindowsPositions();  // makes the configuration folder
      QVERIFY(readIni(config).contains("borderpal_x=-20\nborderpal_y=700\n"));
      QVERIFY(first.prepareZxviewFolder().ok());
      QCOMPARE(QFile::decodeName(first.folders().zxviewDir.c_str()), data + "/zxview");
      QVERIFY(QFileInfo(data + "/zxview/view8x8.sh").isFile());
    }
    MainWindow second(o);
    QCOMPARE(second.borderPanel()->pos(), QPoint(-20, 700));
    QCOMPARE(QDir(prefix + "/bin").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(messages, std::vector<QString>{});

    auto portable = start();
    QVERIFY(!portable->w().folders().installed);
    QVERIFY(portable->w().prepareZxviewFolder().ok());
    QVERIFY2(!QFileInfo::exists(portable->dir->path() + "/zxview"),
             "the program's own folder stays as it is");
  }

  void anArgumentNamingAFileInBytesThatAreNotUtf8OpensThatFile() {
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/pic\xe9.mgs";
    Picture pic;
    pic.vertSize = 4;
    pic.planes[0] = 0x5A;
    QVERIFY(SaveMgsFile(name.toStdString(), pic).ok());
    std::vector<QString> messages;
    StartupOptions o;
    o.arguments = QByteArrayList{name};
    o.programDir = dir.path();
    o.messages = [&](MessageKind, const QString& text) { messages.push_back(text); };
    o.confirm = [](const QString&) { return true; };
    MainWindow w(o);
    QCOMPARE(messages, std::vector<QString>{});
    QCOMPARE(w.state().picture.vertSize, uint8_t(4));
    QCOMPARE(w.state().picture.planes[0], uint8_t(0x5A));
    QVERIFY(w.windowTitle().endsWith(QString("/pic") + QChar::ReplacementCharacter + ".mgs"));

    // Saving under the name the dialog shows writes that very file, and
    // the open dialog's shown name finds it again.
    const auto answerShownName = [](const FileDialog& d) { return std::optional<QString>(d.shownName()); };
    w.saveDialog().setRunner(answerShownName);
    w.state().picture.planes[0] = 0x77;
    w.SaveMgsFile();
    QCOMPARE(messages, std::vector<QString>{});
    Picture saved;
    QVERIFY(LoadMgsFile(name.toStdString(), saved).ok());
    QCOMPARE(saved.planes[0], uint8_t(0x77));
    const std::filesystem::directory_iterator entries(QFile::encodeName(dir.path()).toStdString());
    QCOMPARE(std::distance(begin(entries), end(entries)), 1);
    w.state().picture.planes[0] = 0;
    w.openDialog().setRunner(answerShownName);
    w.openPicture();
    QCOMPARE(messages, std::vector<QString>{});
    QCOMPARE(w.state().picture.planes[0], uint8_t(0x77));
    QCOMPARE(w.state().currentFileName, name.toStdString());
  }

  void anArgumentOfAnyKindInAnyCaseOpensAndOneThatCannotBeOpenedIsNamed() {
    QTemporaryDir dir;
    QVERIFY(!testing::FilesOfEveryKind(CHROMASMITH_TESTDATA, dir.path().toStdString()).empty());
    Picture saved;
    saved.vertSize = 2;
    saved.planes[7] = 0x3C;
    QVERIFY(SaveMgsFile(dir.filePath("NIGHT.MGS").toStdString(), saved).ok());
    // Each kind as its own file and, copied, with its name in upper case.
    QStringList paths{dir.filePath("NIGHT.MGS")};
    for (const char* ext : {".scr", ".sna", ".mg4"}) {
      const QString file = dir.filePath(QString("example") + ext);
      paths << file << dir.filePath(QString("EXAMPLE") + QString(ext).toUpper());
      QVERIFY(QFile::copy(file, paths.back()));
    }
    for (const QString& path : paths) {
      auto t = start({path});
      QVERIFY2(t->messages.empty(), qPrintable(path));
      Picture want;
      std::string note;
      QVERIFY(!LoadPicture(path.toStdString(), want, note));
      QVERIFY2(t->w().state().picture.planes == want.planes, qPrintable(path));
      QVERIFY(t->w().openDialog().initialDir.isEmpty());
    }
    // A kind the editor does not open, a missing file, a folder, a FIFO and
    // a loop of links: the message names the file, the picture stays empty.
    std::filesystem::create_directory(dir.filePath("folder.mgs").toStdString());
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.img")).constData(), 0600) == 0);
    std::filesystem::copy_file(CHROMASMITH_TESTDATA "/zx-image/README.md", dir.filePath("notes.txt").toStdString());
    std::filesystem::create_symlink("loop.scr", dir.filePath("loop.scr").toStdString());
    const struct {
      const char* name;
      QString message;
    } refused[] = {{"notes.txt", "Error file format\n%1: no picture kind has the extension \".txt\""},
                   {"missing.mgs", "File not found\n%1"},
                   {"folder.mgs", "File access denied\n%1: It is not a regular file"},
                   {"fifo.img", "File access denied\n%1: It is not a regular file"},
                   {"loop.scr", "I/O error 40\n%1: Too many levels of symbolic links"}};
    for (const auto& r : refused) {
      const QString path = dir.filePath(r.name);
      auto t = start({path});
      QCOMPARE(t->messages.size(), size_t(1));
      QCOMPARE(t->messages[0].second, r.message.arg(path));
      QCOMPARE(t->w().windowTitle(), QString("chromaSmith x0.94"));
      QVERIFY(pictureIsEmpty(t->w()));
    }
    // An empty argument names no file.
    QVERIFY(start({""})->messages.empty());
  }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
