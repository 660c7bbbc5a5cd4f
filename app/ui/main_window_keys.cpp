// Key preview: the main window sees every key press before its controls and
// runs the commands bound to it. The keys never stop there; the focused
// control receives them afterwards as usual.
#include "app/ui/main_window.h"

namespace cs {

void MainWindow::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
  panelKeyPressed(key, modifiers);
  // X flips the colour corrector, with or without Ctrl.
  if (key == Qt::Key_X && !(modifiers & Qt::AltModifier)) FlipCorrector();
  const bool ctrl = modifiers & Qt::ControlModifier;
  // The digits of the main row only; the keypad's do nothing here.
  if (key >= Qt::Key_1 && key <= Qt::Key_4 && !(modifiers & Qt::KeypadModifier)) SelectMix(key - Qt::Key_1);
  // Esc ends an open polyline, rectangle or ellipse; it and Ctrl+D remove
  // the selection.
  if (key == Qt::Key_Escape) state_.shapeStarted = false;
  if (key == Qt::Key_Escape || (ctrl && key == Qt::Key_D)) removeSelection();
  if (key == Qt::Key_Delete) deleteSelection();
  if (ctrl) {
    if (key == Qt::Key_C) copySelection();
    if (key == Qt::Key_V) pasteSelection();
    if (key == Qt::Key_Left) transform(Transform::RotateLeft);
    if (key == Qt::Key_Right) transform(Transform::RotateRight);
    if (key == Qt::Key_Up) transform(Transform::RotateUp);
    if (key == Qt::Key_Down) transform(Transform::RotateDown);
    if (key == Qt::Key_A) selectAll();
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
