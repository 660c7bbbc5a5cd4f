#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/language.h"
#include "app/ui/main_window.h"
#include "app/ui/translations.h"
#include "app/ui/widget_texts.h"

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP(
    "main",
    "Usage: chromasmith [--language en|ru] [PICTURE]\n"
    "  or:  chromasmith --help | --version\n"
    "\n"
    "Opens the editor of ZX Spectrum GigaScreen pictures, with PICTURE (any kind\n"
    "the editor opens: .mgs, .mg1 ... .mg8, .scr, .img, .sna and the others of its\n"
    "\"All pictures\" filter, in any case) loaded when one is named, else an empty\n"
    "8x1 picture. Qt's own options (-platform, -style ...) are taken as well.\n"
    "\n"
    "Options:\n"
    "  --language L  speak English (en) or Russian (ru) whatever the locale says\n"
    "  --help        show this text\n"
    "  --version     print the program's version\n");

}  // namespace

int main(int argc, char** argv) {
  cs::LanguageOption languageOption = cs::TakeLanguageOption(argc, argv);
  if (languageOption.error) {
    std::fprintf(stderr, "chromasmith: %s\n", languageOption.error->c_str());
    return 2;
  }
  const cs::Language language = cs::ChooseLanguage(languageOption, [](const char* name) { return std::getenv(name); });
  argc = int(languageOption.rest.size());
  languageOption.rest.push_back(nullptr);
  argv = languageOption.rest.data();
  // Answered before the window starts, so they work without a display.
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    QCoreApplication app(argc, argv);
    cs::InstallTranslations(app, language, QCoreApplication::applicationDirPath());
    std::fputs(QCoreApplication::translate("main", kHelp).toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("chromasmith %s\n", CHROMASMITH_VERSION);
    return 0;
  }
  QApplication app(argc, argv);
  cs::InstallTranslations(app, language, QApplication::applicationDirPath());
  // The name of the user's configuration and data folders of an installed
  // program, whatever the executable is called; the desktop file's name lets
  // the desktop match the window to its entry and icon.
  QApplication::setApplicationName("chromasmith");
  QGuiApplication::setDesktopFileName("chromasmith");
  // The arguments Qt left (it takes its own options out of argv), as the
  // bytes they came in: Qt's decoded copies lose names that are not UTF-8.
  cs::StartupOptions options;
  options.arguments.emplace();
  for (int i = 1; i < argc; ++i) options.arguments->append(QByteArray(argv[i]));
  cs::MainWindow window(std::move(options));
  window.show();
  cs::StartTextDumpIfAsked();
  return QApplication::exec();
}
