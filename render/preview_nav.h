// The preview window's navigation and the magnifier, as arithmetic on
// preview pixels (the Picture at 2:1, 512 x 384). The preview outlines the
// area the editor would show after a click, at the zoom the user targets
// (a pixel scale of 8, 12 or 16); a click jumps there. The magnifier shows
// the 88 x 88 Picture pixels around the mouse, read from the preview.
#pragma once

#include <vector>

#include "model/editor_state.h"
#include "model/rgb_image.h"
#include "render/overlays.h"

namespace cs {

inline constexpr int kPreviewWidth = 512;
inline constexpr int kPreviewHeight = 384;
// A preview cell is one 8 x 8 block of Picture pixels.
inline constexpr int kPreviewCell = 16;

inline constexpr int kMinPreviewTarget = 8;
inline constexpr int kMaxPreviewTarget = 16;

// The outline of the target view, in preview pixels.
struct PreviewFrame {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const PreviewFrame&, const PreviewFrame&) = default;
};

// One side of the frame for a scroll box side of `boxLength` screen pixels
// (scroll bars included): about 2 * boxLength / target, cut down to whole
// 8-pixel columns of the preview.
int PreviewFrameLength(int boxLength, int target);

// The preview cell under a mouse position on the preview (truncated toward
// zero, as a position left of or above the image still gives cell 0).
int PreviewCellAt(int previewCoordinate);

// DrawPreviewFrame's geometry: when the cell lies on the preview, it is
// pulled back so the frame fits in the Picture (the clamp is stored in
// `view`); the frame then starts at that cell. A frame of an odd number of
// 8-pixel columns can still reach 8 pixels past the edge, as the clamp counts
// whole cells.
PreviewFrame PlacePreviewFrame(ViewState& view, int boxWidth, int boxHeight);

// The frame's four edges in the char-grid patterns: left, right, top, bottom.
void CollectPreviewFrameSegments(PreviewFrame frame, std::vector<Segment>& out);

// Up and Down while the preview is visible: one step of 4 within 8 ... 16.
int RaisedPreviewTarget(int target);
int LoweredPreviewTarget(int target);

// The zoom level a click in the preview switches to (target / 4) and the
// scroll positions that put the chosen 8 x 8 block at the view's top-left.
int PreviewJumpLevel(int target);
struct ScrollPositions {
  int horizontal = 0, vertical = 0;
  friend bool operator==(const ScrollPositions&, const ScrollPositions&) = default;
};
ScrollPositions PreviewJumpScroll(int pixelScale, int cellX, int cellY);

// The magnifier: a 176 x 176 block of the preview, 88 x 88 Picture pixels,
// whose top-left is 44 Picture pixels above and left of the mouse, kept
// within columns 0 ... 167 and lines 0 ... 104. Column 167 is one short of
// 256 - 88, so Picture column 255 never shows.
inline constexpr int kMagnifierSize = 176;
inline constexpr int kMagnifierMaxColumn = 167;
inline constexpr int kMagnifierMaxLine = 104;
struct MagnifierSource {
  int x = 0, y = 0;  // in preview pixels
  friend bool operator==(const MagnifierSource&, const MagnifierSource&) = default;
};
MagnifierSource MagnifierSourceOf(ImagePoint mouse, int pixelScale);

// Copies a w x h block of `src` at (sx, sy) to `dst` at (dx, dy); the parts
// that fall outside either image are skipped.
void CopyRect(RgbImage& dst, int dx, int dy, const RgbImage& src, int sx, int sy, int w, int h);

}  // namespace cs
