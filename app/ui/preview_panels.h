// The preview window (Panel_Preview: the whole Picture at 2:1 inside a frame
// in the border colour, where a click jumps the editor) and the magnifier
// (Panel_ZoomPreview: 88 x 88 Picture pixels around the mouse at 2:1). Both
// images keep a drawing surface of their own, as the originals' image
// controls do: the preview's carries the zoom-target frame over the picture,
// and the magnifier copies from it, frame included.
#pragma once

#include <QImage>
#include <QWidget>

#include "app/ui/floating_panel.h"
#include "model/rgb_image.h"

namespace cs {

// An image control with its own drawing surface; reports mouse moves (with
// or without a button) and presses of any button in its own coordinates.
class CanvasImage : public QWidget {
  Q_OBJECT
 public:
  CanvasImage(const QString& name, int width, int height, QWidget* parent);

  // Drawn into in place: the widget shows it without a copy, so it keeps
  // its size for the widget's life.
  RgbImage& canvas() { return canvas_; }
  const RgbImage& canvas() const { return canvas_; }

 signals:
  void moved(QPoint pos);
  void pressed(QPoint pos);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  RgbImage canvas_;
  QImage view_;  // wraps canvas_, no copy
};

// PanelBorderPreview: the frame around the preview image, filled with the
// Picture's mixed border colour; a mouse move over it is reported.
class BorderFrame : public QWidget {
  Q_OBJECT
 public:
  explicit BorderFrame(QWidget* parent);
  void setColour(Rgb colour);
  Rgb colour() const { return colour_; }

 signals:
  void moved();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;

 private:
  Rgb colour_ = rgb(0, 0, 0);
};

class PreviewPanel : public FloatingPanel {
  Q_OBJECT
 public:
  explicit PreviewPanel(QWidget* parent);
  BorderFrame* borderFrame() const { return border_; }
  CanvasImage* image() const { return image_; }

 private:
  BorderFrame* border_;
  CanvasImage* image_;
};

class ZoomPreviewPanel : public FloatingPanel {
  Q_OBJECT
 public:
  explicit ZoomPreviewPanel(QWidget* parent);
  CanvasImage* image() const { return image_; }

 private:
  CanvasImage* image_;
};

}  // namespace cs
