#include "app/ui/floating_panel.h"

#include <QPainter>
#include <QShowEvent>
#include <QPushButton>

#include "app/ui/free_panel.h"
#include "app/ui/icons.h"

namespace cs {

namespace {

const QColor kFace(240, 240, 240);
const QColor kLight(255, 255, 255);
const QColor kShadow(130, 130, 130);

}  // namespace

FloatingPanel::FloatingPanel(const QString& name, const QString& stripName, const QString& caption,
                             QSize size, QWidget* parent)
    : QWidget(parent) {
  setObjectName(name);
  setFixedSize(size);
  strip_ = new PanelCaptionStrip(stripName, caption, this);
  strip_->setGeometry(0, 0, size.width(), kCaptionStripHeight);
  hide();
}

CaptionIcon* FloatingPanel::addCloseIcon(const QString& name) {
  CaptionIcon* icon = strip_->addIcon(name, MakeCloseIcon());
  connect(icon, &CaptionIcon::clicked, this, [icon] { ClosePanel(icon); });
  return icon;
}

QPushButton* FloatingPanel::addButton(const QString& name, const QString& caption, QRect geometry,
                                      bool closes) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFocusPolicy(Qt::NoFocus);
  if (closes) connect(button, &QPushButton::clicked, this, [button] { ButtonClosePanel(button); });
  return button;
}

void FloatingPanel::resizeEvent(QResizeEvent*) { strip_->setGeometry(0, 0, width(), kCaptionStripHeight); }

void FloatingPanel::showEvent(QShowEvent* e) {
  move(KeepCaptionInParent(this, pos()));
  if (!e->spontaneous()) emit shown();
}

void FloatingPanel::paintEvent(QPaintEvent*) {
  // A raised one-pixel bevel around the face.
  QPainter p(this);
  p.fillRect(rect(), kFace);
  p.fillRect(0, 0, width(), 1, kLight);
  p.fillRect(0, 0, 1, height(), kLight);
  p.fillRect(0, height() - 1, width(), 1, kShadow);
  p.fillRect(width() - 1, 0, 1, height(), kShadow);
}

void ClosePanel(CaptionIcon* icon) {
  // The icon lies in the caption strip, which lies in the panel.
  if (QWidget* strip = icon->parentWidget())
    if (QWidget* panel = strip->parentWidget()) panel->hide();
}

void ButtonClosePanel(QWidget* button) {
  if (QWidget* panel = button->parentWidget()) panel->hide();
}

}  // namespace cs
