// The current colours in the window: the full-palette and border-palette
// contents, the toolbar's current-colour swatches, and the operations that
// keep all of them showing the editor state.
#include "app/ui/brush_controls.h"
#include "app/ui/floating_panel.h"
#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "app/ui/patterns_panel.h"
#include "colour/ui/border_palette_panel.h"
#include "colour/ui/current_colours_panel.h"
#include "colour/palette_actions.h"
#include "colour/ui/palette_panel.h"

namespace cs {

void MainWindow::buildPaletteContent() {
  currentColours_ = new CurrentColoursPanel(state_, tables_.mix, instruments_);
  currentColours_->move(670, 4);
  connect(currentColours_, &CurrentColoursPanel::mixChosen, this, &MainWindow::ShowMixSelection);

  paletteContent_ = new PalettePanel(state_, tables_.mix, palettePanel_);
  connect(paletteContent_, &PalettePanel::coloursChosen, this, &MainWindow::RedrawPalettePanels);
  connect(paletteContent_, &PalettePanel::mixChosen, this, &MainWindow::ShowMixSelection);

  borderContent_ = new BorderPalettePanel(state_, borderPanel_);
  connect(borderContent_, &BorderPalettePanel::borderChosen, this, &MainWindow::borderChanged);
  connect(borderContent_, &BorderPalettePanel::borderChosen, this,
          [this] { history_->record(tr("Border")); });
  connect(this, &MainWindow::borderChanged, borderContent_, &BorderPalettePanel::ShowBorder);
}

void MainWindow::RedrawPalettePanels() {
  paletteContent_->RedrawPalettePanels();
  currentColours_->RedrawPalettePanels();
  patternsPanel_->redraw();
  if (brushControls_) brushControls_->refresh();  // the stamp shows in the current colours
}

void MainWindow::ShowMixSelection() {
  paletteContent_->ShowMixSelection();
  currentColours_->ShowMixSelection();
  patternsPanel_->redraw();  // its patterns show the current mix
}

void MainWindow::SelectMix(int n) {
  ChooseMix(state_, n);
  ShowMixSelection();
}

}  // namespace cs
