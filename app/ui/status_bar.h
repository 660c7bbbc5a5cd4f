// The status bar at the bottom of the main window: the four mixed colours of
// the cell under the cursor and the cursor's position fields. Every part has
// a fixed place and size, so a new value repaints only its own field and
// never lays the bar out again: a pen point costs one cell and these fields.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "model/rgb_image.h"

namespace cs {

// A field of fixed size that shows one line of text.
class StatusField : public QWidget {
  Q_OBJECT
 public:
  StatusField(const QString& name, const QString& text, QRect place, QWidget* parent);
  const QString& text() const { return text_; }
  // Repaints the field only when the text changes.
  void setText(const QString& text);

 protected:
  void paintEvent(QPaintEvent*) override;

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

 private:
  std::array<QWidget*, 4> colours_{};
  std::array<Rgb, 4> shown_{};
  StatusField* ax_;
  StatusField* ay_;
  StatusField* bx_;
  StatusField* by_;
};

inline constexpr int kStatusBarHeight = 22;

}  // namespace cs
