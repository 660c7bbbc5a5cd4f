#include "app/ui/scroll_box.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace cs {

ScrollBox::ScrollBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::NoFrame);
  viewport()->setAutoFillBackground(true);
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Window, QColor(72, 72, 76));
  pal.setColor(QPalette::Base, QColor(72, 72, 76));
  viewport()->setPalette(pal);
  horizontalScrollBar()->setSingleStep(16);
  verticalScrollBar()->setSingleStep(16);
}

void ScrollBox::setPanel(QWidget* panel) {
  panel_ = panel;
  panel_->setParent(viewport());
  updateRanges();
  movePanel();
}

void ScrollBox::setPanelSize(int width, int height) {
  panel_->resize(width, height);
  updateRanges();
  movePanel();
}

QSize ScrollBox::viewportSize() const { return viewport()->size(); }

AxisPlacement ScrollBox::horizontal() const { return {offsetX_, horizontalScrollBar()->value()}; }
AxisPlacement ScrollBox::vertical() const { return {offsetY_, verticalScrollBar()->value()}; }

void ScrollBox::place(AxisPlacement h, AxisPlacement v) {
  offsetX_ = h.offset;
  offsetY_ = v.offset;
  updateRanges();
  scrollTo(h.scroll, v.scroll);
  movePanel();
}

void ScrollBox::scrollTo(int h, int v) {
  verticalScrollBar()->setValue(v);
  horizontalScrollBar()->setValue(h);
}

void ScrollBox::updateRanges() {
  if (!panel_ || updating_) return;
  updating_ = true;
  // The scroll bars are shown or hidden here, at once, rather than left to
  // the scroll area's own deferred check: zooming and centring read the
  // viewport's size right after changing the content.
  const int contentW = panel_->width() + offsetX_, contentH = panel_->height() + offsetY_;
  const int barW = verticalScrollBar()->sizeHint().width(), barH = horizontalScrollBar()->sizeHint().height();
  bool needH = contentW > width(), needV = contentH > height();
  if (needH && !needV) needV = contentH > height() - barH;
  if (needV && !needH) needH = contentW > width() - barW;
  setHorizontalScrollBarPolicy(needH ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(needV ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const QSize vp = viewport()->size();
  horizontalScrollBar()->setRange(0, MaxScroll(contentW, vp.width()));
  verticalScrollBar()->setRange(0, MaxScroll(contentH, vp.height()));
  horizontalScrollBar()->setPageStep(vp.width());
  verticalScrollBar()->setPageStep(vp.height());
  updating_ = false;
}

void ScrollBox::movePanel() {
  if (panel_) panel_->move(offsetX_ - horizontalScrollBar()->value(), offsetY_ - verticalScrollBar()->value());
}

void ScrollBox::scrollContentsBy(int, int) { movePanel(); }

void ScrollBox::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  // Showing or hiding the scroll bars in updateRanges resizes the viewport,
  // and the viewport's resizes arrive here too.
  if (updating_) return;
  updateRanges();
  movePanel();
  if (size() == boxSize_) return;
  boxSize_ = size();
  emit resized();
}

void ScrollBox::wheelEvent(QWheelEvent* e) { e->ignore(); }

void ScrollBox::panWithMiddleButton(QWidget* surface) {
  panSurface_ = surface;
  surface->installEventFilter(this);
}

bool ScrollBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != panSurface_) return false;
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease)
    return false;
  const auto* e = static_cast<QMouseEvent*>(event);
  // The screen position: the surface itself moves under the pointer.
  const QPoint pointer = e->globalPosition().toPoint();
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (panning_) {
        swallowed_ |= e->button();
        return true;
      }
      if (e->button() != Qt::MiddleButton) return false;
      // Pressed during a stroke of another button, it neither pans nor
      // reaches the stroke.
      if (e->buttons() != Qt::MiddleButton) return true;
      panning_ = true;
      panFrom_ = pointer;
      panScroll_ = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
      QGuiApplication::setOverrideCursor(Qt::ClosedHandCursor);
      return true;
    case QEvent::MouseMove:
      if (!panning_) return false;
      // A release lost to another window ends the pan at the next move.
      if (!(e->buttons() & Qt::MiddleButton)) {
        endPan();
        return false;
      }
      scrollTo(panScroll_.x() - (pointer.x() - panFrom_.x()), panScroll_.y() - (pointer.y() - panFrom_.y()));
      return true;
    default:  // release
      if (swallowed_ & e->button()) {
        swallowed_ &= ~e->button();
        return true;
      }
      if (e->button() != Qt::MiddleButton) return false;
      if (panning_) endPan();
      return true;
  }
}

void ScrollBox::endPan() {
  panning_ = false;
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace cs
