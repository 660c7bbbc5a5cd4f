// Key preview: the main window sees every key press and release before its
// controls and runs the commands the key table gives, in the table's order.
// The keys never stop there; the focused control receives them afterwards
// as usual. The cursor keys move the mouse cursor and click with it.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "app/ui/brush_controls.h"
#include "app/ui/history_controller.h"
#include "app/ui/key_codes.h"
#include "app/ui/main_window.h"
#include "app/ui/main_window_text.h"
#include "app/ui/preview_panels.h"
#include "app/ui/reference_controller.h"
#include "app/ui/view_modes.h"
#include "edit/instrument_table.h"
#include "edit/instruments.h"
#include "edit/keyboard.h"
#include "render/preview_nav.h"

namespace cs {

void MainWindow::keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode, quint64 time,
                            const QString& text) {
  // An open text takes the keys that type; the rest close it or pass.
  if (text_->keyPressed(qtKey, modifiers, text)) return;
  if (time != 0 && lastRelease_.key == qtKey && lastRelease_.time == time)
    state_.keyStepCount = lastRelease_.steps;
  lastRelease_ = {};
  const int key = KeyCodeOf(qtKey, modifiers, scanCode);
  if (key < 0) return;
  // Keys typed into a number field of a panel are the field's alone.
  if (QWidget* focus = QApplication::focusWidget(); focus && focus->inherits("QAbstractSpinBox")) return;
  const KeyModifiers m{bool(modifiers & Qt::ControlModifier), bool(modifiers & Qt::AltModifier),
                       bool(modifiers & Qt::ShiftModifier)};
  const KeyContext context{!previewPanel_->isHidden(), state_.view.previewZoomTarget};
  for (KeyCommand c : DecodeKey(key, m, context)) runKeyCommand(c, key);
}

void MainWindow::keyReleased(int qtKey, Qt::KeyboardModifiers modifiers, bool autoRepeat, quint64 time) {
  // The window system reports a held key's repeats as a release and a press
  // at the same moment; only a real release ends a run of cursor steps. Qt
  // does not always see the press coming, so a press of the same key at the
  // same moment brings the run back (keyPressed).
  if (!autoRepeat) {
    lastRelease_ = {qtKey, time, state_.keyStepCount};
    state_.keyStepCount = 0;
  }
  // The release of Shift itself may still carry Shift among the modifiers.
  const bool shiftHeld = (modifiers & Qt::ShiftModifier) && qtKey != Qt::Key_Shift;
  if (EditorKeyRelease(state_, shiftHeld)) RefreshPicture(false);
}

void MainWindow::runKeyCommand(KeyCommand c, int key) {
  const int s = state_.view.pixelScale();
  int& target = state_.view.previewZoomTarget;
  switch (c) {
    case KeyCommand::ChooseInstrument: SetInstrument(InstrumentForKey(key)->value); break;
    case KeyCommand::EndShape:
      state_.shapeStarted = false;
      reference_->setMoving(false);  // Esc returns from moving the reference to the instrument
      break;
    case KeyCommand::RemoveSelection: removeSelection(); break;
    case KeyCommand::RaisePreviewTarget:
      target = RaisedPreviewTarget(target);
      DrawPreviewFrame();
      break;
    case KeyCommand::LowerPreviewTarget:
      target = LoweredPreviewTarget(target);
      DrawPreviewFrame();
      break;
    case KeyCommand::CapKeySteps: state_.keyStepCount = std::min(state_.keyStepCount, 5); break;
    case KeyCommand::CursorStepLeft: moveCursorBy(-NextCursorStep(state_.keyStepCount, s), 0); break;
    case KeyCommand::CursorStepRight: moveCursorBy(NextCursorStep(state_.keyStepCount, s), 0); break;
    case KeyCommand::CursorStepDown: moveCursorBy(0, NextCursorStep(state_.keyStepCount, s)); break;
    case KeyCommand::CursorStepUp: moveCursorBy(0, -NextCursorStep(state_.keyStepCount, s)); break;
    case KeyCommand::ClickLeft: clickAtCursor(Qt::LeftButton); break;
    case KeyCommand::ClickRight: clickAtCursor(Qt::RightButton); break;
    case KeyCommand::NudgeLeft: moveCursorBy(-1, 0); break;
    case KeyCommand::NudgeRight: moveCursorBy(1, 0); break;
    case KeyCommand::NudgeDown: moveCursorBy(0, 1); break;
    case KeyCommand::NudgeUp: moveCursorBy(0, -1); break;
    case KeyCommand::DeleteSelection: deleteSelection(); break;
    case KeyCommand::CopySelection: copySelection(); break;
    case KeyCommand::PasteSelection: pasteSelection(); break;
    case KeyCommand::RotatePixelsLeft: transform(Transform::RotateLeft); break;
    case KeyCommand::RotatePixelsRight: transform(Transform::RotateRight); break;
    case KeyCommand::RotatePixelsUp: transform(Transform::RotateUp); break;
    case KeyCommand::RotatePixelsDown: transform(Transform::RotateDown); break;
    case KeyCommand::Undo:
      SwapUndoSnapshot(state_);
      RefreshPicture(true);
      history_->record(tr("Undo"));
      break;
    case KeyCommand::SelectMix0: SelectMix(0); break;
    case KeyCommand::SelectMix1: SelectMix(1); break;
    case KeyCommand::SelectMix2: SelectMix(2); break;
    case KeyCommand::SelectMix3: SelectMix(3); break;
    case KeyCommand::TogglePalette: TogglePalettePanel(); break;
    case KeyCommand::TogglePreview: TogglePreviewPanel(); break;
    case KeyCommand::ToggleZoomPreview: ToggleZoomPreviewPanel(); break;
    case KeyCommand::ToggleBorderPalette: ToggleBorderPalettePanel(); break;
    case KeyCommand::ToggleCharGrid: ToggleCharGrid(); break;
    case KeyCommand::TogglePixelGrid: TogglePixelGrid(); break;
    case KeyCommand::TogglePixMode: TogglePixMode(); break;
    case KeyCommand::ToggleRgbMode: ToggleRgbMode(); break;
    // As the menu command: the corrector draws itself when it shows.
    case KeyCommand::FlipCorrector: ToggleCorrector(); break;
    case KeyCommand::RefreshView: RefreshPicture(false); break;
    case KeyCommand::Save: SaveMgsFile(); break;
    case KeyCommand::Open: openPicture(); break;
    case KeyCommand::SelectAll: selectAll(); break;
    case KeyCommand::StepBackward: history_->stepBackward(); break;
    case KeyCommand::StepForward: history_->stepForward(); break;
    case KeyCommand::ToggleHistory: history_->togglePanel(); break;
    case KeyCommand::ViewMix: viewModes_->setMode(ViewMode::Mix); break;
    case KeyCommand::ViewFlicker: viewModes_->setMode(ViewMode::Flicker); break;
    case KeyCommand::ViewInterlace: viewModes_->setMode(ViewMode::Interlace); break;
    case KeyCommand::ViewScreen0: viewModes_->setMode(ViewMode::Screen0); break;
    case KeyCommand::ViewScreen1: viewModes_->setMode(ViewMode::Screen1); break;
    case KeyCommand::ViewFlickerRisk: viewModes_->setMode(ViewMode::FlickerRisk); break;
    case KeyCommand::ToggleReference: reference_->toggleShown(); break;
    case KeyCommand::BrushSmaller: brushControls_->stepSize(-1); break;
    case KeyCommand::BrushLarger: brushControls_->stepSize(1); break;
  }
}

void MainWindow::moveCursorBy(int dx, int dy) { QCursor::setPos(QCursor::pos() + QPoint(dx, dy)); }

void MainWindow::clickAtCursor(Qt::MouseButton button) {
  // After the key handler has returned, as a real click would come: a press
  // and a release at the cursor, to whatever lies under it.
  QTimer::singleShot(0, this, [button] {
    const QPoint global = QCursor::pos();
    QPointer<QWidget> target = QApplication::widgetAt(global);
    if (!target) return;
    const QPointF local = target->mapFromGlobal(QPointF(global));
    const Qt::KeyboardModifiers mods = QGuiApplication::keyboardModifiers();
    QMouseEvent press(QEvent::MouseButtonPress, local, QPointF(global), button, button, mods);
    QApplication::sendEvent(target, &press);
    if (!target) return;
    QMouseEvent release(QEvent::MouseButtonRelease, local, QPointF(global), button, Qt::NoButton, mods);
    QApplication::sendEvent(target, &release);
  });
}

}  // namespace cs
