// The colour corrector's rules: choosing a block of cells with the mouse in
// a screen view, and the sixteen operations that rearrange how the block's
// colours are split between INK and PAP and between the two screens without
// repainting (invert, swap, copy left or right, exchange).
//
// The block is used clamped to the Picture at the current cell height, so a
// block chosen at a smaller cell height never addresses a line beyond 191.
// At cell height 1 the outer columns keep 8-line cells: there the block's
// lines extend to the whole 8-line cells they touch, so an operation always
// reaches the attribute entry that governs every pixel it changes.
#pragma once

#include <cstdint>

#include "model/editor_state.h"
#include "model/picture.h"

namespace cs {

// One cell of a screen view is 16 pixels wide and 2h high.
inline constexpr int kCorrectorCellWidth = 16;
constexpr int CorrectorCellHeight(int cellHeight) { return 2 * cellHeight; }
constexpr int CellRows(int cellHeight) { return kLines / cellHeight; }

// The block as the buttons and the views use it: columns left ... right and
// cell rows top ... bottom, inclusive, inside the Picture.
struct CorrectorBlock {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const CorrectorBlock&, const CorrectorBlock&) = default;
};
CorrectorBlock UsedBlock(const CorrectorState& c, int cellHeight);

// The pixel lines the block covers in `column`: first line and count.
struct LineRange {
  int first = 0, count = 0;
  friend bool operator==(const LineRange&, const LineRange&) = default;
};
LineRange BlockLines(const CorrectorBlock& b, int cellHeight, int column);

// The anchor cell's four colours, from the entry that governs its first line.
CellColours AnchorColours(const Picture& pic, const CorrectorBlock& b);

// Mouse in a screen view, (x, y) in the view's pixels, any button. A press
// starts a one-cell block; moves while dragging and the release grow it to
// the right and downwards only, clamped to the Picture. Move returns whether
// the block changed (and so needs a redraw).
void CorrectorPress(CorrectorState& c, int cellHeight, int x, int y);
bool CorrectorMove(CorrectorState& c, int cellHeight, int x, int y);
void CorrectorRelease(CorrectorState& c, int cellHeight, int x, int y);

// The sixteen buttons, in the order of the corrector's operations table:
// under screen 0, under screen 1, for both screens, the copies, the exchange.
enum class CorrectorOp : uint8_t {
  InvertAll0,     // Button2
  InvertRgb0,     // Button11
  InvertPix0,     // Button13
  InvertAll1,     // Button3
  InvertRgb1,     // Button12
  InvertPix1,     // Button14
  InvertAllBoth,  // Button6
  InvertRgbBoth,  // Button7
  InvertPixBoth,  // Button10
  CopyRAll,       // Button8: screen 0 -> screen 1
  CopyRRgb,       // Button15
  CopyRPix,       // Button16
  CopyLAll,       // Button17: screen 1 -> screen 0
  CopyLRgb,       // Button18
  CopyLPix,       // Button9
  Exchange,       // Button1
};
inline constexpr int kCorrectorOpCount = 16;

// Applies the operation to every line of every cell of the block. Pixel
// bytes are inverted, copied or exchanged; attribute entries have INK and
// PAP swapped, or are copied or exchanged whole. Takes no undo snapshot.
void ApplyCorrectorOp(CorrectorOp op, const CorrectorBlock& b, Picture& pic);

}  // namespace cs
