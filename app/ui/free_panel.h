// The floating panels of the main window. TPanelCaption is a panel that can
// be placed by hand, fill its parent or be docked to one side, and that the
// user resizes by the 5-pixel bands along its free edges, never below its
// minimum size. TFreePanel is the class of the picture window. A
// PanelCaptionStrip is the sky-blue title strip at the top of a panel: it
// carries the panel's caption and icons and drags the panel when pressed.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <vector>

#include "app/panel_hit_test.h"
#include "app/panel_placement.h"

class QLabel;

namespace cs {

class PanelResizeBand;

class TPanelCaption : public QWidget {
  Q_OBJECT
 public:
  explicit TPanelCaption(QWidget* parent);

  int MinWidth = 0;
  int MinHeight = 0;

  bool moving() const { return moving_; }
  // Only a panel placed by hand can be made to move as a whole; writing false
  // clears it.
  void setMoving(bool on);

  PanelAlign align() const { return align_; }
  // Client alignment makes the panel fill its parent and follow its size.
  void setAlign(PanelAlign align);

  PanelRect bounds() const;
  void setBounds(PanelRect r);

 signals:
  void resized();

 protected:
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  friend class PanelResizeBand;
  void placeBands();

  PanelAlign align_ = PanelAlign::None;
  bool moving_ = false;
  std::array<PanelResizeBand*, 4> bands_{};
  // A drag of the whole panel while `moving_`.
  CaptionDrag drag_;
};

class TFreePanel : public TPanelCaption {
  Q_OBJECT
 public:
  using TPanelCaption::TPanelCaption;
};

// An invisible strip along one edge of a panel that turns presses into
// resizing while the panel is placed by hand.
class PanelResizeBand : public QWidget {
  Q_OBJECT
 public:
  explicit PanelResizeBand(TPanelCaption* panel);

 protected:
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  PanelZone zoneAt(QPoint local) const;
  TPanelCaption* panel_;
  PanelZone zone_ = PanelZone::Client;
  bool resizing_ = false;
  QPoint origin_;
  PanelRect start_{};
};

class PanelCaptionStrip : public QWidget {
  Q_OBJECT
 public:
  PanelCaptionStrip(const QString& name, const QString& caption, QWidget* panel);

  // Adds an icon in an 18 x 15 box at the right end of the strip (left of
  // any added before); presses on it click the icon instead of dragging.
  class CaptionIcon* addIcon(const QString& name, const QImage& image);
  const QString& caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  // Pressing the strip drags its panel when the panel is placed by hand;
  // the strip holds the mouse until the release, wherever it goes.
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  void placeIcons();
  QString caption_;
  std::vector<QWidget*> icons_;
  CaptionDrag drag_;
};

// Clicks on a strip icon; the image can change (maximise/restore).
class CaptionIcon : public QWidget {
  Q_OBJECT
 public:
  CaptionIcon(const QImage& image, QWidget* parent);
  void setImage(const QImage& image);
  const QImage& image() const { return image_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QImage image_;
};

// The panel's alignment as seen by the drag: placed by hand or custom.
bool canDragPanel(const QWidget* panel);

// Where `panel`, wanted at `to` in its parent, goes so that its caption strip
// stays within the user's reach (KeepCaptionInside). While the parent is not
// shown its size means nothing yet, and `to` stands.
QPoint KeepCaptionInParent(const QWidget* panel, QPoint to);

}  // namespace cs
