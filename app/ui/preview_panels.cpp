#include "app/ui/preview_panels.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "render/preview_nav.h"

namespace cs {

namespace {

// The preview sits in its frame like the picture in a 640 x 480 export with
// border: 64 columns left and right, 48 lines above and below.
constexpr QRect kBorderFrame(5, 22, 640, 480);
constexpr QPoint kPreviewInFrame(64, 48);
constexpr QPoint kMagnifierAt(8, 25);

}  // namespace

CanvasImage::CanvasImage(const QString& name, int width, int height, QWidget* parent)
    : QWidget(parent),
      canvas_(width, height),
      view_(reinterpret_cast<const uchar*>(canvas_.data()), width, height, canvas_.bytesPerLine(),
            QImage::Format_RGB32) {
  setObjectName(name);
  setFixedSize(width, height);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void CanvasImage::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  for (const QRect& r : e->region()) p.drawImage(r, view_, r);
}

void CanvasImage::mouseMoveEvent(QMouseEvent* e) { emit moved(e->position().toPoint()); }

void CanvasImage::mousePressEvent(QMouseEvent* e) { emit pressed(e->position().toPoint()); }

BorderFrame::BorderFrame(QWidget* parent) : QWidget(parent) {
  setObjectName("PanelBorderPreview");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void BorderFrame::setColour(Rgb colour) {
  colour_ = colour;
  update();
}

void BorderFrame::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.fillRect(e->rect(), QColor::fromRgb(colour_));
}

void BorderFrame::mouseMoveEvent(QMouseEvent*) { emit moved(); }

PreviewPanel::PreviewPanel(QWidget* parent)
    : FloatingPanel("Panel_Preview", "Panel20", tr("Preview and Zoom Selector"), {650, 510}, parent) {
  border_ = new BorderFrame(this);
  border_->setGeometry(kBorderFrame);
  image_ = new CanvasImage("Editor_IMG_Preview", kPreviewWidth, kPreviewHeight, border_);
  image_->move(kPreviewInFrame);
}

ZoomPreviewPanel::ZoomPreviewPanel(QWidget* parent)
    : FloatingPanel("Panel_ZoomPreview", "Panel21", tr("Preview Zoom"), {193, 209}, parent) {
  image_ = new CanvasImage("Editor_IMG_ZoomPreview", kMagnifierSize, kMagnifierSize, this);
  image_->move(kMagnifierAt);
}

}  // namespace cs
