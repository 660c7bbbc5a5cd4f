#include "colour/ui/palette_widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/ui/bevel.h"

namespace cs {

BevelBox::BevelBox(const QString& name, QWidget* parent)
    : QWidget(parent), fill_(palette().window().color()) {
  setObjectName(name);
}

void BevelBox::setFill(QColor colour) {
  if (colour == fill_) return;
  fill_ = colour;
  update();
}

void BevelBox::setCaption(const QString& caption, bool bold) {
  caption_ = caption;
  bold_ = bold;
  update();
}

void BevelBox::setLowered(bool on) {
  if (on == lowered_) return;
  lowered_ = on;
  update();
}

void BevelBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), fill_);
  // A raised one-pixel edge makes the box read as a panel; the chosen one
  // is pressed in inside it.
  const QRect r = rect();
  p.fillRect(r.left(), r.top(), r.width(), 1, Qt::white);
  p.fillRect(r.left(), r.top(), 1, r.height(), Qt::white);
  p.fillRect(r.left(), r.bottom(), r.width(), 1, QColor(160, 160, 160));
  p.fillRect(r.right(), r.top(), 1, r.height(), QColor(160, 160, 160));
  if (lowered_) DrawLoweredBevel(p, r.adjusted(1, 1, -1, -1), bevelWidth_);
  if (caption_.isEmpty()) return;
  QFont f = font();
  f.setBold(bold_);
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(rect(), Qt::AlignCenter, caption_);
}

void BevelBox::mousePressEvent(QMouseEvent* e) {
  e->accept();
  emit pressed();
}

PaletteImage::PaletteImage(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QImage ToQImage(const RgbImage& image) {
  return QImage(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(),
                image.bytesPerLine(), QImage::Format_RGB32)
      .copy();
}

void PaletteImage::setImage(const RgbImage& image) { setImage(ToQImage(image)); }

void PaletteImage::setImage(const QImage& image) {
  image_ = image;
  setFixedSize(image_.size());
  update();
}

void PaletteImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

void PaletteImage::mousePressEvent(QMouseEvent* e) {
  e->accept();
  const QPoint pos = e->position().toPoint();
  if (rect().contains(pos)) emit pressed(pos);
}

}  // namespace cs
