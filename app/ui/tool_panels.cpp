#include "app/ui/tool_panels.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/ui/core_text.h"
#include "app/ui/free_panel.h"

namespace cs {

namespace {

QLabel* addLabel(QWidget* panel, const QString& name, const QString& text, int pixelSize, bool bold,
                 QPoint at) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(name);
  QFont f = label->font();
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  label->setFont(f);
  label->move(at);
  label->adjustSize();
  return label;
}

QRadioButton* addRadio(QWidget* panel, const QString& name, const QString& caption, QRect geometry) {
  auto* radio = new QRadioButton(caption, panel);
  radio->setObjectName(name);
  radio->setGeometry(geometry);
  // Arrow keys and Space belong to the editor's keyboard commands.
  radio->setFocusPolicy(Qt::NoFocus);
  return radio;
}

// The bold headings of the export and selection panels.
constexpr int kLabelPixels = 12;

// The panels have fixed sizes: the radio buttons' font is made smaller, if
// need be, until the longest caption fits in the button.
template <class Radios>
void fitCaptions(const Radios& radios) {
  QFont f = radios[0]->font();
  int pixels = QFontInfo(f).pixelSize();
  auto overflows = [&] {
    return std::any_of(std::begin(radios), std::end(radios),
                       [](QRadioButton* r) { return r->sizeHint().width() > r->width(); });
  };
  while (pixels > 8 && overflows()) {
    f.setPixelSize(--pixels);
    for (QRadioButton* r : radios) r->setFont(f);
  }
}

}  // namespace

AboutPanel::AboutPanel(QWidget* parent)
    : FloatingPanel("Panel_About", "Panel24", tr("About"), {345, 161}, parent) {
  addCloseIcon("Image10");
  addLabel(this, "Label_About_Title", "chromaSmith", 32, false, {104, 32});
  QLabel* subtitle = addLabel(this, "Label_About_Subtitle", tr("cross-editor zx multigigascreen graphics"),
                              11, true, {56, 64});
  // A longer wording than the panel has room for right of its place is
  // centred instead.
  if (subtitle->geometry().right() > width() - 8)
    subtitle->move((width() - subtitle->width()) / 2, subtitle->y());
  addLabel(this, "Label12", tr("version %1").arg(kVersion), 16, true, {128, 88});
  addLabel(this, "Label_About_Web", kWebAddress, 16, true, {56, 120});
}

ExportPngPanel::ExportPngPanel(QWidget* parent)
    : FloatingPanel("Panel_ExportToBmp", "Panel19", tr("Export to *.PNG"), {230, 350}, parent) {
  addLabel(this, "Size", tr("Select resolution and options:"), kLabelPixels, true, {8, 24});
  static const char* const kNames[kPngModeCount] = {
      "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5", "RadioButton10",
      "RadioButton6", "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton11"};
  for (int mode = 1; mode <= kPngModeCount; ++mode)
    radios_[static_cast<size_t>(mode - 1)] = addRadio(this, kNames[mode - 1], TrCore(PngSizeOf(mode).caption),
                                                      QRect(8, 46 + 24 * (mode - 1), 216, 20));
  radios_[0]->setChecked(true);
  fitCaptions(radios_);
  ok_ = addButton("Button4", tr("Ok"), QRect(16, 316, 90, 25));
  addButton("Button5", tr("Cancel"), QRect(124, 316, 90, 25), true);
}

int ExportPngPanel::checkedMode() const {
  for (int mode = 1; mode <= kPngModeCount; ++mode)
    if (radios_[static_cast<size_t>(mode - 1)]->isChecked()) return mode;
  return 1;
}

SaveSelectionPanel::SaveSelectionPanel(QWidget* parent)
    : FloatingPanel("Panel_SaveSelection", "Panel27", tr("Save Selection"), {217, 137}, parent) {
  addCloseIcon("Image12");
  addLabel(this, "Label14", tr("Select pixel mode:"), kLabelPixels, true, {8, 24});
  asScreen_ =
      addRadio(this, "Radio_SaveSel_PixMode_AsScreen", tr("as screen (only full height)"), {8, 44, 200, 20});
  QRadioButton* linear = addRadio(this, "Radio_SaveSel_PixMode_Linear", tr("linear"), {8, 66, 200, 20});
  asScreen_->setChecked(true);
  fitCaptions(std::array{asScreen_, linear});
  ok_ = addButton("Button19", tr("Ok"), QRect(16, 100, 85, 25));
  addButton("Button20", tr("Cancel"), QRect(116, 100, 85, 25), true);
}

bool SaveSelectionPanel::asScreen() const { return asScreen_->isChecked(); }

}  // namespace cs
