// The current colours in the window: the full-palette and border-palette
// contents, the toolbar's current-colour swatches, and the operations that
// keep all of them showing the editor state.
#include "app/main_window.h"
#include "colour/border_palette_panel.h"
#include "colour/current_colours_panel.h"
#include "colour/palette_actions.h"
#include "colour/palette_panel.h"

namespace cs {

void MainWindow::buildPaletteContent() {
  currentColours_ = new CurrentColoursPanel(state_, tables_.mix, instruments_);
  currentColours_->move(670, 4);
  connect(currentColours_, &CurrentColoursPanel::mixChosen, this, &MainWindow::ShowMixSelection);

  const auto [colourShell, borderShell] = paletteShells();
  paletteContent_ = new PalettePanel(state_, tables_.mix, colourShell);
  connect(paletteContent_, &PalettePanel::coloursChosen, this, &MainWindow::RedrawPalettePanels);
  connect(paletteContent_, &PalettePanel::mixChosen, this, &MainWindow::ShowMixSelection);

  borderContent_ = new BorderPalettePanel(state_, borderShell);
  connect(borderContent_, &BorderPalettePanel::borderChosen, this, &MainWindow::borderChanged);
  connect(this, &MainWindow::borderChanged, borderContent_, &BorderPalettePanel::ShowBorder);
}

// Stand-ins for the floating palette windows: plain hidden panels of the work
// area with the windows' names and sizes, until the windows themselves exist.
std::pair<QWidget*, QWidget*> MainWindow::paletteShells() {
  auto* colour = new QWidget(workSpace_);
  colour->setObjectName("Panel_Color");
  colour->setGeometry(positions_.paletteX, positions_.paletteY, kPalettePanelWidth, kPalettePanelHeight);
  colour->hide();
  auto* border = new QWidget(workSpace_);
  border->setObjectName("Panel_Border");
  border->setGeometry(positions_.borderPaletteX, positions_.borderPaletteY, kBorderPanelWidth,
                      kBorderPanelHeight);
  border->hide();
  return {colour, border};
}

void MainWindow::RedrawPalettePanels() {
  paletteContent_->RedrawPalettePanels();
  currentColours_->RedrawPalettePanels();
}

void MainWindow::ShowMixSelection() {
  paletteContent_->ShowMixSelection();
  currentColours_->ShowMixSelection();
}

void MainWindow::SelectMix(int n) {
  ChooseMix(state_, n);
  ShowMixSelection();
}

}  // namespace cs
