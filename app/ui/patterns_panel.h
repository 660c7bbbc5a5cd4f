// The Patterns panel (Panel_Patterns): the sixteen patterns that fills and
// filled shapes paint with, each magnified in the current mix (its 1 bits)
// and the second mix (its 0 bits), and the four mixes of the current colours
// to choose the second mix from. A click chooses; the chosen pattern and the
// chosen second mix are framed.
#pragma once

#include <QColor>
#include <array>

#include "app/ui/floating_panel.h"
#include "edit/patterns.h"
#include "model/editor_state.h"

namespace cs {

class PatternsPanel : public FloatingPanel {
  Q_OBJECT
 public:
  PatternsPanel(EditorState& state, const MixTable& mix, QWidget* parent);

  // The current colours or the current mix changed: the swatches take them.
  void redraw();

 signals:
  // A pattern or a second mix was chosen.
  void changed();

 private:
  void choosePattern(int n);
  void chooseSecondMix(int n);

  EditorState& state_;
  const MixTable& mix_;
  std::array<QWidget*, kFillPatternCount> patterns_{};
  std::array<QWidget*, 4> secondMixes_{};
  // The four mixes of the current colours as the swatches paint them.
  std::array<QColor, 4> mixes_{};
};

}  // namespace cs
