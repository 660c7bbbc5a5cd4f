// The content of the border-palette window: the 8 x 8 palette of border
// pairs with a marker on the Picture's border. A press chooses the pair; a
// load that brings its own border is shown by ShowBorder.
#pragma once

#include <QObject>

#include "model/editor_state.h"

class QWidget;

namespace cs {

class PaletteImage;

inline constexpr int kBorderPanelWidth = 150;
inline constexpr int kBorderPanelHeight = 166;

class BorderPalettePanel : public QObject {
  Q_OBJECT
 public:
  BorderPalettePanel(EditorState& state, QWidget* panel);

  // Moves the marker to the Picture's border pair.
  void ShowBorder();

 signals:
  // A press changed the Picture's border pair.
  void borderChosen();

 private:
  EditorState& state_;
  PaletteImage* image_ = nullptr;
};

}  // namespace cs
