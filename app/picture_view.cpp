#include "app/picture_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace cs {

PictureView::PictureView(const ComposedImages& images, QWidget* parent)
    : QWidget(parent),
      composite_(reinterpret_cast<const uchar*>(images.composite.data()), kWidth, kLines,
                 images.composite.bytesPerLine(), QImage::Format_RGB32) {
  setObjectName("Editor_IMG_MGSFull");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setPixelScale(4);
}

void PictureView::setPixelScale(int scale) {
  scale_ = scale;
  setFixedSize(kWidth * scale_, kLines * scale_);
  update();
}

void PictureView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // Nearest-neighbour scaling; Qt clips to the event's region, so only the
  // visible part costs anything.
  p.setClipRegion(event->region());
  p.drawImage(QRect(0, 0, kWidth * scale_, kLines * scale_), composite_);
}

}  // namespace cs
