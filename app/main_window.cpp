#include "app/main_window.h"

#include <QScrollArea>

#include "app/picture_view.h"

namespace cs {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle(kCaption);
  tables_.mix = BuildMixTable(MakeFullPaletteImage());

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("ScrollBox_EditPicture");
  view_ = new PictureView(images_, scroll_);
  view_->setPixelScale(state_.view.pixelScale());
  scroll_->setWidget(view_);
  setCentralWidget(scroll_);
  resize(1100, 820);
  RefreshPicture(true);
}

void MainWindow::RefreshPicture(bool recompose) {
  if (recompose) ComposePicture(state_.picture, tables_, images_);
  view_->update();
}

}  // namespace cs
