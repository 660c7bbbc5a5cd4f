// Panel_CurrentColors in the toolbar: the four mix swatches again, small,
// under their short captions, so the pen's colours are in sight while the
// full palette is hidden. A press selects that mix.
#pragma once

#include <QWidget>
#include <array>

#include "model/editor_state.h"

namespace cs {

class BevelBox;

class CurrentColoursPanel : public QWidget {
  Q_OBJECT
 public:
  CurrentColoursPanel(EditorState& state, const MixTable& mix, QWidget* parent);

  void RedrawPalettePanels();  // the swatches' colours
  void ShowMixSelection();     // the bevel on the current mix
  // The colour the pen paints with, as the swatch of the current mix shows it.
  QColor curMixColour() const;

 signals:
  void mixChosen();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  EditorState& state_;
  const MixTable& mix_;
  std::array<BevelBox*, 4> swatches_{};
};

inline constexpr int kCurrentColoursWidth = 213;

}  // namespace cs
