#include "app/ui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace cs {

namespace {

const QColor kInk(40, 40, 48);

QImage blank(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

// Digits 1..4 of a 3 x 5 pixel font, one row per string.
void drawDigit(QPainter& p, int digit, int x, int y, int scale) {
  static const char* const kDigits[4][5] = {
      {".#.", "##.", ".#.", ".#.", "###"},
      {"##.", "..#", ".#.", "#..", "###"},
      {"##.", "..#", ".#.", "..#", "##."},
      {"#.#", "#.#", "###", "..#", "..#"},
  };
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 3; ++c)
      if (kDigits[digit - 1][r][c] == '#') p.fillRect(x + c * scale, y + r * scale, scale, scale, kInk);
}

void drawLens(QPainter& p, QPointF centre, double radius, QPointF handleEnd) {
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF dir = (handleEnd - centre) / std::hypot(handleEnd.x() - centre.x(), handleEnd.y() - centre.y());
  p.setPen(QPen(QColor(120, 80, 40), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + dir * (radius + 1), handleEnd);
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(190, 225, 250));
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(Qt::white, 1.2));
  p.drawArc(QRectF(centre.x() - radius + 2, centre.y() - radius + 2, 2 * radius - 4, 2 * radius - 4), 100 * 16,
            70 * 16);
}

void pencil(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(11, 11);
  p.rotate(-45);
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(240, 150, 170));
  p.drawRect(QRectF(-10, -3, 3, 6));  // eraser
  p.setBrush(QColor(250, 200, 40));
  p.drawRect(QRectF(-7, -3, 12, 6));  // body
  p.setBrush(QColor(235, 205, 160));
  p.drawPolygon(QPolygonF({QPointF(5, -3), QPointF(10.5, 0), QPointF(5, 3)}));  // wood
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({QPointF(8.5, -1), QPointF(10.5, 0), QPointF(8.5, 1)}));  // lead
}

void fillChar(QPainter& p) {
  // A character cell being filled: its frame with the lower part solid and
  // a bucket pouring into it.
  p.fillRect(3, 9, 12, 11, QColor(60, 120, 230));
  p.setPen(kInk);
  p.drawRect(2, 8, 13, 12);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(15, 6);
  p.rotate(35);
  p.setBrush(QColor(200, 200, 210));
  p.setPen(QPen(kInk, 1));
  p.drawPolygon(QPolygonF({QPointF(-4, -4), QPointF(4, -4), QPointF(3, 4), QPointF(-3, 4)}));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-4, -8, 8, 8), 0, 180 * 16);
  p.resetTransform();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 120, 230));
  p.drawEllipse(QPointF(11.5, 10.5), 1.5, 2);
}

void line(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4.5, 17.5), QPointF(17.5, 4.5));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(2, 16, 4, 4, QColor(220, 40, 40));
  p.fillRect(16, 2, 4, 4, QColor(220, 40, 40));
}

void rectangle(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.drawRect(4, 6, 14, 11);
}

void selection(QPainter& p) {
  for (int i = 0; i < 16; ++i) {
    const QColor c = (i / 2) % 2 ? Qt::white : kInk;
    p.fillRect(3 + i, 4, 1, 1, c);                // top
    p.fillRect(18 - i, 17, 1, 1, c);              // bottom
    if (i < 14) p.fillRect(3, 17 - i, 1, 1, c);  // left
    if (i < 14) p.fillRect(18, 4 + i, 1, 1, c);  // right
  }
  p.setPen(QColor(170, 170, 170));
  p.drawRect(2, 3, 17, 15);
}

void grid(QPainter& p, int step, QColor colour, bool dotted) {
  for (int v = 2; v <= 20; v += step) {
    for (int t = 2; t <= 20; ++t) {
      const QColor c = dotted && t % 2 ? QColor(150, 150, 150) : colour;
      p.fillRect(v, t, 1, 1, c);
      p.fillRect(t, v, 1, 1, c);
    }
  }
}

void palette(QPainter& p) {
  static const QRgb kColours[16] = {0x0000FE, 0xFE0000, 0xFE00FE, 0x00FE00, 0x00FEFE, 0xFEFE00,
                                    0xFEFEFE, 0x000000, 0x000073, 0x730000, 0x9D009D, 0x007300,
                                    0x00CACA, 0xE6E673, 0xCACACA, 0x737373};
  for (int i = 0; i < 16; ++i) {
    const int x = 2 + (i % 4) * 5, y = 2 + (i / 4) * 5;
    p.fillRect(x, y, 4, 4, QColor(kColours[i]));
  }
  p.setPen(QColor(110, 110, 110));
  for (int i = 0; i < 16; ++i) p.drawRect(2 + (i % 4) * 5, 2 + (i / 4) * 5, 3, 3);
}

void borderPalette(QPainter& p) {
  p.fillRect(1, 3, 20, 16, QColor(115, 0, 115));
  p.fillRect(5, 7, 12, 8, Qt::black);
  p.fillRect(7, 9, 3, 3, QColor(230, 230, 115));
  p.fillRect(11, 11, 4, 2, QColor(0, 202, 202));
  p.setPen(kInk);
  p.drawRect(1, 3, 19, 15);
}

void preview(QPainter& p) {
  p.fillRect(1, 2, 20, 14, QColor(70, 70, 80));
  p.fillRect(3, 4, 16, 10, QColor(0, 0, 115));
  p.fillRect(5, 8, 4, 4, QColor(230, 115, 115));
  p.fillRect(11, 6, 5, 3, QColor(115, 230, 115));
  for (int i = 0; i < 8; ++i) {
    const QColor c = i % 2 ? Qt::white : QColor(128, 128, 128);
    p.fillRect(10 + i, 5, 1, 1, c);
    p.fillRect(10 + i, 10, 1, 1, c);
  }
  p.fillRect(9, 16, 4, 2, QColor(70, 70, 80));
  p.fillRect(6, 18, 10, 2, QColor(70, 70, 80));
}

void magnifier(QPainter& p) { drawLens(p, QPointF(9, 9), 6.5, QPointF(19.5, 19.5)); }

void zoom(QPainter& p, int level) {
  drawLens(p, QPointF(6, 6), 4.5, QPointF(10.5, 10.5));
  p.setRenderHint(QPainter::Antialiasing, false);
  drawDigit(p, level, 12, 5, 3);
}

}  // namespace

QImage MakeIcon(Icon icon) {
  QImage img = blank(kIconSize, kIconSize);
  QPainter p(&img);
  switch (icon) {
    case Icon::Pencil: pencil(p); break;
    case Icon::FillChar: fillChar(p); break;
    case Icon::Line: line(p); break;
    case Icon::Rectangle: rectangle(p); break;
    case Icon::Selection: selection(p); break;
    case Icon::CharGrid: grid(p, 9, QColor(40, 40, 48), true); break;
    case Icon::PixelGrid: grid(p, 3, QColor(90, 90, 100), false); break;
    case Icon::Palette: palette(p); break;
    case Icon::BorderPalette: borderPalette(p); break;
    case Icon::Preview: preview(p); break;
    case Icon::Magnifier: magnifier(p); break;
    case Icon::Zoom1: zoom(p, 1); break;
    case Icon::Zoom2: zoom(p, 2); break;
    case Icon::Zoom3: zoom(p, 3); break;
    case Icon::Zoom4: zoom(p, 4); break;
  }
  return img;
}

QImage MakeResizeMaxIcon() {
  QImage img = blank(16, 13);
  QPainter p(&img);
  p.setPen(kInk);
  p.drawRect(2, 1, 11, 10);
  p.fillRect(2, 1, 12, 3, kInk);
  return img;
}

QImage MakeResizeMinIcon() {
  QImage img = blank(16, 13);
  QPainter p(&img);
  p.setPen(kInk);
  p.drawRect(5, 1, 8, 6);
  p.fillRect(5, 1, 9, 2, kInk);
  p.fillRect(2, 4, 9, 8, Qt::white);
  p.drawRect(2, 4, 8, 7);
  p.fillRect(2, 4, 9, 2, kInk);
  return img;
}

QImage MakeCloseIcon() {
  QImage img = blank(16, 13);
  QPainter p(&img);
  p.setPen(kInk);
  p.drawRect(2, 1, 11, 10);
  for (int i = 0; i < 7; ++i) {
    p.fillRect(5 + i, 3 + i, 2, 1, kInk);
    p.fillRect(10 - i, 3 + i, 2, 1, kInk);
  }
  return img;
}

}  // namespace cs
