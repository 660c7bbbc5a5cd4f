// The scroll box of the picture window. It holds one panel, the framed
// editor image, at an offset of its own choosing (to centre a small picture)
// and moves that panel when scrolled. Its content is exactly the panel, so
// the scroll ranges follow the panel's size. It never takes the keyboard
// focus and leaves wheel events to the main window, which zooms with them.
#pragma once

#include <QAbstractScrollArea>

#include "render/view_geometry.h"

namespace cs {

class ScrollBox : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit ScrollBox(QWidget* parent);

  void setPanel(QWidget* panel);
  QWidget* panel() const { return panel_; }

  // Resizes the panel and updates the scroll ranges to its size.
  void setPanelSize(int width, int height);

  AxisPlacement horizontal() const;
  AxisPlacement vertical() const;
  // Places the panel: its offsets, then the scroll positions (limited to the
  // ranges).
  void place(AxisPlacement horizontal, AxisPlacement vertical);
  void scrollTo(int h, int v);

  QSize viewportSize() const;

 signals:
  // The box itself changed size (not merely its viewport, when scroll bars
  // come and go).
  void resized();

 protected:
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent*) override;
  void wheelEvent(QWheelEvent*) override;

 private:
  void updateRanges();
  void movePanel();

  QWidget* panel_ = nullptr;
  int offsetX_ = 0;
  int offsetY_ = 0;
  QSize boxSize_;
  bool updating_ = false;
};

}  // namespace cs
