// The floors of the real-window benchmark: a bare Qt program that fills the
// screen and, for every key press, repaints itself with one scaled drawImage
// of a 256 x 192 picture at the editor's largest magnification; for every
// pointer move it repaints one status-bar-sized field in a new colour, the
// least a frame can do.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <random>

namespace {

class BareWindow : public QWidget {
 public:
  BareWindow() : picture_(256, 192, QImage::Format_RGB32) {
    std::mt19937 rng(1);
    for (int y = 0; y < 192; ++y)
      for (int x = 0; x < 256; ++x) picture_.setPixel(x, y, 0xFF000000u | (rng() & 0xFFFFFFu));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setWindowTitle("bare window");
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    if (e->rect() == kField)
      p.fillRect(kField, QColor::fromRgb(0xFF000000u | (moves_ * 40503u & 0xFFFFFFu)));
    else
      p.drawImage(QRect(0, 0, 256 * 16, 192 * 16), picture_);
  }
  void keyPressEvent(QKeyEvent*) override { update(); }
  void mouseMoveEvent(QMouseEvent*) override {
    ++moves_;
    update(kField);
  }

 private:
  static constexpr QRect kField{300, 1040, 60, 18};
  QImage picture_;
  unsigned moves_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow w;
  if (QScreen* s = w.screen()) w.setGeometry(s->availableGeometry());
  w.show();
  return app.exec();
}
