// File > Import > "Import image...": reads a PNG, JPEG, GIF or BMP image, lets
// the user choose how it is converted while a preview follows, and puts the
// result into the Picture as one undo step. The conversion itself is the
// core's, the same the command-line converter runs.
#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "formats/image_file.h"
#include "photo/ui/import_image_dialog.h"

namespace cs {

void MainWindow::ImportImage() {
  const QString filter = tr("Images") + "|" + QString::fromLatin1(ImageFilePatterns());
  if (runOpenDialog(filter)) importImageFile(openDialog_->fileName);
}

void MainWindow::importImageFile(const std::string& name) {
  RgbImage image;
  if (reportOpenError(ReadImageFile(name, image), name, false)) return;
  ImportOptions options = importOptions_;
  options.cellHeight = state_.picture.cellHeight();
  ImportImageDialog dialog(image, options, this);
  const bool accepted =
      importDialogRunner_ ? importDialogRunner_(dialog) : dialog.exec() == QDialog::Accepted;
  if (!accepted) return;
  const Picture& result = dialog.result();
  importOptions_ = dialog.options();
  TakeUndoSnapshot(state_);
  state_.picture.planes = result.planes;
  RefreshPicture(true);
  history_->record(tr("Import image"));
}

}  // namespace cs
