// The Reference panel (Panel_Reference): the reference image's opacity, its
// fit, scale and offset, whether the preview shows it too, the Move key that
// turns drags on the editor image into moves of the reference, and Clear.
// It only reports what the user set; the controller decides and then shows
// the state back here.
#pragma once

#include "app/ui/floating_panel.h"
#include "model/reference.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace cs {

class ReferencePanel : public FloatingPanel {
  Q_OBJECT
 public:
  explicit ReferencePanel(QWidget* parent);

  // Shows `state` in the controls without reporting it back.
  void showState(const ReferenceState& state);

  QSpinBox* opacity() const { return opacity_; }
  QSpinBox* scale() const { return scale_; }
  QSpinBox* offsetX() const { return x_; }
  QSpinBox* offsetY() const { return y_; }
  QRadioButton* fit() const { return fit_; }
  QRadioButton* cover() const { return cover_; }
  QCheckBox* onPreview() const { return onPreview_; }
  QPushButton* moveKey() const { return move_; }
  QPushButton* clearKey() const { return clear_; }

 signals:
  void placementEdited(ReferencePlacement placement);
  void onPreviewToggled(bool on);
  void moveToggled(bool on);
  void clearClicked();

 private:
  ReferencePlacement placement() const;

  QSpinBox* opacity_;
  QRadioButton* fit_;
  QRadioButton* cover_;
  QSpinBox* scale_;
  QSpinBox* x_;
  QSpinBox* y_;
  QCheckBox* onPreview_;
  QPushButton* move_;
  QPushButton* clear_;
};

}  // namespace cs
