// Painting on the editor image: the press, move and release of the mouse
// handed to the painting rules, what they report shown in the status bar and
// on the image (changed cells, rubber bands), the instrument keys of the
// toolbar and the end of the pen's Shift-line on a key release.

#include "app/ui/editor_image.h"
#include "app/ui/history_controller.h"
#include "app/ui/icons.h"
#include "app/ui/main_window.h"
#include "app/ui/reference_controller.h"
#include "app/ui/status_bar.h"
#include "app/ui/tool_key.h"
#include "app/ui/view_modes.h"
#include "colour/ui/current_colours_panel.h"
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

constexpr int kInstrumentKeysLeft = 356;

// Left to right on the toolbar; the Ellipse key stays hidden at the end.
const struct {
  const char* name;
  const char* iconName;
  Icon icon;
  const char* hint;
  Instrument value;
} kInstrumentKeys[6] = {
    {"Key_Instrument_Paint", "Image_Instrument_Paint", Icon::Pencil, "Pencil (use hotkey 'P')",
     Instrument::Paint},
    {"Key_Instrument_Line", "Image_Instrument_Line", Icon::Line, "Line (use hotkey 'L')", Instrument::Line},
    {"Key_Instrument_Rect", "Image_Instrument_Rect", Icon::Rectangle, "", Instrument::Rect},
    {"Key_Instrument_FillChar", "Image_Instrument_FillChar", Icon::FillChar, "Fill Char (use hotkey 'N')",
     Instrument::FillChar},
    {"Key_Instrument_Select", "Image_Instrument_Select", Icon::Selection, "Selection (use hotkey 'S')",
     Instrument::Select},
    {"Key_Instrument_Ellipse", "Image_Instrument_Ellipse", Icon::Rectangle, "", Instrument::Ellipse},
};

}  // namespace

void MainWindow::buildInstrumentKeys() {
  for (size_t i = 0; i < instrumentKeys_.size(); ++i) {
    const auto& k = kInstrumentKeys[i];
    auto* key = new ToolKey(k.name, MakeIcon(k.icon), k.iconName, k.hint, instruments_);
    key->move(kInstrumentKeysLeft + kToolKeySize * static_cast<int>(i), 4);
    const Instrument value = k.value;
    connect(key, &ToolKey::pressed, this, [this, value] { SetInstrument(value); });
    instrumentKeys_[i] = key;
  }
  instrumentKeys_[5]->hide();
  SetInstrument(state_.curInstrument);
}

void MainWindow::connectEditorImage() {
  paintSink_ = std::make_unique<WindowPaintSink>(*this);
  connect(editorImage_, &EditorImage::pressed, this, &MainWindow::editorMousePress);
  connect(editorImage_, &EditorImage::moved, this, &MainWindow::editorMouseMove);
  connect(editorImage_, &EditorImage::released, this, [this] { editorMouseRelease(); });
}

void MainWindow::SetInstrument(Instrument n) {
  cs::SetInstrument(state_, n);
  for (size_t i = 0; i < instrumentKeys_.size(); ++i)
    instrumentKeys_[i]->setInnerLowered(kInstrumentKeys[i].value == n);
}

void MainWindow::editorMousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
  // With the reference panel's Move down, the mouse moves the reference.
  if (reference_->mousePress(button, pos)) return;
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
  SelectRelease(state_);
  // A stroke, a fill, a line segment or a rectangle ends with the release.
  static constexpr const char* kNames[] = {"Pen", "Fill char", "Line", "Rectangle", "Ellipse"};
  const auto i = static_cast<size_t>(state_.curInstrument);
  if (i >= std::size(kNames)) return;
  viewModes_->keepFlickerLow(history_->recordedPicture());
  history_->record(kNames[i]);
}

void MainWindow::ShowCellColours(int X, int Y) {
  statusBar_->setCellColours(CellMixColours(state_, tables_.mix, X, Y));
}

}  // namespace cs
