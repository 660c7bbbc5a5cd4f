#include "colour/ui/palette_panel.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "colour/palette_actions.h"
#include "colour/palette_images.h"
#include "colour/ui/palette_widgets.h"

namespace cs {

namespace {

// A plain container at the given place holding one image at its origin.
PaletteImage* imageIn(const char* containerName, const char* imageName, QRect where, QWidget* panel) {
  auto* box = new QWidget(panel);
  box->setObjectName(containerName);
  box->setGeometry(where);
  auto* img = new PaletteImage(imageName, box);
  img->move(0, 0);
  return img;
}

BevelBox* box(const char* name, QRect where, const QString& caption, QWidget* panel) {
  auto* b = new BevelBox(name, panel);
  b->setGeometry(where);
  b->setCaption(caption);
  return b;
}

// The chart with its background transparent, so the panel shows through.
QImage chartImage() {
  const RgbImage chart = MakeGradientChart();
  QImage img(chart.width(), chart.height(), QImage::Format_ARGB32);
  for (int y = 0; y < chart.height(); ++y)
    for (int x = 0; x < chart.width(); ++x) {
      const Rgb c = chart.at(x, y);
      img.setPixel(x, y, c == kChartBackground ? 0u : c);
    }
  return img;
}

}  // namespace

PalettePanel::PalettePanel(EditorState& state, const MixTable& mix, QWidget* panel)
    : QObject(panel), state_(state), mix_(mix) {
  buildGradient(panel);
  buildStrips(panel);
  buildSwatches(panel);
  RedrawPalettePanels();
  ShowMixSelection();
}

void PalettePanel::buildGradient(QWidget* panel) {
  chart_ = new PaletteImage("Image_PaletteGradient", panel);
  chart_->setImage(chartImage());
  chart_->move(8, 40);
  connect(chart_, &PaletteImage::pressed, this, &PalettePanel::gradientPressed);

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer_GradPal");
  timer_->setInterval(100);
  connect(timer_, &QTimer::timeout, this, &PalettePanel::gradientTick);

  full_ = imageIn("Panel_Palette", "Img_Palette_full", QRect(88, 32, 240, 240), panel);
  connect(full_, &PaletteImage::pressed, this, [this](QPoint p) {
    ChooseMixPair(state_, p.x(), p.y());
    RedrawPalettePanels();
    emit coloursChosen();
  });
}

void PalettePanel::buildStrips(QWidget* panel) {
  box("Panel2", QRect(8, 280, 322, 17), tr("ZX Screen's Palette"), panel);
  for (const auto& [name, y] : {std::pair{"Flash0", 304}, std::pair{"Flash1", 352}}) {
    BevelBox* f = box(name, QRect(8, y, 25, 49), "F", panel);
    f->setToolTip(tr("Flash on/off"));
  }

  // Row k: the role button (screen k / 2, bit k % 2) and the strip of that role.
  static const struct {
    const char* button;
    const char* caption;
    const char* container;
    const char* strip;
    Role role;
  } kRows[4] = {{"PalZX_i0", "PAP0", "Panel7", "IMG_INK0", Role::Ink0},
                {"PalZX_p0", "INK0", "Panel8", "IMG_PAP0", Role::Pap0},
                {"PalZX_i1", "PAP1", "Panel9", "IMG_INK1", Role::Ink1},
                {"PalZX_p1", "INK1", "Panel10", "IMG_PAP1", Role::Pap1}};
  for (int k = 0; k < 4; ++k) {
    const auto& row = kRows[k];
    const int y = 304 + 24 * k;
    BevelBox* button = box(row.button, QRect(32, y, 49, 25), row.caption, panel);
    roles_[size_t(k)] = button;
    connect(button, &BevelBox::pressed, this, [this, k] {
      ChooseRole(state_, k / 2, k % 2);
      ShowMixSelection();
      emit mixChosen();
    });
    PaletteImage* strip = imageIn(row.container, row.strip, QRect(88, y + 3, 240, 16), panel);
    strips_[size_t(k)] = strip;
    const Role role = row.role;
    connect(strip, &PaletteImage::pressed, this, [this, role](QPoint p) {
      ChooseStripColour(state_, role, p.x());
      RedrawPalettePanels();
      emit coloursChosen();
    });
  }
}

void PalettePanel::buildSwatches(QWidget* panel) {
  box("Panel11", QRect(8, 408, 322, 17), tr("Char's Palette"), panel);
  // The captions name the roles as the ZX attribute fields do, the hints as
  // the editor does; both are read exactly as the user knows them.
  static const char* const kLabels[4] = {"PAP0+PAP1", "PAP0+INK1", "INK0+PAP1", "INK0+INK1"};
  static const int kLabelX[4] = {9, 95, 177, 261};
  static const char* const kHints[4] = {QT_TR_NOOP("INK0 + INK1"), QT_TR_NOOP("INK0 + PAP1"),
                                        QT_TR_NOOP("PAP0 + INK1"), QT_TR_NOOP("PAP0 + PAP1")};
  static const int kSwatchX[4] = {8, 92, 174, 256};
  for (int n = 0; n < 4; ++n) {
    auto* label = new QLabel(kLabels[n], panel);
    label->setObjectName(QString("Label%1").arg(n + 1));
    label->move(kLabelX[n], 431);
    label->adjustSize();
    BevelBox* swatch =
        box(qPrintable(QString("Pal4Color%1").arg(n)), QRect(kSwatchX[n], 448, 73, 25), {}, panel);
    swatch->setToolTip(tr(kHints[n]));
    swatches_[size_t(n)] = swatch;
    connect(swatch, &BevelBox::pressed, this, [this, n] {
      ChooseMix(state_, n);
      ShowMixSelection();
      emit mixChosen();
    });
  }
}

void PalettePanel::RedrawPalettePanels() {
  const CurrentColours& cc = state_.colours;
  static constexpr Role kRoles[4] = {Role::Ink0, Role::Pap0, Role::Ink1, Role::Pap1};
  for (size_t k = 0; k < 4; ++k) strips_[k]->setImage(MakeStripView(cc.role(kRoles[k])));
  fullView_ = MakeFullPaletteView(cc);
  showFullView();
  for (int n = 0; n < 4; ++n) swatches_[size_t(n)]->setFill(QColor::fromRgb(cc.mixColour(mix_, n)));
}

void PalettePanel::ShowMixSelection() {
  const CurrentColours& cc = state_.colours;
  for (int n = 0; n < 4; ++n) swatches_[size_t(n)]->setLowered(n == cc.mix);
  roles_[0]->setLowered(cc.bit0 == 0);
  roles_[1]->setLowered(cc.bit0 != 0);
  roles_[2]->setLowered(cc.bit1 == 0);
  roles_[3]->setLowered(cc.bit1 != 0);
}

void PalettePanel::showFullView() { full_->setImage(fullView_); }

void PalettePanel::gradientPressed(QPoint pos) {
  if (GradientPress(blink_, fullView_, state_.colours, pos.x(), pos.y()))
    timer_->start();
  else
    timer_->stop();
  showFullView();
}

void PalettePanel::gradientTick() {
  if (!GradientTick(blink_, fullView_, state_.colours)) timer_->stop();
  showFullView();
}

}  // namespace cs
