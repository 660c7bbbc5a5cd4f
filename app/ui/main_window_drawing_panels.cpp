// The panels of what the instruments paint with: Patterns and Brush. Each is
// built with the other panels, its place kept in the INI file, and shown and
// hidden by its View menu item and its toolbar key.
#include <QMenu>
#include <QMenuBar>

#include "app/ui/brush_controls.h"
#include "app/ui/brush_panel.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "app/ui/patterns_panel.h"

namespace cs {

void MainWindow::buildDrawingPanels() {
  patternsPanel_ = new PatternsPanel(state_, tables_.mix, workSpace_);
  registerPanel(patternsPanel_, &WindowPositions::patternsX, &WindowPositions::patternsY);
  brushPanel_ = new BrushPanel(workSpace_);
  registerPanel(brushPanel_, &WindowPositions::brushX, &WindowPositions::brushY);
  brushControls_ = new BrushControls(*this, brushPanel_->brushArea());

  auto* view = menuBar()->findChild<QMenu*>("View1");
  view->addSeparator();
  const auto addItem = [this, view](const char* name, const QString& caption, QWidget* panel) {
    QAction* item = AddMenuItem(view, name, caption, this, [this, panel](bool on) { showOnTop(panel, on); });
    item->setCheckable(true);
    // The panel's close box and the toolbar hide it too: the item shows where it is.
    connect(view, &QMenu::aboutToShow, item, [item, panel] { item->setChecked(!panel->isHidden()); });
  };
  addItem("ViewPatterns1", tr("Patterns"), patternsPanel_);
  addItem("ViewBrush1", tr("Brush"), brushPanel_);
}

void MainWindow::TogglePatternsPanel() { showOnTop(patternsPanel_, patternsPanel_->isHidden()); }

void MainWindow::ToggleBrushPanel() { showOnTop(brushPanel_, brushPanel_->isHidden()); }

}  // namespace cs
