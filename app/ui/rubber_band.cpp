#include "app/ui/rubber_band.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

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

QRegion RubberBandRegion(const RubberBand& band, int penWidth) {
  const int m = penWidth;
  const auto around = [m](QPoint a, QPoint b) {
    return QRect(a, b).normalized().adjusted(-m, -m, m + 1, m + 1);
  };
  const QPoint from(band.from.x, band.from.y), to(band.to.x, band.to.y);
  QRegion region;
  switch (band.kind) {
    case RubberBand::Kind::Line: {
      // Pieces a few pen widths long along the line's longer axis.
      const QPoint d = to - from;
      const int pieces = std::max(1, std::max(std::abs(d.x()), std::abs(d.y())) / (8 * m));
      for (int i = 0; i < pieces; ++i) region += around(from + d * i / pieces, from + d * (i + 1) / pieces);
      break;
    }
    case RubberBand::Kind::Rect: {
      const QRect r = cornersRect(band);
      for (const auto& [a, b] :
           {std::pair{r.topLeft(), r.topRight()}, std::pair{r.bottomLeft(), r.bottomRight()},
            std::pair{r.topLeft(), r.bottomLeft()}, std::pair{r.topRight(), r.bottomRight()}})
        region += around(a, b);
      break;
    }
    case RubberBand::Kind::Ellipse: region = RubberBandBounds(band, penWidth); break;
    case RubberBand::Kind::None: break;
  }
  return region;
}

}  // namespace cs
