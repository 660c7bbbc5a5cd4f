// Key preview: the main window sees every key press before its controls and
// runs the commands bound to it. The keys never stop there; the focused
// control receives them afterwards as usual.
#include "app/main_window.h"

namespace cs {

void MainWindow::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
  panelKeyPressed(key, modifiers);
  const bool ctrl = modifiers & Qt::ControlModifier;
  if (ctrl) {
    if (key == Qt::Key_S) SaveMgsFile();
    if (key == Qt::Key_O) Open1Click();
    return;
  }
  switch (key) {
    case Qt::Key_G: ToggleCharGrid(); break;
    case Qt::Key_H: TogglePixelGrid(); break;
    case Qt::Key_W: TogglePixMode(); break;
    case Qt::Key_E: ToggleRgbMode(); break;
    default: break;
  }
}

}  // namespace cs
