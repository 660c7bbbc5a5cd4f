#include "app/ui/rubber_band.h"

#include <QPainter>

namespace cs {

namespace {

QRect cornersRect(const RubberBand& b) {
  return QRect(QPoint(b.from.x, b.from.y), QPoint(b.to.x, b.to.y)).normalized();
}

}  // namespace

void DrawRubberBand(QPainter& p, const RubberBand& band, QColor colour, int penWidth) {
  if (band.kind == RubberBand::Kind::None) return;
  p.save();
  p.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  const QRect r = cornersRect(band);
  switch (band.kind) {
    case RubberBand::Kind::Line: p.drawLine(band.from.x, band.from.y, band.to.x, band.to.y); break;
    case RubberBand::Kind::Rect: p.drawRect(r); break;
    case RubberBand::Kind::Ellipse: p.drawEllipse(r); break;
    case RubberBand::Kind::None: break;
  }
  p.restore();
}

QRect RubberBandBounds(const RubberBand& band, int penWidth) {
  if (band.kind == RubberBand::Kind::None) return {};
  return cornersRect(band).adjusted(-penWidth, -penWidth, penWidth + 1, penWidth + 1);
}

}  // namespace cs
