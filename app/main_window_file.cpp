// The picture commands of the File menu: New and Convert.
#include "app/main_window.h"

namespace cs {

void MainWindow::NewPicture(int cellHeight) {
  cs::NewPicture(state_.picture, cellHeight);
  SetZoom(1);
  RefreshPicture(true);
}

void MainWindow::ConvertPicture(int cellHeight) {
  cs::ConvertPicture(state_.picture, cellHeight);
  SetZoom(1);
  RefreshPicture(true);
}

}  // namespace cs
