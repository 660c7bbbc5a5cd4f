// The colour-corrector window: its content, the menu command and the key
// that show it, and the corrector views' refresh.
#include "app/ui/editor_image.h"
#include "app/ui/floating_panel.h"
#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "colour/ui/corrector_panel.h"

namespace cs {

void MainWindow::buildCorrector() {
  corrector_ = new CorrectorPanel(state_, images_, editorImage_->canvas().patterns(), correctorPanel_);
  // The editor paints from the composition an operation changes, so the
  // editor image and the previews are refreshed with the corrector's views.
  connect(corrector_, &CorrectorPanel::pictureChanged, this, [this](const QString& caption) {
    RefreshPicture(true);
    history_->record(tr("Corrector: %1").arg(caption));
  });
  connect(this, &MainWindow::pictureRefreshed, corrector_, &CorrectorPanel::followCellHeight);
  // Whatever shows the corrector (the menu, the key X), it shows the Picture
  // as it is now: nothing draws its views while it is hidden, and pen strokes
  // leave the single-screen images behind until the next composition.
  connect(correctorPanel_, &FloatingPanel::shown, this, [this] {
    corrector_->FitCellHeight();
    RefreshCorrectorViews(true);
    corrector_->RedrawCorrector();
  });
}

void MainWindow::ToggleCorrector() { showOnTop(correctorPanel_, correctorPanel_->isHidden()); }

void MainWindow::RefreshCorrectorViews(bool recompose) {
  if (recompose) ComposePicture(state_.picture, tables_, images_);
  corrector_->ShowScreens();
}

}  // namespace cs
