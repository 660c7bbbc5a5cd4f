// The brush every point of the pen and the shapes is painted with: its
// footprint (a square or round block of 1..8 pixels across around the
// point), the stamp taken from the selected cells and the stamp's flips.
// Each pixel of a footprint or a stamp goes through the point rule with the
// mirrors, while the pen memo and the last point stay those of the point.
#pragma once

#include <vector>

#include "edit/painting.h"
#include "edit/pixel_mask.h"

namespace cs {

inline constexpr int kMaxBrushSize = 8;

// An offset from the painted point to one pixel of the footprint.
struct BrushOffset {
  int dx;
  int dy;
  friend bool operator==(const BrushOffset&, const BrushOffset&) = default;
};

// The footprint of a brush of `size` pixels across, row by row: the pixels
// (i - (size-1)/2, j - (size-1)/2) for i, j = 0..size-1, the round one only
// those within size/2 of the block's centre.
std::vector<BrushOffset> BrushFootprint(int size, bool round);

// A size within 1..8; choosing a size puts the stamp away.
void SetBrushSize(BrushState& b, int size);

// True when points of the current instrument are painted with more than
// the point itself (FillChar and Fill always paint the point alone).
bool BrushActive(const EditorState& s);

// Writes picture pixel (x, y) in the mix (bit0, bit1) by the point rule, and
// its mirror images; nothing when (x, y) lies outside the picture.
void PaintMirroredPixel(EditorState& s, PaintSink& sink, int x, int y, int bit0, int bit1);

// Paints the brush at picture pixel (x, y), the point rule's memo already
// passed (while BrushActive): the stamp for the pen when one is set, else the
// footprint in the current mix; every pixel also at its mirror images. Pixels
// outside the picture are skipped; each cell painted in is redrawn once.
void PaintBrushAt(EditorState& s, PaintSink& sink, int x, int y);

// The mask with every set pixel widened to the current footprint.
PixelMask WidenedByBrush(const EditorState& s, const PixelMask& m);

// The selected cells' pixels become the stamp, each keeping its mix.
// Nothing happens without a selection.
void StampFromSelection(EditorState& s);
void ClearStamp(BrushState& b);
void FlipStamp(BrushState& b, bool leftRight);

}  // namespace cs
