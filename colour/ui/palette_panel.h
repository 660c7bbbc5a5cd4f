// The content of the full-palette window: the gradient chart, the 15 x 15
// mix palette, the four colour strips with their role buttons and the four
// mix swatches. It is built as children of the window it is given, at that
// window's client coordinates below its 17-pixel caption strip, and changes
// the current colours of the editor state when they are pressed.
#pragma once

#include <QObject>
#include <array>

#include "colour/gradient_chart.h"
#include "model/editor_state.h"

class QLabel;
class QTimer;
class QWidget;

namespace cs {

class BevelBox;
class PaletteImage;

inline constexpr int kPalettePanelWidth = 342;
inline constexpr int kPalettePanelHeight = 486;

class PalettePanel : public QObject {
  Q_OBJECT
 public:
  PalettePanel(EditorState& state, const MixTable& mix, QWidget* panel);

  // The strips and the full palette with their markers, and the colours of
  // the four mix swatches.
  void RedrawPalettePanels();
  // The bevels of the mix swatches and the role buttons for the current mix.
  void ShowMixSelection();

  // What the full palette shows right now (markers and any blink included).
  const RgbImage& fullView() const { return fullView_; }
  QTimer* gradientTimer() const { return timer_; }

 signals:
  // A strip or the full palette changed the current colours.
  void coloursChosen();
  // A swatch or a role button changed the current mix.
  void mixChosen();

 private:
  void buildGradient(QWidget* panel);
  void buildStrips(QWidget* panel);
  void buildSwatches(QWidget* panel);
  void showFullView();
  void gradientPressed(QPoint pos);
  void gradientTick();

  EditorState& state_;
  const MixTable& mix_;
  RgbImage fullView_;
  GradientBlink blink_;
  QTimer* timer_ = nullptr;
  PaletteImage* chart_ = nullptr;
  PaletteImage* full_ = nullptr;
  std::array<PaletteImage*, 4> strips_{};  // IMG_INK0, IMG_PAP0, IMG_INK1, IMG_PAP1
  std::array<BevelBox*, 4> roles_{};       // PalZX_i0, PalZX_p0, PalZX_i1, PalZX_p1
  std::array<BevelBox*, 4> swatches_{};    // Pal4Color0 .. Pal4Color3
};

}  // namespace cs
