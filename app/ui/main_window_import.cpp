// File > Import > "Import image...": reads any image the toolkit can, lets
// the user choose how it is converted while a preview follows, and puts the
// result into the Picture as one undo step. The conversion itself is the
// core's, the same the command-line converter runs.
#include <QImage>
#include <QImageReader>

#include "app/ui/file_dialog.h"
#include "photo/ui/import_image_dialog.h"
#include "app/ui/main_window.h"
#include "photo/image_fit.h"

namespace cs {

namespace {

// The formats the toolkit reads, as one filter entry.
QString imageFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << "*." + QString::fromLatin1(format);
  return "Images|" + patterns.join(';');
}

// The image's pixels as the converter reads a PNG: 8-bit RGBA laid over black.
RgbImage toRgbImage(const QImage& image) {
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  return FromRgba(rgba.constBits(), rgba.width(), rgba.height(), static_cast<int>(rgba.bytesPerLine()));
}

}  // namespace

void MainWindow::ImportImage() {
  const QString filter = imageFilter();
  const QByteArray bytes = filter.toUtf8();
  if (runOpenDialog(bytes.constData())) importImageFile(openDialog_->fileName);
}

void MainWindow::importImageFile(const QString& name) {
  QImageReader reader(name);
  // A photograph's orientation tag turns it as the user saw it; the
  // converter's PNG reading has no such tag to follow.
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    reportFileError(FileError{FileErrorKind::Format});
    return;
  }
  ImportOptions options = importOptions_;
  options.cellHeight = state_.picture.cellHeight();
  ImportImageDialog dialog(toRgbImage(image), options, this);
  const bool accepted =
      importDialogRunner_ ? importDialogRunner_(dialog) : dialog.exec() == QDialog::Accepted;
  if (!accepted) return;
  const Picture& result = dialog.result();
  importOptions_ = dialog.options();
  TakeUndoSnapshot(state_);
  state_.picture.planes = result.planes;
  RefreshPicture(true);
}

}  // namespace cs
