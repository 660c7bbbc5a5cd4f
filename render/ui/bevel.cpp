#include "render/ui/bevel.h"

#include <QColor>
#include <QPainter>

namespace cs {

void DrawLoweredBevel(QPainter& p, QRect r, int width) {
  // Shadow on the top and left, light on the bottom and right, fading
  // inwards so the face looks pressed in.
  static const QColor kShadow[kBevelWidth] = {QColor(96, 96, 96), QColor(140, 140, 140),
                                              QColor(180, 180, 180), QColor(215, 215, 215)};
  for (int i = 0; i < width; ++i) {
    const QRect q = r.adjusted(i, i, -i, -i);
    const QColor& shade = kShadow[i * kBevelWidth / width];
    p.fillRect(q.left(), q.top(), q.width(), 1, shade);
    p.fillRect(q.left(), q.top(), 1, q.height(), shade);
    p.fillRect(q.left(), q.bottom(), q.width(), 1, Qt::white);
    p.fillRect(q.right(), q.top(), 1, q.height(), Qt::white);
  }
}

}  // namespace cs
