#include "colour/ui/current_colours_panel.h"

#include <QLabel>
#include <QPainter>

#include "colour/palette_actions.h"
#include "colour/ui/palette_widgets.h"

namespace cs {

CurrentColoursPanel::CurrentColoursPanel(EditorState& state, const MixTable& mix, QWidget* parent)
    : QWidget(parent), state_(state), mix_(mix) {
  setObjectName("Panel_CurrentColors");
  setFixedSize(kCurrentColoursWidth, 32);
  static const struct {
    int x, width;
    const char* label;
    const char* hint;
  } kSwatches[4] = {{11, 46, "P0+P1", QT_TR_NOOP("INK0 + INK1 (Use Hotkey '1')")},
                    {62, 43, "P0+I1", QT_TR_NOOP("INK0 + PAP1 (Use Hotkey '2')")},
                    {111, 42, "I0+P1", QT_TR_NOOP("PAP0 + INK1 (Use Hotkey '3')")},
                    {158, 43, "I0+I1", QT_TR_NOOP("PAP0 + PAP1 (Use Hotkey '4')")}};
  QFont small = font();
  small.setPixelSize(9);
  for (int n = 0; n < 4; ++n) {
    const auto& s = kSwatches[n];
    auto* label = new QLabel(s.label, this);
    label->setObjectName(QString("Label%1").arg(7 + n));
    label->setFont(small);
    label->adjustSize();
    label->move(s.x, 1);
    auto* swatch = new BevelBox(QString("CharPal_SelectedColor%1").arg(n), this);
    swatch->setGeometry(s.x, 12, s.width, 17);
    swatch->setToolTip(tr(s.hint));
    swatches_[size_t(n)] = swatch;
    connect(swatch, &BevelBox::pressed, this, [this, n] {
      ChooseMix(state_, n);
      ShowMixSelection();
      emit mixChosen();
    });
  }
  RedrawPalettePanels();
  ShowMixSelection();
}

void CurrentColoursPanel::RedrawPalettePanels() {
  for (int n = 0; n < 4; ++n)
    swatches_[size_t(n)]->setFill(QColor::fromRgb(state_.colours.mixColour(mix_, n)));
}

void CurrentColoursPanel::ShowMixSelection() {
  for (int n = 0; n < 4; ++n) swatches_[size_t(n)]->setLowered(n == state_.colours.mix);
}

QColor CurrentColoursPanel::curMixColour() const { return swatches_[size_t(state_.colours.mix & 3)]->fill(); }

void CurrentColoursPanel::paintEvent(QPaintEvent*) {
  // The look of the toolbar keys: white face, single border.
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(120, 120, 120));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace cs
