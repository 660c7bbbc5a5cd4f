// The Patterns panel in the window: built with the other panels, its place
// kept in the INI file, shown and hidden from the View menu, redrawn with the
// current colours.
#include <QMenu>
#include <QMenuBar>

#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "app/ui/patterns_panel.h"

namespace cs {

void MainWindow::buildPatternsPanel() {
  patternsPanel_ = new PatternsPanel(state_, tables_.mix, workSpace_);
  registerPanel(patternsPanel_, &WindowPositions::patternsX, &WindowPositions::patternsY);
  auto* view = menuBar()->findChild<QMenu*>("View1");
  view->addSeparator();
  QAction* item = AddMenuItem(view, "ViewPatterns1", tr("Patterns"), this,
                              [this](bool on) { showOnTop(patternsPanel_, on); });
  item->setCheckable(true);
  // The panel's close box and the toolbar hide it too: the item shows where it is.
  connect(view, &QMenu::aboutToShow, item, [this, item] { item->setChecked(!patternsPanel_->isHidden()); });
}

void MainWindow::TogglePatternsPanel() { showOnTop(patternsPanel_, patternsPanel_->isHidden()); }

}  // namespace cs
