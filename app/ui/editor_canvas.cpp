#include "app/ui/editor_canvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRect>

#include "render/editor_rows.h"

namespace cs {

namespace {

QImage wrap(const RgbImage& img, int width, int height) {
  return QImage(reinterpret_cast<const uchar*>(img.data()), width, height, img.bytesPerLine(),
                QImage::Format_RGB32);
}

// The raster image the painter writes into, with the painter's origin in it,
// when pixels can be written there directly: a 32-bit image of device pixel
// ratio 1 reached by a plain translation (a widget's backing store, or the
// image a widget is grabbed into).
QImage* directTarget(QPainter& p, QPoint& origin) {
  QPaintEngine* engine = p.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return nullptr;
  QPaintDevice* device = engine->paintDevice();
  if (!device || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format f = image->format();
  if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32_Premultiplied) return nullptr;
  const QTransform t = p.deviceTransform();
  if (t.type() > QTransform::TxTranslate || image->devicePixelRatio() != 1.0) return nullptr;
  origin = QPoint(qRound(t.dx()), qRound(t.dy()));
  return image;
}

}  // namespace

EditorCanvas::EditorCanvas(const ComposedImages& images) : images_(&images), patterns_(MakeOverlayPatterns()) {
  for (int i = 0; i < kPatternCount; ++i) {
    const RgbImage& img = patterns_.images[static_cast<size_t>(i)];
    patternImages_[static_cast<size_t>(i)] = wrap(img, img.width(), img.height());
  }
}

void EditorCanvas::paint(QPainter& p, const QRect& rect, const OverlayView& view) {
  const int s = view.scale;
  const QRect area = rect & QRect(0, 0, kWidth * s, kLines * s);
  if (area.isEmpty()) return;
  const ScreenRect r{area.x(), area.y(), area.width(), area.height()};
  QPoint origin;
  QImage* target = directTarget(p, origin);
  if (target && target->rect().contains(area.translated(origin))) {
    // Straight into the image the painter paints on: no copy of the area.
    auto* bits = reinterpret_cast<Rgb*>(target->bits());
    const std::ptrdiff_t stride = target->bytesPerLine() / 4;
    RenderEditorArea(images_->composite, view, r,
                     bits + (area.y() + origin.y()) * stride + area.x() + origin.x(), stride, scratch_,
                     reference_);
  } else {
    if (buffer_.width() < area.width() || buffer_.height() < area.height())
      buffer_ = QImage(std::max(buffer_.width(), area.width()), std::max(buffer_.height(), area.height()),
                       QImage::Format_RGB32);
    RenderEditorArea(images_->composite, view, r, reinterpret_cast<Rgb*>(buffer_.bits()),
                     buffer_.bytesPerLine() / 4, scratch_, reference_);
    p.drawImage(area.topLeft(), buffer_, QRect(QPoint(0, 0), area.size()));
  }
  // The mirrors' axes: one screen pixel on the right of the picture's centre
  // line, so a mirrored pair of pixels lies either side of it.
  const QColor axis(0, 200, 255);
  if (view.mirrorLeftRight) p.fillRect(QRect(kWidth / 2 * s, 0, 1, kLines * s) & area, axis);
  if (view.mirrorTopBottom) p.fillRect(QRect(0, kLines / 2 * s, kWidth * s, 1) & area, axis);
  if (!view.antsVisible) return;
  segments_.clear();
  CollectAntsSegments(view.antsOutline, view.antsPhase, r, segments_);
  for (const Segment& seg : segments_) {
    const QImage& pat = patternImages_[static_cast<size_t>(seg.pattern)];
    if (isColumnPattern(seg.pattern))
      p.drawImage(QPoint(seg.x, seg.y), pat, QRect(0, seg.source, 1, seg.length));
    else
      p.drawImage(QPoint(seg.x, seg.y), pat, QRect(seg.source, 0, seg.length, 1));
  }
}

}  // namespace cs
