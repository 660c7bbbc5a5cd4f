// The floating panels whose content is a few plain controls: the About box,
// the PNG export's size chooser and the selection dump's options. Each is
// hidden at start and keeps its choices while the program runs.
#pragma once

#include <array>

#include "app/ui/floating_panel.h"
#include "formats/png_export.h"

class QLabel;
class QRadioButton;

namespace cs {

// Panel_About: the program's name, what it is, its version and its web
// address; the close icon Image10 hides it.
class AboutPanel : public FloatingPanel {
  Q_OBJECT
 public:
  explicit AboutPanel(QWidget* parent);
};

inline constexpr const char* kVersion = "x0.94";
inline constexpr const char* kWebAddress = "chromasmith.example.org";

// Panel_ExportToBmp: the eleven PNG export sizes as one group of
// radio buttons, the first checked at start; "Ok" (Button4) is wired by the
// main window, "Cancel" (Button5) hides the panel.
class ExportPngPanel : public FloatingPanel {
  Q_OBJECT
 public:
  explicit ExportPngPanel(QWidget* parent);

  // The export mode (1 ... 11, as PngSizeOf numbers them) of the checked
  // button, looked at top to bottom; 1 when none is checked.
  int checkedMode() const;
  QRadioButton* radio(int mode) const { return radios_[static_cast<size_t>(mode - 1)]; }
  QPushButton* okButton() const { return ok_; }

 private:
  std::array<QRadioButton*, kPngModeCount> radios_{};
  QPushButton* ok_;
};

// Panel_SaveSelection: the pixel order of the selection dump, "as screen"
// checked at start; close icon Image12 and "Cancel" (Button20) hide it.
// "Ok" (Button19) is wired by the main window once the dump is built.
class SaveSelectionPanel : public FloatingPanel {
  Q_OBJECT
 public:
  explicit SaveSelectionPanel(QWidget* parent);

  bool asScreen() const;
  QPushButton* okButton() const { return ok_; }

 private:
  QRadioButton* asScreen_;
  QPushButton* ok_;
};

}  // namespace cs
