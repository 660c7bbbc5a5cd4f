#include <QApplication>

#include "app/ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
  return QApplication::exec();
}
