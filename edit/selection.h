// The cell-aligned selection: how the Select instrument and the commands
// shape it, the copy it records, and the clipboard record that carries both
// between running editors. Positions are editor-image coordinates; the
// selection's unit is one byte column by one cell row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/editor_state.h"

namespace cs {

// The clipboard record: the selection state, the copy rectangle, the ants
// phase and the copied planes, little-endian.
inline constexpr std::size_t kSelectionBlockSize = 36912;
// The clipboard data holds the record and one zero byte after it.
inline constexpr std::size_t kSelectionClipboardSize = kSelectionBlockSize + 1;

struct SelectionBlock {
  Selection selection;
  CopyBlock copy;
  int antsPhase = 0;
};

std::array<uint8_t, kSelectionBlockSize> SerializeSelectionBlock(const EditorState& s);
// Decodes the record from the start of `data`. False (and `out` untouched)
// when the data is short or any value is out of range: flags other than 0
// or 1, a rectangle outside 32 columns by 192 lines, a colour index above 14.
bool ParseSelectionBlock(std::span<const uint8_t> data, SelectionBlock& out);

// The cell under an editor-image position at the current zoom and cell height.
struct CellPos {
  int column;
  int row;
};
CellPos SelectionCellAt(const EditorState& s, int X, int Y);

// A Select press starts a one-cell selection there and follows the mouse.
void SelectPress(EditorState& s, int X, int Y);
// While the selection follows the mouse: the rectangle between the anchor
// and the cell under (X, Y).
void SelectMove(EditorState& s, int X, int Y);
// Any button released over the editor image ends the drag.
inline void SelectRelease(EditorState& s) { s.selection.dragging = false; }
// The frame goes; the rectangle stays for the transforms.
inline void RemoveSelection(EditorState& s) { s.selection.visible = false; }
void SelectAll(EditorState& s);

// Records the selection (or, when `cellUnderMouse` is set and nothing is
// selected, the cell under the last mouse position, which becomes the
// selection) and the whole Picture. Returns true when it made a selection.
bool CopySelection(EditorState& s, bool cellUnderMouse);

// The paste command after its undo snapshot: valid clipboard data replaces
// the selection state and the copy; then, when the mouse is over the
// picture, the copy is written at the cell under the last mouse position,
// clipped to the Picture. Returns true when the Picture was written.
bool PasteSelection(EditorState& s, std::span<const uint8_t> clipboard, bool overPicture);

// Paints the selection solid in the current mix with the current colours,
// one undo step; false (and no snapshot) without a visible selection.
bool DeleteSelection(EditorState& s);

}  // namespace cs
