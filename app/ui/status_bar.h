// The status bar at the bottom of the main window: the four mixed colours of
// the cell under the cursor and the cursor's position fields. The bar is one
// opaque widget that paints all its parts; every part has a fixed place and
// size, so new values repaint only their places, once per frame, and never
// lay the bar out again: a pen point costs one cell and these places.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

#include "model/rgb_image.h"

namespace cs {

// A field of the bar: one line of text at a fixed place. The field holds
// the text and its place under its name; the bar paints it.
class StatusField : public QWidget {
  Q_OBJECT
 public:
  StatusField(const QString& name, const QString& text, QRect place, QWidget* bar);
  const QString& text() const { return text_; }
  // Has the bar repaint the field's place, only when the text changes.
  void setText(const QString& text);

 private:
  QString text_;
};

class StatusBar : public QWidget {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent);

  // Status_Color0 .. Status_Color3; only changed colours are repainted.
  void setCellColours(const std::array<Rgb, 4>& colours);
  StatusField* ax() const { return ax_; }
  StatusField* ay() const { return ay_; }
  StatusField* bx() const { return bx_; }
  StatusField* by() const { return by_; }
  // A line of notice right of the position fields, empty unless something
  // needs telling once (a state folder that cannot be written).
  StatusField* notice() const { return notice_; }
  // The flicker score while the risk map is shown, else empty.
  StatusField* flickerScore() const { return flicker_; }
  // The name of the instrument the editor image paints with.
  StatusField* instrument() const { return instrument_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A new palette, font or style draws the texts anew.
  void changeEvent(QEvent* event) override;

 private:
  // The field's text as the bar shows it, drawn once per distinct text:
  // laying out and shaping text costs more than the rest of a pen point.
  const QImage& textImage(const StatusField& field);

  QHash<QString, QImage> textImages_;
  qreal textImagesRatio_ = 0;  // the device pixel ratio they were drawn for
  StatusField* caption_;
  std::array<QWidget*, 4> colours_{};
  StatusField* ax_;
  StatusField* ay_;
  StatusField* bx_;
  StatusField* by_;
  StatusField* notice_;
  StatusField* flicker_;
  StatusField* instrument_;
};

inline constexpr int kStatusBarHeight = 22;

}  // namespace cs
