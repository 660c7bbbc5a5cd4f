// The Brush panel in the window: built with the other panels, its place kept
// in the INI file, shown and hidden from the View menu and its toolbar key.
#include <QMenu>
#include <QMenuBar>

#include "app/ui/brush_controls.h"
#include "app/ui/brush_panel.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"

namespace cs {

void MainWindow::buildBrushPanel() {
  brushPanel_ = new BrushPanel(workSpace_);
  registerPanel(brushPanel_, &WindowPositions::brushX, &WindowPositions::brushY);
  brushControls_ = new BrushControls(*this, brushPanel_->brushArea());
  auto* view = menuBar()->findChild<QMenu*>("View1");
  QAction* item =
      AddMenuItem(view, "ViewBrush1", tr("Brush"), this, [this](bool on) { showOnTop(brushPanel_, on); });
  item->setCheckable(true);
  // The panel's close box and the toolbar hide it too: the item shows where it is.
  connect(view, &QMenu::aboutToShow, item, [this, item] { item->setChecked(!brushPanel_->isHidden()); });
}

void MainWindow::ToggleBrushPanel() { showOnTop(brushPanel_, brushPanel_->isHidden()); }

}  // namespace cs
