// The Airbrush in the window: a left press on the picture seeds the spray's
// random source anew and starts a 20 ms timer; each tick sprays once where
// the mouse last was over the picture, until the button is released.
#include <QRandomGenerator>
#include <QTimer>

#include "app/ui/main_window.h"
#include "edit/airbrush.h"

namespace cs {

void MainWindow::airbrushPressed(QPoint pos) {
  if (state_.clickGuard || !InsidePicture(state_, pos.x(), pos.y())) return;
  state_.brush.airSeed = QRandomGenerator::global()->generate64();
  if (!airTimer_) {
    airTimer_ = new QTimer(this);
    airTimer_->setInterval(20);
    connect(airTimer_, &QTimer::timeout, this, [this] {
      AirbrushSpray(state_, *paintSink_, state_.lastMousePos.x, state_.lastMousePos.y);
    });
  }
  state_.lastMousePos = {pos.x(), pos.y()};
  airTimer_->start();
}

void MainWindow::airbrushReleased() {
  if (airTimer_) airTimer_->stop();
}

}  // namespace cs
