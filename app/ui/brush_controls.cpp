#include "app/ui/brush_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "edit/airbrush.h"
#include "edit/brush.h"

namespace cs {

// The stamp in the current colours' mixes, as large as fits, or a note that
// there is none.
class StampView : public QWidget {
 public:
  StampView(MainWindow& w, QWidget* parent) : QWidget(parent), w_(w) {
    setObjectName("StampView");
    setFixedHeight(52);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().mid().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const BrushState& b = w_.state().brush;
    if (!b.hasStamp()) {
      p.setPen(palette().windowText().color());
      p.drawText(rect(), Qt::AlignCenter, BrushControls::tr("No stamp"));
      return;
    }
    QImage img(b.stampWidth, b.stampHeight, QImage::Format_RGB32);
    QRgb mixes[4];
    for (int m = 0; m < 4; ++m)
      mixes[m] = QColor::fromRgb(w_.state().colours.mixColour(w_.tables().mix, m)).rgb();
    for (int y = 0; y < b.stampHeight; ++y)
      for (int x = 0; x < b.stampWidth; ++x)
        img.setPixel(x, y, mixes[b.stampMixes[size_t(y * b.stampWidth + x)]]);
    const QRect box = rect().adjusted(2, 2, -2, -2);
    // Whole multiples while the stamp is small, so its pixels stay square.
    const int scale = std::max(1, std::min(box.width() / b.stampWidth, box.height() / b.stampHeight));
    QSize size(b.stampWidth * scale, b.stampHeight * scale);
    size = size.scaled(box.size().boundedTo(size), Qt::KeepAspectRatio);
    p.drawImage(QRect(box.center() - QPoint(size.width() / 2, size.height() / 2), size), img);
  }

 private:
  MainWindow& w_;
};

namespace {

QSpinBox* spinBox(const char* name, int lo, int hi, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(lo, hi);
  // As the number fields of the other panels: only a click takes the focus,
  // and Enter gives the keys back to the editor.
  box->setFocusPolicy(Qt::ClickFocus);
  QObject::connect(box, &QSpinBox::editingFinished, box, [box] { box->clearFocus(); });
  return box;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

BrushControls::BrushControls(MainWindow& window, QWidget* area) : QObject(area), w_(window) {
  BrushState& b = w_.state().brush;
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setSpacing(3);
  size_ = spinBox("BrushSize", 1, kMaxBrushSize, area);
  shape_ = new QComboBox(area);
  shape_->setObjectName("BrushShape");
  // The choice boxes keep no focus, so the editor's letter keys never pick
  // an item in them.
  shape_->setFocusPolicy(Qt::NoFocus);
  shape_->addItems({tr("Square"), tr("Round")});
  density_ = spinBox("AirbrushDensity", kMinAirDensity, kMaxAirDensity, area);
  radius_ = spinBox("AirbrushRadius", kMinAirRadius, kMaxAirRadius, area);
  stamp_ = new StampView(w_, area);
  transparent_ = new QComboBox(area);
  transparent_->setObjectName("StampTransparent");
  transparent_->setFocusPolicy(Qt::NoFocus);
  transparent_->addItems({tr("None"), "1", "2", "3", "4"});
  QPushButton* clear = button("StampClear", tr("Clear stamp"), area);
  QPushButton* flipH = button("StampFlipH", tr("Flip horizontal"), area);
  QPushButton* flipV = button("StampFlipV", tr("Flip vertical"), area);

  int row = 0;
  const auto labelled = [&](const QString& text, QWidget* w) {
    grid->addWidget(new QLabel(text, area), row, 0);
    grid->addWidget(w, row++, 1);
  };
  labelled(tr("Size"), size_);
  labelled(tr("Shape"), shape_);
  labelled(tr("Airbrush density"), density_);
  labelled(tr("Airbrush radius"), radius_);
  grid->addWidget(stamp_, row++, 0, 1, 2);
  labelled(tr("Transparent mix"), transparent_);
  // The flips share their row in halves, whatever the labels above take.
  auto* flips = new QHBoxLayout;
  flips->setSpacing(grid->horizontalSpacing());
  flips->addWidget(flipH, 1);
  flips->addWidget(flipV, 1);
  grid->addLayout(flips, row++, 0, 1, 2);
  grid->addWidget(clear, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);

  connect(size_, &QSpinBox::valueChanged, this, [this](int n) {
    SetBrushSize(w_.state().brush, n);
    refresh();
  });
  connect(shape_, &QComboBox::currentIndexChanged, this, [&b](int i) { b.round = i == 1; });
  connect(density_, &QSpinBox::valueChanged, this, [&b](int n) { b.airDensity = n; });
  connect(radius_, &QSpinBox::valueChanged, this, [&b](int n) { b.airRadius = n; });
  connect(transparent_, &QComboBox::currentIndexChanged, this, [&b](int i) { b.transparentMix = i - 1; });
  connect(clear, &QPushButton::clicked, this, [this, &b] {
    ClearStamp(b);
    refresh();
  });
  connect(flipH, &QPushButton::clicked, this, [this, &b] {
    FlipStamp(b, true);
    refresh();
  });
  connect(flipV, &QPushButton::clicked, this, [this, &b] {
    FlipStamp(b, false);
    refresh();
  });

  auto* edit = w_.menuBar()->findChild<QMenu*>("Edit1");
  edit->addSeparator();
  fromSelection_ =
      AddMenuItem(edit, "EditBrushFromSelection1", tr("Brush from selection"), this, [this] { takeStamp(); });
  // Only a selection gives a stamp.
  connect(edit, &QMenu::aboutToShow, fromSelection_,
          [this] { fromSelection_->setEnabled(w_.state().selection.visible); });
  refresh();
}

void BrushControls::stepSize(int delta) {
  SetBrushSize(w_.state().brush, w_.state().brush.size + delta);
  refresh();
}

void BrushControls::takeStamp() {
  StampFromSelection(w_.state());
  refresh();
}

void BrushControls::refresh() {
  const BrushState& b = w_.state().brush;
  const QSignalBlocker s1(size_), s2(shape_), s3(density_), s4(radius_), s5(transparent_);
  size_->setValue(b.size);
  shape_->setCurrentIndex(b.round ? 1 : 0);
  density_->setValue(b.airDensity);
  radius_->setValue(b.airRadius);
  transparent_->setCurrentIndex(b.transparentMix + 1);
  stamp_->update();
}

void BrushControls::airbrushPressed(QPoint pos) {
  EditorState& s = w_.state();
  if (s.clickGuard || !InsidePicture(s, pos.x(), pos.y())) return;
  s.brush.airSeed = QRandomGenerator::global()->generate64();
  if (!airTimer_) {
    airTimer_ = new QTimer(this);
    airTimer_->setInterval(20);
    connect(airTimer_, &QTimer::timeout, this, [this] {
      EditorState& st = w_.state();
      AirbrushSpray(st, *w_.paintSink_, st.lastMousePos.x, st.lastMousePos.y);
    });
  }
  s.lastMousePos = {pos.x(), pos.y()};
  airTimer_->start();
}

void BrushControls::airbrushReleased() {
  if (airTimer_) airTimer_->stop();
}

}  // namespace cs
