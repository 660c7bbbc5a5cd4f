#include "colour/palette_actions.h"

#include <algorithm>

namespace cs {

void ChooseMix(EditorState& s, int n) {
  s.penMemo.clear();
  SelectMix(s.colours, n);
}

void ChooseRole(EditorState& s, int screen, int bit) { ChooseScreenBit(s.colours, screen, bit); }

void ChooseStripColour(EditorState& s, Role r, int x) {
  s.penMemo.clear();
  PickStripColour(s.colours, r, x);
}

void ChooseMixPair(EditorState& s, int x, int y) {
  s.penMemo.clear();
  PickMixPair(s.colours, x, y);
}

void ChooseBorder(EditorState& s, int x, int y) {
  s.picture.borderIndex0 = static_cast<uint8_t>(std::clamp(x / 16, 0, 7));
  s.picture.borderIndex1 = static_cast<uint8_t>(std::clamp(y / 16, 0, 7));
}

}  // namespace cs
