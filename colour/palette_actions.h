// The colour choices of the palette panels as operations on the editor state.
// Every choice but the role buttons empties the pen memo, so the next stroke
// over the last painted pixel applies the new colour.
#pragma once

#include "model/editor_state.h"

namespace cs {

void ChooseMix(EditorState& s, int n);                      // a mix swatch or keys 1..4
void ChooseRole(EditorState& s, int screen, int bit);       // a role button
void ChooseStripColour(EditorState& s, Role r, int x);      // a press on a colour strip
void ChooseMixPair(EditorState& s, int x, int y);           // a press on the full palette
// A press on the 8 x 8 border palette at (x, y): the border pair of the Picture.
void ChooseBorder(EditorState& s, int x, int y);

}  // namespace cs
