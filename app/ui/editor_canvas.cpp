#include "app/ui/editor_canvas.h"

#include <QPainter>
#include <QRect>

namespace cs {

namespace {

QImage wrap(const RgbImage& img, int width, int height) {
  return QImage(reinterpret_cast<const uchar*>(img.data()), width, height, img.bytesPerLine(),
                QImage::Format_RGB32);
}

}  // namespace

EditorCanvas::EditorCanvas(const ComposedImages& images)
    : composite_(wrap(images.composite, kWidth, kLines)), patterns_(MakeOverlayPatterns()) {
  for (int i = 0; i < kPatternCount; ++i) {
    const RgbImage& img = patterns_.images[static_cast<size_t>(i)];
    patternImages_[static_cast<size_t>(i)] = wrap(img, img.width(), img.height());
  }
}

void EditorCanvas::paint(QPainter& p, const QRect& rect, const OverlayView& view) {
  const int s = view.scale;
  const QRect area = rect & QRect(0, 0, kWidth * s, kLines * s);
  if (area.isEmpty()) return;
  p.save();
  p.setClipRect(area);
  // The picture pixels that touch the area, drawn at exact multiples of the
  // scale so the mapping is the plain nearest-neighbour one.
  const int px0 = area.left() / s, py0 = area.top() / s;
  const int px1 = area.right() / s + 1, py1 = area.bottom() / s + 1;
  p.drawImage(QRect(px0 * s, py0 * s, (px1 - px0) * s, (py1 - py0) * s), composite_,
              QRect(px0, py0, px1 - px0, py1 - py0));
  // The segments are clipped already; the painter need not clip them again.
  p.setClipping(false);
  segments_.clear();
  CollectEditorOverlays(view, {area.x(), area.y(), area.width(), area.height()}, segments_);
  for (const Segment& seg : segments_) {
    const QImage& pat = patternImages_[static_cast<size_t>(seg.pattern)];
    if (isColumnPattern(seg.pattern))
      p.drawImage(QPoint(seg.x, seg.y), pat, QRect(0, seg.source, 1, seg.length));
    else
      p.drawImage(QPoint(seg.x, seg.y), pat, QRect(seg.source, 0, seg.length, 1));
  }
  p.restore();
}

}  // namespace cs
