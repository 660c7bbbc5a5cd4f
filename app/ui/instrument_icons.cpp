// The icons of the instruments and shape options, by the names the
// instrument table and the shape options use.

#include <QPainter>
#include <QPolygonF>
#include <cstring>
#include <string>

#include "app/ui/icons.h"

namespace cs {

namespace {

const QColor kInk(40, 40, 48);
const QColor kPaint(60, 120, 230);

void ellipse(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 2));
  p.drawEllipse(QRectF(3, 5, 16, 12));
}

void bucket(QPainter& p) {
  // A tilted bucket pouring a drop onto a patch of colour.
  p.fillRect(2, 17, 18, 3, kPaint);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(10, 9);
  p.rotate(-30);
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(200, 200, 210));
  p.drawPolygon(QPolygonF({QPointF(-5, -5), QPointF(5, -5), QPointF(4, 5), QPointF(-4, 5)}));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-5, -10, 10, 10), 0, 180 * 16);
  p.resetTransform();
  p.setPen(Qt::NoPen);
  p.setBrush(kPaint);
  p.drawEllipse(QPointF(17, 12), 1.5, 2.2);
}

void letters(QPainter& p) {
  // A capital T standing on a baseline, with a text cursor beside it.
  p.fillRect(3, 4, 11, 2, kInk);
  p.fillRect(7, 6, 3, 11, kInk);
  p.fillRect(2, 18, 18, 1, kPaint);
  p.fillRect(16, 8, 2, 9, kPaint);
}

void filled(QPainter& p) {
  // A rectangle and an ellipse, both filled.
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaint);
  p.drawRect(2, 3, 10, 9);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(230, 90, 90));
  p.drawEllipse(QRectF(8.5, 8.5, 11, 10));
}

void mirror(QPainter& p, bool leftRight) {
  // Two arrows facing each other across a dashed axis.
  if (!leftRight) {
    p.translate(11, 11);
    p.rotate(90);
    p.translate(-11, -11);
  }
  for (int y = 2; y < 20; y += 3) p.fillRect(10, y, 2, 2, QColor(0, 160, 220));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({QPointF(8, 6), QPointF(8, 16), QPointF(2, 11)}));
  p.drawPolygon(QPolygonF({QPointF(14, 6), QPointF(14, 16), QPointF(20, 11)}));
}

void patterns(QPainter& p) {
  // Four patterns in a 2 x 2 block of swatches.
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 18; ++x) {
      const int q = (y / 9) * 2 + x / 9;
      const bool on = q == 0 ? (x + y) % 2 == 0 : q == 1 ? y % 2 == 0 : q == 2 ? x % 2 == 0 : (x + y) % 4 == 0;
      if (on) p.fillRect(2 + x, 2 + y, 1, 1, kInk);
    }
  p.setPen(QColor(150, 150, 150));
  p.setBrush(Qt::NoBrush);
  p.drawRect(1, 1, 19, 19);
}

void brush(QPainter& p) {
  // A round brush: its handle and its tuft with a dab of paint.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaint);
  p.drawEllipse(QPointF(6, 16), 4, 3);
  p.translate(11, 11);
  p.rotate(-45);
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(160, 100, 50));
  p.drawRect(QRectF(0, -1.5, 10, 3));
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(QRectF(-3, -2, 3, 4));
  p.setBrush(kInk);
  p.drawEllipse(QRectF(-8, -2.5, 6, 5));
}

void spraycan(QPainter& p) {
  // A spray can with its nozzle and a cloud of dots in front of it.
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(3, 9, 7, 11);
  p.fillRect(5, 6, 3, 3, kInk);
  p.fillRect(8, 6, 2, 1, kInk);
  static constexpr int kDots[][2] = {{13, 4}, {16, 6}, {19, 5}, {14, 8}, {17, 9}, {20, 8}, {15, 11}, {18, 12}, {12, 6}};
  for (const auto& d : kDots) p.fillRect(d[0], d[1], 1, 1, kPaint);
}

}  // namespace

QImage MakeInstrumentIcon(const char* name) {
  static const struct {
    const char* name;
    Icon icon;
  } kDrawn[] = {{"pencil", Icon::Pencil},
                {"line", Icon::Line},
                {"rectangle", Icon::Rectangle},
                {"fillchar", Icon::FillChar},
                {"selection", Icon::Selection}};
  for (const auto& d : kDrawn)
    if (std::strcmp(d.name, name) == 0) return MakeIcon(d.icon);
  QImage img(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  const std::string n = name;
  if (n == "ellipse") ellipse(p);
  else if (n == "bucket") bucket(p);
  else if (n == "filled") filled(p);
  else if (n == "text") letters(p);
  else if (n == "mirror-left-right") mirror(p, true);
  else if (n == "mirror-top-bottom") mirror(p, false);
  else if (n == "patterns") patterns(p);
  else if (n == "brush") brush(p);
  else if (n == "spraycan") spraycan(p);
  return img;
}

}  // namespace cs
