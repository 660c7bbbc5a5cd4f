#include "app/ui/tool_key.h"

#include <QMouseEvent>
#include <QPainter>

namespace cs {

namespace {

const QColor kFace(240, 240, 240);
const QColor kBorder(120, 120, 120);

}  // namespace

ToolKeyIcon::ToolKeyIcon(const QImage& image, ToolKey* key) : QWidget(key), image_(image) {
  setFixedSize(image.size());
}

void ToolKeyIcon::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

ToolKey::ToolKey(const QString& name, const QImage& icon, const QString& iconName, const QString& hint,
                 QWidget* parent)
    : QWidget(parent) {
  setObjectName(name);
  setFixedSize(kToolKeySize, kToolKeySize);
  // A key paints its whole face, so a change of state repaints only the key.
  setAttribute(Qt::WA_OpaquePaintEvent);
  icon_ = new ToolKeyIcon(icon, this);
  icon_->setObjectName(iconName);
  icon_->setToolTip(hint);
  // The icon sits at (4, 4) of the area inside the one-pixel border.
  icon_->move(1 + 4, 1 + 4);
}

ToolKey::ToolKey(const QString& name, const QString& caption, int width, QWidget* parent)
    : QWidget(parent), caption_(caption) {
  setObjectName(name);
  setFixedSize(width, kToolKeySize);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ToolKey::setInnerLowered(bool on) {
  inner_ = on;
  update();
}

void ToolKey::setOuterLowered(bool on) {
  outer_ = on;
  update();
}

void ToolKey::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), caption_.isEmpty() ? QColor(Qt::white) : kFace);
  p.setPen(kBorder);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  QRect inside = rect().adjusted(1, 1, -1, -1);
  // The outer bevel lies at the edge, the inner one inside it.
  if (outer_) {
    DrawLoweredBevel(p, inside);
    inside.adjust(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
  }
  if (inner_) DrawLoweredBevel(p, inside);
  if (!caption_.isEmpty()) {
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(rect(), Qt::AlignCenter, caption_);
  }
}

void ToolKey::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed();
}

}  // namespace cs
