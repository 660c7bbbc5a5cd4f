// The pieces the palette panels are built from: a bevelled box that shows a
// flat colour or a caption and reports presses (swatches, role buttons,
// headings), and an image that reports presses in its own pixels (the
// palettes, the colour strips, the gradient chart).
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "model/rgb_image.h"

namespace cs {

class BevelBox : public QWidget {
  Q_OBJECT
 public:
  BevelBox(const QString& name, QWidget* parent);

  void setFill(QColor colour);
  QColor fill() const { return fill_; }
  void setCaption(const QString& caption, bool bold = false);
  QString caption() const { return caption_; }
  // A lowered inner bevel shows the box is the chosen one.
  void setLowered(bool on);
  bool lowered() const { return lowered_; }
  void setBevelWidth(int width) { bevelWidth_ = width; }

 signals:
  void pressed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QColor fill_;
  QString caption_;
  bool bold_ = false;
  bool lowered_ = false;
  int bevelWidth_ = 2;
};

class PaletteImage : public QWidget {
  Q_OBJECT
 public:
  PaletteImage(const QString& name, QWidget* parent);

  // Copies the pixels; the widget takes the image's size.
  void setImage(const RgbImage& image);
  void setImage(const QImage& image);
  const QImage& image() const { return image_; }

 signals:
  // Any mouse button, at a position inside the image.
  void pressed(QPoint pos);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QImage image_;
};

// A copy of an RGB buffer as a QImage.
QImage ToQImage(const RgbImage& image);

}  // namespace cs
