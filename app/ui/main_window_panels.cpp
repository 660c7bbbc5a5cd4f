// The floating tool panels and the toolbar keys that show them; the preview
// window's navigation and the magnifier; the About box; the PNG export.
#include <QPainter>
#include <QPushButton>

#include "app/panel_placement.h"
#include "app/ui/editor_image.h"
#include "app/ui/floating_panel.h"
#include "app/ui/icons.h"
#include "app/ui/main_window.h"
#include "app/ui/preview_panels.h"
#include "app/ui/reference_controller.h"
#include "app/ui/scroll_box.h"
#include "app/ui/tool_key.h"
#include "app/ui/tool_panels.h"
#include "app/ui/view_modes.h"
#include "formats/png_export.h"
#include "model/colour.h"
#include "render/preview_nav.h"

namespace cs {

namespace {

// Panels whose place is not stored start where the form description put them.
constexpr QPoint kDialogPanelsAt(240, 60);

// A toolbar icon as an opaque image, on the white face of its key.
RgbImage opaqueIcon(Icon icon) {
  QImage face(kIconSize, kIconSize, QImage::Format_RGB32);
  face.fill(Qt::white);
  QPainter(&face).drawImage(0, 0, MakeIcon(icon));
  RgbImage out(kIconSize, kIconSize);
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x) out.set(x, y, face.pixel(x, y));
  return out;
}

}  // namespace

void MainWindow::buildPanels() {
  palettePanel_ = new FloatingPanel("Panel_Color", "Panel1", tr("Full Palette"), {342, 486}, workSpace_);
  registerPanel(palettePanel_, &WindowPositions::paletteX, &WindowPositions::paletteY);
  borderPanel_ =
      new FloatingPanel("Panel_Border", "Panel5", tr("Border Palette"), {150, 166}, workSpace_);
  registerPanel(borderPanel_, &WindowPositions::borderPaletteX, &WindowPositions::borderPaletteY);
  previewPanel_ = new PreviewPanel(workSpace_);
  registerPanel(previewPanel_, &WindowPositions::previewX, &WindowPositions::previewY);
  zoomPreviewPanel_ = new ZoomPreviewPanel(workSpace_);
  registerPanel(zoomPreviewPanel_, &WindowPositions::zoomPreviewX, &WindowPositions::zoomPreviewY);
  correctorPanel_ =
      new FloatingPanel("Panel_Corrector", "Panel12", tr("Color Corrector"), {1041, 617}, workSpace_);
  correctorPanel_->addCloseIcon("Image16");
  registerPanel(correctorPanel_, &WindowPositions::correctorX, &WindowPositions::correctorY);
  exportPngPanel_ = new ExportPngPanel(workSpace_);
  exportPngPanel_->move(kDialogPanelsAt);
  saveSelectionPanel_ = new SaveSelectionPanel(workSpace_);
  saveSelectionPanel_->move(kDialogPanelsAt);
  aboutPanel_ = new AboutPanel(workSpace_);

  zoomTargetIcons_ = {opaqueIcon(Icon::Zoom2), opaqueIcon(Icon::Zoom3), opaqueIcon(Icon::Zoom4)};
  previewPanel_->borderFrame()->setColour(
      BorderColor(state_.picture.borderIndex0, state_.picture.borderIndex1));

  CanvasImage* preview = previewPanel_->image();
  connect(preview, &CanvasImage::moved, this, &MainWindow::previewMouseMove);
  connect(preview, &CanvasImage::pressed, this, [this] { previewMousePress(); });
  connect(previewPanel_->borderFrame(), &BorderFrame::moved, this, &MainWindow::ShowPreview);
  // The magnifier copies from the preview, so it follows every refresh (an
  // undo or redo included) right after the preview.
  // While neither shows, the copy waits until one of them is shown.
  connect(this, &MainWindow::pictureRefreshed, this, [this] {
    if (previewPanel_->isHidden() && zoomPreviewPanel_->isHidden()) {
      previewStale_ = true;
      return;
    }
    ShowPreview();
    ShowZoomPreview();
  });
  connect(this, &MainWindow::cellRedrawn, this, [this, preview](CellRect r) {
    const QRect block(2 * r.x, 2 * r.y, 2 * r.width, 2 * r.height);
    CopyRect(preview->canvas(), block.x(), block.y(), viewModes_->shown().preview, block.x(), block.y(), block.width(),
             block.height());
    reference_->drawOnPreview(preview->canvas(), block);
    preview->update(block);
    // The magnifier follows a pen point even when no move comes after it.
    ShowZoomPreview();
  });
  connect(this, &MainWindow::borderChanged, this, [this] {
    viewModes_->recompose();
    refreshPreviews();
  });
  // The magnifier records every move, even while the click guard holds the
  // painting back.
  connect(exportPngPanel_->okButton(), &QPushButton::clicked, this, &MainWindow::exportPng);
  connect(saveSelectionPanel_->okButton(), &QPushButton::clicked, this, &MainWindow::saveSelectionOk);

  buildPanelKeys();
}

void MainWindow::buildPanelKeys() {
  const struct {
    const char* name;
    Icon icon;
    const char* iconName;
    const char* hint;
    int x;
    void (MainWindow::*toggle)();
    ToolKey* MainWindow::*key;
  } keys[] = {
      {"KEY_Palette", Icon::Palette, "Image1", QT_TR_NOOP("Full Palette Window (use hotkey 'C')"), 212,
       &MainWindow::TogglePalettePanel, &MainWindow::paletteKey_},
      {"KEY_BorderPalette", Icon::BorderPalette, "Image2",
       QT_TR_NOOP("Border Palette Window (use hotkey 'B')"), 244, &MainWindow::ToggleBorderPalettePanel,
       &MainWindow::borderPaletteKey_},
      {"KEY_Preview", Icon::Preview, "Image3",
       QT_TR_NOOP("Preview and Zoom selector Window (use hotkey 'V')"), 284, &MainWindow::TogglePreviewPanel,
       &MainWindow::previewKey_},
      {"KEY_ZoomPreview", Icon::Magnifier, "Image14", QT_TR_NOOP("Preview Zoom Window (use hotkey 'ALT+V')"),
       316, &MainWindow::ToggleZoomPreviewPanel, &MainWindow::zoomPreviewKey_},
  };
  for (const auto& k : keys) {
    auto* key = new ToolKey(k.name, MakeIcon(k.icon), k.iconName, tr(k.hint), instruments_);
    key->move(k.x, gridKey_->y());
    connect(key, &ToolKey::pressed, this, k.toggle);
    this->*k.key = key;
  }
}

QWidget* MainWindow::palettePanel() const { return palettePanel_; }
QWidget* MainWindow::borderPanel() const { return borderPanel_; }
QWidget* MainWindow::correctorPanel() const { return correctorPanel_; }

// Only the toggles set the bevels: a panel closed otherwise leaves its key
// lowered until the next toggle.
void MainWindow::togglePanel(QWidget* panel, ToolKey* key) {
  showOnTop(panel, panel->isHidden());
  key->setOuterLowered(!panel->isHidden());
}

void MainWindow::showOnTop(QWidget* panel, bool show) {
  panel->setVisible(show);
  // A panel that opens under another one would look as if the key did nothing.
  if (show) panel->raise();
}

void MainWindow::TogglePalettePanel() { togglePanel(palettePanel_, paletteKey_); }

void MainWindow::ToggleBorderPalettePanel() { togglePanel(borderPanel_, borderPaletteKey_); }

void MainWindow::TogglePreviewPanel() {
  togglePanel(previewPanel_, previewKey_);
  if (!previewPanel_->isHidden()) ShowPreview();
}

void MainWindow::ToggleZoomPreviewPanel() {
  togglePanel(zoomPreviewPanel_, zoomPreviewKey_);
  if (previewStale_ && !zoomPreviewPanel_->isHidden()) ShowPreview();
  ShowZoomPreview();
}

void MainWindow::ShowPreview() {
  previewStale_ = false;
  CanvasImage* preview = previewPanel_->image();
  CopyRect(preview->canvas(), 0, 0, viewModes_->shown().preview, 0, 0, kPreviewWidth, kPreviewHeight);
  reference_->drawOnPreview(preview->canvas(), QRect(0, 0, kPreviewWidth, kPreviewHeight));
  preview->update();
}

void MainWindow::refreshPreviews() {
  previewPanel_->borderFrame()->setColour(viewModes_->shownBorder());
  if (previewPanel_->isHidden() && zoomPreviewPanel_->isHidden()) {
    previewStale_ = true;
    return;
  }
  ShowPreview();
  ShowZoomPreview();
}

void MainWindow::ShowZoomPreview() {
  // A hidden magnifier is brought up to date when it is shown again.
  if (zoomPreviewPanel_->isHidden()) return;
  const MagnifierSource src = MagnifierSourceOf(state_.zoomPreviewMouse, state_.view.pixelScale());
  CanvasImage* magnifier = zoomPreviewPanel_->image();
  CopyRect(magnifier->canvas(), 0, 0, previewPanel_->image()->canvas(), src.x, src.y, kMagnifierSize,
           kMagnifierSize);
  magnifier->update();
}

void MainWindow::DrawPreviewFrame() {
  // The frame is sized by the whole scroll box, scroll bars included.
  const PreviewFrame frame = PlacePreviewFrame(state_.view, scrollBox_->width(), scrollBox_->height());
  ShowPreview();
  CanvasImage* preview = previewPanel_->image();
  std::vector<Segment> edges;
  CollectPreviewFrameSegments(frame, edges);
  DrawSegments(preview->canvas(), 0, 0, edges, editorImage_->canvas().patterns());
  const size_t icon = static_cast<size_t>(PreviewJumpLevel(state_.view.previewZoomTarget) - 2);
  CopyRect(preview->canvas(), frame.x, frame.y, zoomTargetIcons_[icon], 0, 0, kIconSize, kIconSize);
}

void MainWindow::previewMouseMove(QPoint pos) {
  state_.view.previewCellX = PreviewCellAt(pos.x());
  state_.view.previewCellY = PreviewCellAt(pos.y());
  DrawPreviewFrame();
}

void MainWindow::previewMousePress() {
  const ViewState& v = state_.view;
  SetZoom(PreviewJumpLevel(v.previewZoomTarget));
  const ScrollPositions to = PreviewJumpScroll(v.pixelScale(), v.previewCellX, v.previewCellY);
  scrollBox_->scrollTo(to.horizontal, to.vertical);
  RefreshPicture(false);
  TogglePreviewPanel();
}

void MainWindow::toggleAbout() {
  // Centred in the window itself, wherever the panel's parent lies in it.
  const QPoint at(CentredOffset(width(), aboutPanel_->width()),
                  CentredOffset(height(), aboutPanel_->height()));
  aboutPanel_->move(aboutPanel_->parentWidget()->mapFrom(this, at));
  showOnTop(aboutPanel_, aboutPanel_->isHidden());
}

void MainWindow::showExportPng() { showOnTop(exportPngPanel_, true); }

void MainWindow::exportPng() {
  const auto name = runSaveDialog("*.png|*.png", ".png");
  // A failed write leaves the panel open with the error shown.
  if (name && reportFileError(WritePngExport(*name, viewModes_->paletteMix().composite,
                                             viewModes_->paletteBorder(), exportPngPanel_->checkedMode())))
    return;
  exportPngPanel_->hide();
}

void MainWindow::showSaveSelection() {
  if (state_.selection.visible) showOnTop(saveSelectionPanel_, true);
}

}  // namespace cs
