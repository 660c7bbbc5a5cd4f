#include "app/ui/status_bar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace cs {

namespace {

QLabel* label(const QString& name, const QString& text, int width, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFixedWidth(width);
  return l;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel_StatusBar_1");
  setFixedHeight(kStatusBarHeight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 6, 2);
  row->setSpacing(4);
  row->addWidget(label("Label5", "Current Char Palette:", 140, this));
  for (int i = 0; i < 4; ++i) {
    auto* c = new QWidget(this);
    c->setObjectName(QString("Status_Color%1").arg(i));
    c->setFixedSize(28, 16);
    c->setAutoFillBackground(true);
    colours_[static_cast<size_t>(i)] = c;
    row->addWidget(c);
  }
  row->addSpacing(16);
  ax_ = label("Status_Ax", "X: 000", 60, this);
  ay_ = label("Status_Ay", "Y:000", 60, this);
  bx_ = label("Status_Bx", "Ax: 00", 60, this);
  by_ = label("Status_By", "Ay: 00", 60, this);
  for (QLabel* l : {ax_, ay_, bx_, by_}) row->addWidget(l);
  row->addStretch(1);
  setCellColours({rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)});
}

void StatusBar::setCellColours(const std::array<Rgb, 4>& colours) {
  for (size_t i = 0; i < 4; ++i) {
    QPalette pal = colours_[i]->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(colours[i]));
    colours_[i]->setPalette(pal);
  }
}

}  // namespace cs
