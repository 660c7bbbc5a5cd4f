#include "app/ui/editor_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/ui/rubber_band.h"

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
  if (band_.kind != RubberBand::Kind::None) {
    p.setClipRegion(event->region());
    DrawRubberBand(p, band_, bandColour_, view.scale);
  }
}

void EditorImage::setRubberBand(const RubberBand& band, QColor colour) {
  const int s = state_.view.pixelScale();
  update(RubberBandRegion(band_, s));
  band_ = band;
  bandColour_ = colour;
  update(RubberBandRegion(band_, s));
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
