// The editor in Russian in a real window: every text of the window is
// Russian (read from the texts the editor writes out when asked), a damaged
// file's message box is Russian, and the keys of a Russian keyboard layout do
// what their places on the keyboard do: G shows the character grid, Ctrl+S
// saves.
#include <QFile>
#include <random>

#include "../language_check.h"
#include "e2e_harness.h"
#include "formats/formats.h"
#include "render/compose.h"

using namespace cs::e2e;

namespace {

constexpr int kScale = 4;  // zoom level 1

// The texts the editor wrote to `path`, once `ready` holds for them.
QStringList waitForTexts(const QString& path, const std::function<bool(const QStringList&)>& ready) {
  QStringList texts;
  for (int i = 0; i < 100; ++i) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
      texts = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
      if (ready(texts)) return texts;
    }
    QThread::msleep(200);
  }
  fail("the editor's texts never showed what was awaited:\n" + texts.join('\n'));
}

bool hasCyrillic(const QString& s) { return s.contains(QRegularExpression("[А-яЁё]")); }

// The texts but the names of the test's files are Russian.
void checkRussian(QStringList texts, const QString& where, const QString& folder) {
  texts.replaceInStrings(folder, "");
  const QStringList bad = cs::test::EntriesNotRussian(texts);
  if (!bad.isEmpty()) fail(where + ": texts left in English:\n" + bad.join('\n'));
}

}  // namespace

int check();

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }

int check() {
  QTemporaryDir out;
  const QString start = out.filePath("start.mgs"), saved = out.filePath("saved.mgs"),
                damaged = out.filePath("damaged.mgs");
  cs::Picture picture;
  std::mt19937 rng(3);
  for (auto& byte : picture.planes) byte = uint8_t(rng());
  for (int i = cs::kPixelBlockSize; i < cs::kPlanesSize; ++i) picture.planes[size_t(i)] %= 15;
  picture.vertSize = 8;
  if (cs::SaveMgsFile(start.toStdString(), picture)) fail("cannot write " + start);
  QFile bad(damaged);
  if (!bad.open(QIODevice::WriteOnly) || bad.write(QByteArray(100, '\x55')) != 100) fail("cannot write " + damaged);
  bad.close();

  Session session("e2e_russian_last.png");
  session.startXvfb();
  session.setEnvironment("LANGUAGE", "ru");
  // xdotool reads Russian window names only in a UTF-8 locale.
  session.setEnvironment("LC_ALL", "C.UTF-8");
  session.setEnvironment("CHROMASMITH_TEXT_DUMP", out.filePath("window.txt"));
  session.startEditor(CHROMASMITH_EXE, start);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + start);
  const QStringList texts = waitForTexts(out.filePath("window.txt"), [](const QStringList& t) {
    return t.size() > 100 && std::any_of(t.begin(), t.end(), [](const QString& e) { return e.startsWith("File1: "); });
  });
  checkRussian(texts, "the main window", out.path());
  std::printf("%lld texts of the window are Russian\n", qlonglong(texts.size()));

  cs::ComposedImages images;
  cs::ComposePicture(picture, cs::ColourTables{}, images);
  const Expect plain{&images.composite, kScale, 8, false};
  const QPoint o = session.poll<QPoint>(
      [&](const Screen& scr) {
        return locate(scr, plain, QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1), QRect(0, 0, 1920, 1080));
      },
      "the picture is not on the screen");
  session.tool({"windowfocus", "--sync", wid});
  // The Russian layout; a server that has only just started may not take it
  // at once, so it is asked for until the key in G's place types "п".
  for (int i = 0;; ++i) {
    session.command("setxkbmap", {"-layout", "ru"});
    if (session.command("xmodmap", {"-pke"}).contains("keycode  42 = Cyrillic_pe")) break;
    if (i == 20) fail("the X server did not take the Russian keyboard layout");
    QThread::msleep(200);
  }

  // The key in G's place types "п" in the Russian layout and shows the grid;
  // again it hides it.
  const auto gridShown = [&](bool shown) {
    return [&, shown](const Screen& scr) -> std::optional<bool> {
      if (locate(scr, plain, QRect(o, QSize(1, 1)), QRect(0, 0, 1920, 1080)).has_value() == shown)
        return std::nullopt;
      return true;
    };
  };
  session.tool({"key", "Cyrillic_pe"});
  session.poll<bool>(gridShown(true), "the key in G's place did not show the grid");
  session.tool({"key", "Cyrillic_pe"});
  session.poll<bool>(gridShown(false), "the key in G's place did not hide the grid again");

  // Ctrl with the key in S's place ("ы") saves, through Qt's Russian dialog.
  session.tool({"key", "ctrl+Cyrillic_yeru"});
  session.tool({"windowfocus", "--sync", session.findWindow("^Сохранить как$")});
  session.command("setxkbmap", {"-layout", "us"});  // the file's name is typed in Latin letters
  session.tool({"key", "ctrl+a"});
  session.tool({"type", "--delay", "20", saved});
  QThread::msleep(300);
  session.tool({"key", "Return"});
  session.waitForWindow("chromaSmith x0.94 - " + saved);
  QFile a(start), b(saved);
  if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll())
    fail("the saved picture differs from the one opened");

  // A damaged picture named on the command line: the error's box is Russian,
  // its text and its button.
  session.setEnvironment("CHROMASMITH_TEXT_DUMP", out.filePath("message.txt"));
  session.startEditor(CHROMASMITH_EXE, damaged);
  const QStringList message = waitForTexts(out.filePath("message.txt"), [](const QStringList& t) {
    return std::any_of(t.begin(), t.end(), [](const QString& e) { return e.startsWith("qt_msgbox_label: "); });
  });
  checkRussian(message, "the error message", out.path());
  for (const QString& e : message)
    if (e.startsWith("qt_msgbox_label: ")) {
      if (!hasCyrillic(e)) fail("the error message is not Russian: " + e);
      std::printf("the error message: %s\n", qPrintable(e.mid(17)));
    }
  return 0;
}
