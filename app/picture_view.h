// The editor image: shows the composed picture magnified by the pixel scale.
#pragma once

#include <QImage>
#include <QWidget>

#include "render/compose.h"

namespace cs {

class PictureView : public QWidget {
  Q_OBJECT
 public:
  PictureView(const ComposedImages& images, QWidget* parent = nullptr);
  void setPixelScale(int scale);
  int pixelScale() const { return scale_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage composite_;  // wraps the composite buffer, no copy
  int scale_ = 4;
};

}  // namespace cs
