#include "app/editor_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace cs {

EditorImage::EditorImage(const EditorState& state, const ComposedImages& images, QWidget* parent)
    : QWidget(parent), state_(state), canvas_(images) {
  setObjectName("Editor_IMG_MGSFull");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void EditorImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const OverlayView view = OverlayViewOf(state_);
  for (const QRect& r : event->region()) canvas_.paint(p, r, view);
}

void EditorImage::mousePressEvent(QMouseEvent* e) {
  emit pressed(e->button(), e->modifiers(), e->position().toPoint());
}

void EditorImage::mouseMoveEvent(QMouseEvent* e) {
  emit moved(e->buttons(), e->modifiers(), e->position().toPoint());
}

void EditorImage::mouseReleaseEvent(QMouseEvent* e) {
  emit released(e->button(), e->modifiers(), e->position().toPoint());
}

}  // namespace cs
