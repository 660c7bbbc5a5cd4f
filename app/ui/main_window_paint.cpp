// Painting on the editor image: the press, move and release of the mouse
// handed to the painting rules, what they report shown in the status bar and
// on the image (changed cells, rubber bands), the instrument keys of the
// toolbar and the end of the pen's Shift-line on a key release.

#include <QMenu>
#include <QMenuBar>

#include "app/ui/brush_controls.h"
#include "app/ui/core_text.h"
#include "app/ui/editor_image.h"
#include "app/ui/history_controller.h"
#include "app/ui/icons.h"
#include "app/ui/main_window.h"
#include "app/ui/main_window_text.h"
#include "app/ui/shape_options.h"
#include "app/ui/reference_controller.h"
#include "app/ui/status_bar.h"
#include "app/ui/tool_key.h"
#include "app/ui/view_modes.h"
#include "colour/ui/current_colours_panel.h"
#include "edit/instrument_table.h"
#include "edit/instruments.h"
#include "edit/selection.h"

namespace cs {

namespace {

// Hands the painting rules' requests to the window: a changed cell is
// repainted on its own, a painted point shows its numbers in the status bar.
class WindowPaintSink : public PaintSink {
 public:
  explicit WindowPaintSink(MainWindow& w) : w_(w) {}
  void redrawCell(int column, int cellRow, int) override { w_.RedrawCell(column, cellRow); }
  void showPaintedPoint(const PointInfo& p) override {
    StatusBar* bar = w_.statusBar1();
    bar->ax()->setText(QString::number(p.column));
    bar->ay()->setText(QString::number(p.cellRow));
    bar->bx()->setText(QString::number(p.bit));
    bar->by()->setText(QString::number(p.line));
  }

 private:
  MainWindow& w_;
};

MouseButton buttonOf(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return MouseButton::Left;
  if (b == Qt::RightButton) return MouseButton::Right;
  return MouseButton::Middle;
}

// Where each group of instrument keys starts on the toolbar: after the grid
// keys, and after the current colours.
constexpr int kInstrumentGroupLeft[2] = {356, kShapeKeysLeft};

}  // namespace

void MainWindow::buildInstrumentKeys() {
  int placed[2] = {0, 0};
  for (const InstrumentInfo& k : Instruments()) {
    auto* key = new ToolKey(k.keyName, MakeInstrumentIcon(k.icon), k.iconName, TrCore(k.hint), instruments_);
    const int g = k.group;
    key->move(kInstrumentGroupLeft[g] + kToolKeySize * placed[g]++, 4);
    const Instrument value = k.value;
    connect(key, &ToolKey::pressed, this, [this, value] { SetInstrument(value); });
    instrumentKeys_.push_back(key);
  }
  shapeOptions_ = new ShapeOptionsControls(*this);
  shapeOptions_->build(instruments_, kShapeKeysLeft + kToolKeySize * placed[1],
                       menuBar()->findChild<QMenu*>("View1"));
  SetInstrument(state_.curInstrument);
}

void MainWindow::connectEditorImage() {
  paintSink_ = std::make_unique<WindowPaintSink>(*this);
  connect(editorImage_, &EditorImage::pressed, this, &MainWindow::editorMousePress);
  connect(editorImage_, &EditorImage::moved, this, &MainWindow::editorMouseMove);
  connect(editorImage_, &EditorImage::released, this, [this] { editorMouseRelease(); });
}

void MainWindow::SetInstrument(Instrument n) {
  if (n != Instrument::Text && text_) text_->close();
  cs::SetInstrument(state_, n);
  const auto table = Instruments();
  for (size_t i = 0; i < instrumentKeys_.size(); ++i) instrumentKeys_[i]->setInnerLowered(table[i].value == n);
  if (shapeOptions_) shapeOptions_->instrumentChosen(n);
  statusBar_->instrument()->setText(TrCore(InstrumentOf(n).title));
}

void MainWindow::editorMousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
  // With the reference panel's Move down, the mouse moves the reference.
  if (reference_->mousePress(button, pos)) return;
  if (button == Qt::LeftButton && state_.curInstrument == Instrument::Airbrush) brushControls_->airbrushPressed(pos);
  const PressResult r =
      EditorPress(state_, *paintSink_, buttonOf(button), modifiers & Qt::ShiftModifier, pos.x(), pos.y());
  if (r.pickedColours) {
    RedrawPalettePanels();
    ShowMixSelection();
  }
  if (r.refreshView || r.startSelection) RefreshPicture(false);
}

void MainWindow::editorMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos) {
  // The magnifier follows every move, also while the click guard holds.
  state_.zoomPreviewMouse = {pos.x(), pos.y()};
  if (reference_->mouseMove(buttons, pos)) return;
  const MoveResult r = EditorMove(state_, *paintSink_, buttons & Qt::LeftButton,
                                  modifiers & Qt::ShiftModifier, pos.x(), pos.y());
  if (r.selectionDrag) RefreshPicture(false);
  if (r.band.kind != RubberBand::Kind::None)
    editorImage_->setRubberBand(r.band, currentColours_->curMixColour());
  if (r.hover) {
    const PointInfo& p = r.hoverPoint;
    statusBar_->ax()->setText(QString("X: %1").arg(p.pixelX()));
    statusBar_->ay()->setText(QString("Y: %1").arg(p.line));
    statusBar_->bx()->setText(QString("Ax: %1").arg(p.column));
    statusBar_->by()->setText(QString("Ay: %1").arg(p.cellRow));
    ShowCellColours(pos.x(), pos.y());
  }
  ShowZoomPreview();
}

void MainWindow::editorMouseRelease() {
  if (reference_->mouseRelease()) return;
  brushControls_->airbrushReleased();
  const ReleaseResult r = EditorRelease(state_, *paintSink_, PaintContext{&tables_.mix});
  if (r.refreshView) RefreshPicture(false);
  // A stroke, a fill, a line segment or a shape ends with the release.
  if (!*r.stepName) return;
  viewModes_->keepFlickerLow(history_->recordedPicture());
  history_->record(TrCore(r.stepName));
}

void MainWindow::ShowCellColours(int X, int Y) {
  statusBar_->setCellColours(CellMixColours(state_, tables_.mix, X, Y));
}

}  // namespace cs
