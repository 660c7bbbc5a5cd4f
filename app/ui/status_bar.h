// The status bar at the bottom of the main window: the four mixed colours of
// the cell under the cursor and the cursor's position labels.
#pragma once

#include <QWidget>
#include <array>

#include "model/rgb_image.h"

class QLabel;

namespace cs {

class StatusBar : public QWidget {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent);

  // Status_Color0 .. Status_Color3.
  void setCellColours(const std::array<Rgb, 4>& colours);
  QLabel* ax() const { return ax_; }
  QLabel* ay() const { return ay_; }
  QLabel* bx() const { return bx_; }
  QLabel* by() const { return by_; }

 private:
  std::array<QWidget*, 4> colours_{};
  QLabel* ax_;
  QLabel* ay_;
  QLabel* bx_;
  QLabel* by_;
};

inline constexpr int kStatusBarHeight = 22;

}  // namespace cs
