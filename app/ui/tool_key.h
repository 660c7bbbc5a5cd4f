// A toolbar key: a small white panel with a single border and 4-pixel bevels,
// holding a 22 x 22 icon (or, for the edit-mode keys, a bold caption on the
// plain face colour). A lowered bevel shows that the key's state is on. A
// press of any mouse button on the key or its icon runs the key's command.
#pragma once

#include <QImage>
#include <QWidget>

#include "render/ui/bevel.h"

class QPainter;

namespace cs {

class ToolKey;

// The icon image of a key; presses on it count as presses on the key.
class ToolKeyIcon : public QWidget {
  Q_OBJECT
 public:
  ToolKeyIcon(const QImage& image, ToolKey* key);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage image_;
};

class ToolKey : public QWidget {
  Q_OBJECT
 public:
  // A key with an icon; `iconName` is the icon's own component name.
  ToolKey(const QString& name, const QImage& icon, const QString& iconName, const QString& hint,
          QWidget* parent);
  // A key with a bold caption and no icon.
  ToolKey(const QString& name, const QString& caption, int width, QWidget* parent);

  bool innerLowered() const { return inner_; }
  bool outerLowered() const { return outer_; }
  void setInnerLowered(bool on);
  void setOuterLowered(bool on);
  ToolKeyIcon* icon() const { return icon_; }

 signals:
  void pressed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  ToolKeyIcon* icon_ = nullptr;
  QString caption_;
  bool inner_ = false;
  bool outer_ = false;
};

inline constexpr int kToolKeySize = 32;
// Where the toolbar's keys after the current colours begin: the instruments
// of that group, then the shape options.
inline constexpr int kShapeKeysLeft = 892;

}  // namespace cs
