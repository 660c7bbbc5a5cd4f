#include "app/scroll_box.h"

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
  if (!panel_) return;
  // Showing one scroll bar can shrink the viewport enough to need the other;
  // two passes settle it.
  for (int pass = 0; pass < 2; ++pass) {
    const QSize vp = viewport()->size();
    horizontalScrollBar()->setRange(0, MaxScroll(panel_->width() + offsetX_, vp.width()));
    verticalScrollBar()->setRange(0, MaxScroll(panel_->height() + offsetY_, vp.height()));
    horizontalScrollBar()->setPageStep(vp.width());
    verticalScrollBar()->setPageStep(vp.height());
  }
}

void ScrollBox::movePanel() {
  if (panel_) panel_->move(offsetX_ - horizontalScrollBar()->value(), offsetY_ - verticalScrollBar()->value());
}

void ScrollBox::scrollContentsBy(int, int) { movePanel(); }

void ScrollBox::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  updateRanges();
  movePanel();
  emit resized();
}

void ScrollBox::wheelEvent(QWheelEvent* e) { e->ignore(); }

}  // namespace cs
