#include "app/ui/status_bar.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace cs {

namespace {

// The parts' places, left to right, 2 pixels from the top.
constexpr int kTop = 2, kHeight = 18;
constexpr int kCaptionLeft = 6, kCaptionWidth = 140;
constexpr int kSwatchesLeft = 150, kSwatchStep = 32, kSwatchWidth = 28, kSwatchHeight = 16;
constexpr int kFieldsLeft = 294, kFieldStep = 64, kFieldWidth = 60;

}  // namespace

// The parts are named widgets that are never shown: each holds its value
// and its place, and the bar paints them all in one pass.
StatusField::StatusField(const QString& name, const QString& text, QRect place, QWidget* bar)
    : QWidget(bar), text_(text) {
  setObjectName(name);
  setGeometry(place);
  hide();
}

void StatusField::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  parentWidget()->update(geometry());
}

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel_StatusBar_1");
  setFixedHeight(kStatusBarHeight);
  // The bar paints every pixel it covers, so the window beneath is never
  // repainted for it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  caption_ = new StatusField("Label5", tr("Current Char Palette:"),
                             QRect(kCaptionLeft, kTop, kCaptionWidth, kHeight), this);
  for (int i = 0; i < 4; ++i) {
    auto* c = new QWidget(this);
    c->setObjectName(QString("Status_Color%1").arg(i));
    c->setGeometry(kSwatchesLeft + kSwatchStep * i, kTop + 1, kSwatchWidth, kSwatchHeight);
    c->hide();
    QPalette pal = c->palette();
    pal.setColor(QPalette::Window, Qt::black);
    c->setPalette(pal);
    colours_[static_cast<size_t>(i)] = c;
  }
  const auto field = [this](const char* name, const char* text, int i) {
    return new StatusField(name, text, QRect(kFieldsLeft + kFieldStep * i, kTop, kFieldWidth, kHeight), this);
  };
  ax_ = field("Status_Ax", "X: 000", 0);
  ay_ = field("Status_Ay", "Y:000", 1);
  bx_ = field("Status_Bx", "Ax: 00", 2);
  by_ = field("Status_By", "Ay: 00", 3);
  flicker_ = new StatusField("Status_FlickerScore", "",
                             QRect(kFieldsLeft + kFieldStep * 4, kTop, 2 * kFieldWidth, kHeight), this);
  // Room for the longer instrument names of other languages.
  instrument_ = new StatusField("Status_Instrument", "",
                                QRect(kFieldsLeft + kFieldStep * 6, kTop, 3 * kFieldWidth, kHeight), this);
  notice_ = new StatusField("Status_Notice", "", QRect(kFieldsLeft + kFieldStep * 9, kTop, 900, kHeight), this);
}

void StatusBar::setCellColours(const std::array<Rgb, 4>& colours) {
  for (size_t i = 0; i < 4; ++i) {
    if (colours_[i]->palette().color(QPalette::Window).rgb() == colours[i]) continue;
    QPalette pal = colours_[i]->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(colours[i]));
    colours_[i]->setPalette(pal);
    update(colours_[i]->geometry());
  }
}

void StatusBar::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), palette().color(QPalette::Window));
  for (QWidget* c : colours_)
    if (event->region().intersects(c->geometry())) p.fillRect(c->geometry(), c->palette().color(QPalette::Window));
  for (StatusField* f : {caption_, ax_, ay_, bx_, by_, flicker_, instrument_, notice_})
    if (event->region().intersects(f->geometry())) p.drawImage(f->geometry().topLeft(), textImage(*f));
}

void StatusBar::changeEvent(QEvent* event) {
  const QEvent::Type t = event->type();
  if (t == QEvent::PaletteChange || t == QEvent::FontChange || t == QEvent::StyleChange) {
    textImages_.clear();
    update();
  }
  QWidget::changeEvent(event);
}

const QImage& StatusBar::textImage(const StatusField& field) {
  // The value fields share one size and the caption's text is its own, so
  // the text alone is the key. The positions shown are a few hundred texts
  // at most, but the cache is bounded all the same.
  const qreal ratio = devicePixelRatioF();
  if (ratio != textImagesRatio_) {
    textImages_.clear();
    textImagesRatio_ = ratio;
  }
  const QString& key = field.text();
  auto it = textImages_.find(key);
  if (it != textImages_.end()) return *it;
  if (textImages_.size() > 4096) textImages_.clear();
  QImage img(field.size() * ratio, QImage::Format_RGB32);
  img.setDevicePixelRatio(ratio);
  img.fill(palette().color(QPalette::Window));
  QPainter p(&img);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(QRect(QPoint(0, 0), field.size()), Qt::AlignLeft | Qt::AlignVCenter, field.text());
  p.end();
  return *textImages_.insert(key, img);
}

}  // namespace cs
