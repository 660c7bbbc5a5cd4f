#include "app/ui/patterns_panel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <functional>
#include <utility>

#include "app/panel_placement.h"
#include "app/ui/core_text.h"
#include "edit/patterns.h"

namespace cs {

namespace {

constexpr int kScale = 3;  // a pattern bit as 3 x 3 screen pixels
constexpr int kFrame = 2;
constexpr int kSwatch = 8 * kScale + 2 * kFrame;  // the magnified pattern in its frame
constexpr int kStep = kSwatch + 3;                // swatch to swatch
constexpr int kMargin = 4;
constexpr int kGridTop = kCaptionStripHeight + kMargin;
constexpr int kCaptionTop = kGridTop + 4 * kStep;  // "Second mix", under the 4 x 4 patterns
constexpr int kCaptionHeight = 16;
constexpr int kMixTop = kCaptionTop + kCaptionHeight + 2;
constexpr int kMixHeight = 20;
constexpr QSize kPanelSize(kMargin + 4 * kStep, kMixTop + kMixHeight + kMargin + 2);

// A box of the panel that paints itself with `paint` and runs `press` on a
// left click; the frame shows whether it is the chosen one.
class Swatch : public QWidget {
 public:
  Swatch(const QString& name, QRect geometry, QWidget* parent, std::function<void(QPainter&)> paint,
         std::function<bool()> chosen, std::function<void()> press)
      : QWidget(parent), paint_(std::move(paint)), chosen_(std::move(chosen)), press_(std::move(press)) {
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // The chosen one is framed black and white, which shows whatever the
    // colours; the others have a thin grey line.
    QPainter p(this);
    const bool chosen = chosen_();
    p.fillRect(rect(), chosen ? Qt::black : QColor(160, 160, 160));
    p.fillRect(rect().adjusted(1, 1, -1, -1), chosen ? Qt::white : QColor(240, 240, 240));
    p.translate(kFrame, kFrame);
    paint_(p);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) press_();
  }

 private:
  std::function<void(QPainter&)> paint_;
  std::function<bool()> chosen_;
  std::function<void()> press_;
};

}  // namespace

PatternsPanel::PatternsPanel(EditorState& state, const MixTable& mix, QWidget* parent)
    : FloatingPanel("Panel_Patterns", "PanelPatternsCaption", tr("Patterns"), kPanelSize, parent),
      state_(state),
      mix_(mix) {
  addCloseIcon("ImagePatternsClose");
  for (int n = 0; n < kFillPatternCount; ++n) {
    const QRect at(kMargin + n % 4 * kStep, kGridTop + n / 4 * kStep, kSwatch, kSwatch);
    patterns_[size_t(n)] = new Swatch(
        QString("Pattern_%1").arg(n), at, this,
        [this, n](QPainter& p) {
          const QColor one = mixes_[size_t(state_.colours.mix & 3)];
          const QColor zero = mixes_[size_t(state_.shapes.secondMix & 3)];
          for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
              p.fillRect(x * kScale, y * kScale, kScale, kScale, PatternRow(n, y) & (0x80 >> x) ? one : zero);
        },
        [this, n] { return state_.shapes.pattern == n; }, [this, n] { choosePattern(n); });
    patterns_[size_t(n)]->setToolTip(TrCore(Patterns()[size_t(n)].name));
  }
  auto* caption = new QLabel(tr("Second mix"), this);
  caption->setObjectName("LabelSecondMix");
  caption->setGeometry(kMargin, kCaptionTop, kPanelSize.width() - 2 * kMargin, kCaptionHeight);
  static const char* const kMixHints[4] = {QT_TR_NOOP("INK0 + INK1"), QT_TR_NOOP("INK0 + PAP1"),
                                           QT_TR_NOOP("PAP0 + INK1"), QT_TR_NOOP("PAP0 + PAP1")};
  for (int n = 0; n < 4; ++n) {
    const QRect at(kMargin + n * kStep, kMixTop, kSwatch, kMixHeight);
    secondMixes_[size_t(n)] = new Swatch(
        QString("SecondMix_%1").arg(n), at, this,
        [this, n, at](QPainter& p) {
          p.fillRect(0, 0, at.width() - 2 * kFrame, at.height() - 2 * kFrame, mixes_[size_t(n)]);
        },
        [this, n] { return state_.shapes.secondMix == n; }, [this, n] { chooseSecondMix(n); });
    secondMixes_[size_t(n)]->setToolTip(tr(kMixHints[n]));
  }
  redraw();
}

void PatternsPanel::redraw() {
  for (int n = 0; n < 4; ++n) mixes_[size_t(n)] = QColor::fromRgb(state_.colours.mixColour(mix_, n));
  for (QWidget* w : patterns_) w->update();
  for (QWidget* w : secondMixes_) w->update();
}

void PatternsPanel::choosePattern(int n) {
  state_.shapes.pattern = n;
  redraw();
  emit changed();
}

void PatternsPanel::chooseSecondMix(int n) {
  state_.shapes.secondMix = n;
  redraw();
  emit changed();
}

}  // namespace cs
