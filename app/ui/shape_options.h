// The controls of what shapes paint besides their outline and of the
// mirrors: toolbar keys after the instruments of the second group ("Filled
// shapes", "Mirror left-right", "Mirror top-bottom"), the mirrors' items and
// the list of instruments with their keys in the View menu.
#pragma once

#include <QObject>
#include <vector>

#include "model/editor_state.h"

class QAction;
class QMenu;
class QWidget;

namespace cs {

class MainWindow;
class ToolKey;

class ShapeOptionsControls : public QObject {
  Q_OBJECT
 public:
  explicit ShapeOptionsControls(MainWindow& window);

  // The keys go on `toolbar` from x = `left`; the items at the end of `view`.
  void build(QWidget* toolbar, int left, QMenu* view);
  // Keys and items follow the state.
  void sync();
  // The View menu's instrument list checks the chosen one.
  void instrumentChosen(Instrument n);

  void toggleFilled();
  void toggleMirrorLeftRight();
  void toggleMirrorTopBottom();

  // Where the next key of the toolbar may go.
  int keysEnd() const { return keysEnd_; }

 private:
  MainWindow& w_;
  ToolKey* filledKey_ = nullptr;
  ToolKey* mirrorLeftRightKey_ = nullptr;
  ToolKey* mirrorTopBottomKey_ = nullptr;
  QAction* mirrorLeftRightItem_ = nullptr;
  QAction* mirrorTopBottomItem_ = nullptr;
  std::vector<QAction*> instrumentItems_;  // in the order of the instrument table
  int keysEnd_ = 0;
};

}  // namespace cs
