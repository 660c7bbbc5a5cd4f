// The editor view: refreshing the editor image, zooming, centring, the
// maximise/restore key of the picture window, the timer and the toggles of
// the grids and edit modes.
#include <QFrame>
#include <QRect>

#include "app/ui/editor_image.h"
#include "app/ui/floating_panel.h"
#include "app/ui/free_panel.h"
#include "app/ui/icons.h"
#include "app/ui/main_window.h"
#include "app/ui/scroll_box.h"
#include "app/ui/tool_key.h"
#include "app/ui/view_modes.h"
#include "app/ui/main_window_text.h"
#include "colour/ui/corrector_panel.h"
#include "render/overlays.h"
#include "render/view_geometry.h"

namespace cs {

void MainWindow::RefreshPicture(bool recompose) {
  if (recompose) {
    ComposePicture(state_.picture, tables_, images_);
    viewModes_->recompose();
  }
  // Redrawn from the composite: a rubber band on the screen is gone.
  editorImage_->clearRubberBand();
  editorImage_->update();
  if (text_) text_->showCursor();
  emit pictureRefreshed();
}

void MainWindow::RedrawCell(int column, int cellRow) {
  const CellRect cell = ComposeCell(state_.picture, tables_, images_, column, cellRow);
  if (cell.width == 0) return;
  const CellRect r = viewModes_->redrawCell(column, cellRow, cell);
  const int s = state_.view.pixelScale();
  editorImage_->update(QRect(r.x * s, r.y * s, r.width * s, r.height * s));
  emit cellRedrawn(r);
}

void MainWindow::SetZoom(int level) {
  if (level < kMinZoom || level > kMaxZoom) return;
  const QSize before = scrollBox_->viewportSize();
  const int oldScale = state_.view.pixelScale();
  const double cx = CentrePoint(before.width(), scrollBox_->horizontal(), oldScale, kWidth);
  const double cy = CentrePoint(before.height(), scrollBox_->vertical(), oldScale, kLines);
  scrollBox_->scrollTo(0, 0);
  editorImage_->setFixedSize(EditorImageWidth(level), EditorImageHeight(level));
  scrollBox_->setPanelSize(EditPanelWidth(level), EditPanelHeight(level));
  state_.view.zoomLevel = level;
  const int s = PixelScaleOf(level);
  // The new size may have brought or removed scroll bars: place with the
  // viewport as it is now.
  const QSize after = scrollBox_->viewportSize();
  scrollBox_->place(ZoomAxis(after.width(), cx, s, kWidth), ZoomAxis(after.height(), cy, s, kLines));
  showZoomOnKeys();
}

void MainWindow::showZoomOnKeys() {
  for (int i = 0; i < 4; ++i) zoomKeys_[static_cast<size_t>(i)]->setInnerLowered(i + 1 == state_.view.zoomLevel);
}

void MainWindow::CenterEditorPicture() {
  // Twice: placing can hide scroll bars and so widen the viewport.
  for (int pass = 0; pass < 2; ++pass) {
    const QSize vp = scrollBox_->viewportSize();
    scrollBox_->place(CentreAxis(vp.width(), editPanel_->width()), CentreAxis(vp.height(), editPanel_->height()));
  }
}

void MainWindow::TogglePictureMaximised() {
  scrollBox_->scrollTo(0, 0);
  if (picturePanel_->align() == PanelAlign::Client) {
    const PanelBounds& r = state_.view.restoreBounds;
    picturePanel_->setAlign(PanelAlign::None);
    picturePanel_->setBounds({r.left, r.top, r.width, r.height});
    image6_->setImage(MakeResizeMaxIcon());
  } else {
    const PanelRect b = picturePanel_->bounds();
    state_.view.restoreBounds = {b.left, b.top, b.width, b.height};
    picturePanel_->setAlign(PanelAlign::Client);
    image6_->setImage(MakeResizeMinIcon());
  }
}

void MainWindow::zoomByWheel(bool up, unsigned eventMs) {
  if (!WheelStepDue(state_.view.lastWheelZoomMs, eventMs)) return;
  const int level = WheelZoomTarget(state_.view.zoomLevel, up, state_.wheelReady);
  if (level == 0) return;
  SetZoom(level);
  RefreshPicture(false);
  state_.wheelReady = false;
  state_.view.lastWheelZoomMs = eventMs;
}

void MainWindow::tickTimer() {
  state_.wheelReady = true;
  state_.clickGuard = false;
  state_.antsPhase = (state_.antsPhase + 4) % 16;
  if (state_.selection.visible) {
    const OverlayView v = OverlayViewOf(state_);
    for (const ScreenRect& r : AntsEdgeRects(v.antsOutline)) editorImage_->update(r.x, r.y, r.width, r.height);
  }
  if (correctorPanel_->isVisible()) corrector_->DrawCorrectorFrame();
  emit timerTicked();
}

void MainWindow::ToggleCharGrid() {
  state_.charGridOn = !state_.charGridOn;
  gridKey_->setInnerLowered(state_.charGridOn);
  RefreshPicture(false);
}

void MainWindow::TogglePixelGrid() {
  state_.pixelGridOn = !state_.pixelGridOn;
  zGridKey_->setInnerLowered(state_.pixelGridOn);
  RefreshPicture(false);
}

void MainWindow::TogglePixMode() {
  state_.pixModeOn = !state_.pixModeOn;
  pixKey_->setInnerLowered(state_.pixModeOn);
}

void MainWindow::ToggleRgbMode() {
  state_.rgbModeOn = !state_.rgbModeOn;
  rgbKey_->setInnerLowered(state_.rgbModeOn);
}

}  // namespace cs
