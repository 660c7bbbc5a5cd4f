// The floor of the real-window benchmark: a bare Qt program that fills the
// screen and, for every key press, repaints itself with one scaled drawImage
// of a 256 x 192 picture at the editor's largest magnification.
#include <QApplication>
#include <QImage>
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
    setWindowTitle("bare window");
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(QRect(0, 0, 256 * 16, 192 * 16), picture_);
  }
  void keyPressEvent(QKeyEvent*) override { update(); }

 private:
  QImage picture_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow w;
  if (QScreen* s = w.screen()) w.setGeometry(s->availableGeometry());
  w.show();
  return app.exec();
}
