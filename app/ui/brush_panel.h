// The Brush panel (Panel_Brush): what the pen and the shapes paint each
// point with, and the lettering of the Text instrument. It holds two areas
// placed by hand below its caption strip: the brush's controls on top and
// the text's controls under them; each is filled by the code of its own
// feature.
#pragma once

#include "app/ui/floating_panel.h"

namespace cs {

inline constexpr int kBrushPanelWidth = 220;
inline constexpr int kBrushAreaHeight = 250;
inline constexpr int kTextAreaHeight = 90;

class BrushPanel : public FloatingPanel {
  Q_OBJECT
 public:
  explicit BrushPanel(QWidget* parent);

  // kBrushPanelWidth x kBrushAreaHeight, right under the caption strip.
  QWidget* brushArea() const { return brushArea_; }
  // kBrushPanelWidth x kTextAreaHeight, under the brush area.
  QWidget* textArea() const { return textArea_; }

 private:
  QWidget* brushArea_;
  QWidget* textArea_;
};

}  // namespace cs
