// The scroll box of the picture window. It holds one panel, the framed
// editor image, at an offset of its own choosing (to centre a small picture)
// and moves that panel when scrolled. Its content is exactly the panel, so
// the scroll ranges follow the panel's size. It never takes the keyboard
// focus and leaves wheel events to the main window, which zooms with them.
// A drag with the middle button on the panel's surface pans the view.
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

  // A middle-button press on `surface` (the editor image) and the drag that
  // follows scroll the view by the pointer's travel, under the closed hand;
  // the surface sees none of the middle button's events, so a pan paints
  // nothing and leaves an open shape as it was. Presses of other buttons
  // during a pan are swallowed with their releases.
  void panWithMiddleButton(QWidget* surface);

 signals:
  // The box itself changed size (not merely its viewport, when scroll bars
  // come and go).
  void resized();

 protected:
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void updateRanges();
  void movePanel();
  void endPan();

  QWidget* panel_ = nullptr;
  int offsetX_ = 0;
  int offsetY_ = 0;
  QSize boxSize_;
  bool updating_ = false;

  QWidget* panSurface_ = nullptr;
  bool panning_ = false;
  QPoint panFrom_;              // the pointer on the screen at the press
  QPoint panScroll_;            // the scroll positions at the press
  Qt::MouseButtons swallowed_;  // pressed during the pan, released unseen
};

}  // namespace cs
