// Key preview: the main window sees every key press before its controls and
// runs the commands bound to it. The keys never stop there; the focused
// control receives them afterwards as usual.
#include "app/ui/main_window.h"

namespace cs {

void MainWindow::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
  panelKeyPressed(key, modifiers);
  const bool ctrl = modifiers & Qt::ControlModifier;
  // The digits of the main row only; the keypad's do nothing here.
  if (key >= Qt::Key_1 && key <= Qt::Key_4 && !(modifiers & Qt::KeypadModifier)) SelectMix(key - Qt::Key_1);
  if (key == Qt::Key_Escape) {
    // Ends an open polyline, rectangle or ellipse and removes the selection.
    state_.shapeStarted = false;
    state_.selection.visible = false;
    RefreshPicture(false);
  }
  if (ctrl) {
    if (key == Qt::Key_Z) {
      SwapUndoSnapshot(state_);
      RefreshPicture(true);
    }
    if (key == Qt::Key_S) SaveMgsFile();
    if (key == Qt::Key_O) openPicture();
    return;
  }
  switch (key) {
    case Qt::Key_P: SetInstrument(Instrument::Paint); break;
    case Qt::Key_N: SetInstrument(Instrument::FillChar); break;
    case Qt::Key_S: SetInstrument(Instrument::Select); break;
    case Qt::Key_L: SetInstrument(Instrument::Line); break;
    case Qt::Key_J: SetInstrument(Instrument::Rect); break;
    case Qt::Key_G: ToggleCharGrid(); break;
    case Qt::Key_H: TogglePixelGrid(); break;
    case Qt::Key_W: TogglePixMode(); break;
    case Qt::Key_E: ToggleRgbMode(); break;
    default: break;
  }
}

}  // namespace cs
