#include "app/ui/free_panel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace cs {

namespace {

const QColor kSkyBlue(166, 202, 240);
const QColor kPanelEdge(130, 130, 130);

Qt::CursorShape cursorFor(PanelZone z) {
  switch (z) {
    case PanelZone::Left:
    case PanelZone::Right: return Qt::SizeHorCursor;
    case PanelZone::Top:
    case PanelZone::Bottom: return Qt::SizeVerCursor;
    case PanelZone::TopLeft:
    case PanelZone::BottomRight: return Qt::SizeFDiagCursor;
    case PanelZone::TopRight:
    case PanelZone::BottomLeft: return Qt::SizeBDiagCursor;
    case PanelZone::Caption: return Qt::SizeAllCursor;
    case PanelZone::Client: break;
  }
  return Qt::ArrowCursor;
}

PanelPoint screenPoint(const QMouseEvent* e) {
  const QPoint p = e->globalPosition().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

bool canDragPanel(const QWidget* panel) {
  const auto* p = qobject_cast<const TPanelCaption*>(panel);
  return !p || p->align() == PanelAlign::None || p->align() == PanelAlign::Custom;
}

QPoint KeepCaptionInParent(const QWidget* panel, QPoint to) {
  const QWidget* area = panel->parentWidget();
  if (!area || !area->isVisible()) return to;
  const auto* strip = panel->findChild<const PanelCaptionStrip*>(QString(), Qt::FindDirectChildrenOnly);
  const QRect inPanel = strip ? strip->geometry() : QRect(0, 0, panel->width(), kCaptionStripHeight);
  const QPoint at = to + inPanel.topLeft();
  const PanelPoint kept =
      KeepCaptionInside({at.x(), at.y()}, inPanel.width(), inPanel.height(), area->width(), area->height());
  return QPoint(kept.x, kept.y) - inPanel.topLeft();
}

// --- TPanelCaption ---------------------------------------------------------

TPanelCaption::TPanelCaption(QWidget* parent) : QWidget(parent) {
  for (auto& b : bands_) b = new PanelResizeBand(this);
  if (parent) parent->installEventFilter(this);
  placeBands();
}

void TPanelCaption::setMoving(bool on) { moving_ = on && align_ == PanelAlign::None; }

void TPanelCaption::setAlign(PanelAlign align) {
  align_ = align;
  if (align_ == PanelAlign::Client && parentWidget()) setGeometry(parentWidget()->rect());
  placeBands();
}

PanelRect TPanelCaption::bounds() const { return {x(), y(), width(), height()}; }

void TPanelCaption::setBounds(PanelRect r) { setGeometry(r.left, r.top, r.width, r.height); }

void TPanelCaption::resizeEvent(QResizeEvent*) {
  placeBands();
  emit resized();
}

// A panel placed by hand, at bounds read from the INI file perhaps, shows
// with its caption strip in the work area.
void TPanelCaption::showEvent(QShowEvent*) {
  if (align_ == PanelAlign::None) move(KeepCaptionInParent(this, pos()));
}

bool TPanelCaption::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize && align_ == PanelAlign::Client)
    setGeometry(parentWidget()->rect());
  return false;
}

void TPanelCaption::placeBands() {
  const int w = width(), h = height();
  // A band covers the points whose hit test can give its edge.
  const QRect rects[4] = {{0, 0, kResizeBand + 1, h},
                          {w - kResizeBand, 0, kResizeBand, h},
                          {0, 0, w, kResizeBand + 1},
                          {0, h - kResizeBand, w, kResizeBand}};
  const bool bandsLive = align_ != PanelAlign::Client && align_ != PanelAlign::Custom;
  for (int i = 0; i < 4; ++i) {
    bands_[static_cast<size_t>(i)]->setGeometry(rects[i]);
    bands_[static_cast<size_t>(i)]->setVisible(bandsLive);
    bands_[static_cast<size_t>(i)]->raise();
  }
}

void TPanelCaption::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  p.setPen(kPanelEdge);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TPanelCaption::mousePressEvent(QMouseEvent* e) {
  if (PanelHitTest(e->position().toPoint().x(), e->position().toPoint().y(), width(), height(), align_,
                   moving_) != PanelZone::Caption)
    return QWidget::mousePressEvent(e);
  drag_.press(screenPoint(e), {x(), y()});
}

void TPanelCaption::mouseMoveEvent(QMouseEvent* e) {
  PanelPoint to;
  if (!drag_.move(screenPoint(e), to)) return QWidget::mouseMoveEvent(e);
  move(KeepCaptionInParent(this, {to.x, to.y}));
}

void TPanelCaption::mouseReleaseEvent(QMouseEvent* e) {
  drag_.release();
  QWidget::mouseReleaseEvent(e);
}

// --- PanelResizeBand -------------------------------------------------------

PanelResizeBand::PanelResizeBand(TPanelCaption* panel) : QWidget(panel), panel_(panel) {
  setMouseTracking(true);
}

PanelZone PanelResizeBand::zoneAt(QPoint local) const {
  const QPoint p = mapTo(panel_, local);
  return PanelHitTest(p.x(), p.y(), panel_->width(), panel_->height(), panel_->align(), panel_->moving());
}

void PanelResizeBand::mousePressEvent(QMouseEvent* e) {
  zone_ = zoneAt(e->position().toPoint());
  if (zone_ == PanelZone::Client) return e->ignore();
  resizing_ = true;
  origin_ = e->globalPosition().toPoint();
  start_ = panel_->bounds();
}

void PanelResizeBand::mouseMoveEvent(QMouseEvent* e) {
  if (!resizing_) {
    setCursor(cursorFor(zoneAt(e->position().toPoint())));
    return;
  }
  const QPoint d = e->globalPosition().toPoint() - origin_;
  panel_->setBounds(ResizePanel(start_, zone_, d.x(), d.y(), panel_->MinWidth, panel_->MinHeight));
}

void PanelResizeBand::mouseReleaseEvent(QMouseEvent*) { resizing_ = false; }

// --- PanelCaptionStrip -----------------------------------------------------

CaptionIcon::CaptionIcon(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
  setFixedSize(18, 15);
}

void CaptionIcon::setImage(const QImage& image) {
  image_ = image;
  update();
}

void CaptionIcon::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage((width() - image_.width()) / 2, (height() - image_.height()) / 2, image_);
}

void CaptionIcon::mousePressEvent(QMouseEvent* e) {
  e->accept();
  emit clicked();
}

PanelCaptionStrip::PanelCaptionStrip(const QString& name, const QString& caption, QWidget* panel)
    : QWidget(panel), caption_(caption) {
  setObjectName(name);
  setFixedHeight(kCaptionStripHeight);
}

CaptionIcon* PanelCaptionStrip::addIcon(const QString& name, const QImage& image) {
  auto* icon = new CaptionIcon(image, this);
  icon->setObjectName(name);
  icons_.push_back(icon);
  placeIcons();
  return icon;
}

void PanelCaptionStrip::placeIcons() {
  int right = width();
  for (QWidget* icon : icons_) {
    right -= icon->width();
    icon->move(right, (height() - icon->height()) / 2);
  }
}

void PanelCaptionStrip::resizeEvent(QResizeEvent*) { placeIcons(); }

void PanelCaptionStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kSkyBlue);
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(rect().adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_);
}

// MoveWindowDown, MoveWindowMove and MoveWindowUp.
void PanelCaptionStrip::mousePressEvent(QMouseEvent* e) {
  QWidget* panel = parentWidget();
  if (!panel || !canDragPanel(panel)) return;
  drag_.press(screenPoint(e), {panel->x(), panel->y()});
}

void PanelCaptionStrip::mouseMoveEvent(QMouseEvent* e) {
  PanelPoint to;
  if (drag_.move(screenPoint(e), to)) parentWidget()->move(KeepCaptionInParent(parentWidget(), {to.x, to.y}));
}

void PanelCaptionStrip::mouseReleaseEvent(QMouseEvent*) { drag_.release(); }

}  // namespace cs
