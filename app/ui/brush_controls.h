// The brush's controls in the Brush panel's brush area: the size and shape
// of the brush, the airbrush's density and radius, and the stamp (its
// picture, "Clear stamp", the flips and the transparent mix). Also the Edit
// menu's "Brush from selection", the [ and ] keys' size steps and the
// Airbrush's spray timer. Every control only changes the editor state's
// brush; painting reads it there.
#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QComboBox;
class QSpinBox;
class QTimer;
class QWidget;

namespace cs {

class MainWindow;
class StampView;

class BrushControls : public QObject {
  Q_OBJECT
 public:
  BrushControls(MainWindow& window, QWidget* area);

  // The brush one size smaller (-1) or larger (+1), within 1..8.
  void stepSize(int delta);
  // "Brush from selection": the selected cells become the stamp.
  void takeStamp();
  // The controls show the state's brush again.
  void refresh();
  // A left press of the Airbrush on the picture seeds the spray's random
  // source anew and starts a 20 ms timer; each tick sprays once where the
  // mouse last was over the picture, until the button is released.
  void airbrushPressed(QPoint pos);
  void airbrushReleased();

  QAction* fromSelectionItem() const { return fromSelection_; }

 private:
  MainWindow& w_;
  QSpinBox* size_;
  QComboBox* shape_;
  QSpinBox* density_;
  QSpinBox* radius_;
  StampView* stamp_;
  QComboBox* transparent_;
  QAction* fromSelection_;
  QTimer* airTimer_ = nullptr;
};

}  // namespace cs
