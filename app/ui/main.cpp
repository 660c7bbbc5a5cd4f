#include <QApplication>

#include "app/ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  cs::MainWindow window;
  window.show();
  return QApplication::exec();
}
