#include "app/ui/status_bar.h"

#include <QPainter>

namespace cs {

namespace {

// The parts' places, left to right, 2 pixels from the top.
constexpr int kTop = 2, kHeight = 18;
constexpr int kCaptionLeft = 6, kCaptionWidth = 140;
constexpr int kSwatchesLeft = 150, kSwatchStep = 32, kSwatchWidth = 28, kSwatchHeight = 16;
constexpr int kFieldsLeft = 294, kFieldStep = 64, kFieldWidth = 60;

}  // namespace

StatusField::StatusField(const QString& name, const QString& text, QRect place, QWidget* parent)
    : QWidget(parent), text_(text) {
  setObjectName(name);
  setGeometry(place);
}

void StatusField::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void StatusField::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel_StatusBar_1");
  setFixedHeight(kStatusBarHeight);
  new StatusField("Label5", "Current Char Palette:", QRect(kCaptionLeft, kTop, kCaptionWidth, kHeight), this);
  for (int i = 0; i < 4; ++i) {
    auto* c = new QWidget(this);
    c->setObjectName(QString("Status_Color%1").arg(i));
    c->setGeometry(kSwatchesLeft + kSwatchStep * i, kTop + 1, kSwatchWidth, kSwatchHeight);
    c->setAutoFillBackground(true);
    QPalette pal = c->palette();
    pal.setColor(QPalette::Window, Qt::black);
    c->setPalette(pal);
    colours_[static_cast<size_t>(i)] = c;
  }
  shown_.fill(rgb(0, 0, 0));
  const auto field = [this](const char* name, const char* text, int i) {
    return new StatusField(name, text, QRect(kFieldsLeft + kFieldStep * i, kTop, kFieldWidth, kHeight), this);
  };
  ax_ = field("Status_Ax", "X: 000", 0);
  ay_ = field("Status_Ay", "Y:000", 1);
  bx_ = field("Status_Bx", "Ax: 00", 2);
  by_ = field("Status_By", "Ay: 00", 3);
}

void StatusBar::setCellColours(const std::array<Rgb, 4>& colours) {
  for (size_t i = 0; i < 4; ++i) {
    if (colours[i] == shown_[i]) continue;
    shown_[i] = colours[i];
    QPalette pal = colours_[i]->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(colours[i]));
    colours_[i]->setPalette(pal);
  }
}

}  // namespace cs
