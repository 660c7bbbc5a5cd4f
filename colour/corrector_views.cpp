#include "colour/corrector_views.h"

#include <cstring>

#include "colour/palette_images.h"
#include "model/colour.h"
#include "render/preview_nav.h"

namespace cs {

namespace {

constexpr Rgb kHatchBack = rgb(0, 0, 0);
constexpr Rgb kHatchLine = rgb(255, 255, 255);
constexpr int kMagnify = 4;

// A white diagonal cross-hatch of period 8 over the black inside of the
// outline, both diagonals through the image's origin.
void drawHatch(RgbImage& view) {
  view.fillRect(0, 0, view.width(), view.height(), kHatchBack);
  for (int y = 1; y < view.height() - 1; ++y)
    for (int x = 1; x < view.width() - 1; ++x)
      if (((x - y) & 7) == 0 || ((x + y) & 7) == 0) view.set(x, y, kHatchLine);
}

// The w x h pixels at (sx, sy) of `src`, each as a 4 x 4 square at (dx, dy).
void magnify(RgbImage& dst, int dx, int dy, const RgbImage& src, int sx, int sy, int w, int h) {
  for (int y = 0; y < h * kMagnify; ++y) {
    const Rgb* s = src.row(sy + y / kMagnify) + sx;
    Rgb* d = dst.row(dy + y) + dx;
    for (int x = 0; x < w * kMagnify; ++x) d[x] = s[x / kMagnify];
  }
}

}  // namespace

void StretchScreen(const RgbImage& screen, RgbImage& view) {
  const size_t rowBytes = size_t(kCorrectorViewWidth) * sizeof(Rgb);
  for (int y = 0; y < kLines; ++y) {
    const Rgb* s = screen.row(y);
    Rgb* d = view.row(2 * y);
    for (int x = 0; x < kWidth; ++x) d[2 * x] = d[2 * x + 1] = s[x];
    std::memcpy(view.row(2 * y + 1), d, rowBytes);
  }
}

void DrawNeighbourhood(RgbImage& view, const RgbImage& screen, CellCoord anchor, int cellHeight,
                       const OverlayPatterns& patterns) {
  const int h = cellHeight;
  drawHatch(view);
  // Magnified cells are 32 x 4h with one separator line between them.
  const int cellW = 8 * kMagnify + 1, cellH = h * kMagnify + 1;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int c = anchor.column + dx, r = anchor.row + dy;
      if (c < 0 || c >= kColumns || r < 0 || r >= CellRows(h)) continue;
      magnify(view, (dx + 1) * cellW, (dy + 1) * cellH, screen, 8 * c, r * h, 8, h);
    }
  const int length = 3 * h * kMagnify + 2;
  const std::vector<Segment> separators = {
      {Pattern::CharGridRow, 0, cellH - 1, kCharViewSize, 0},
      {Pattern::CharGridRow, 0, 2 * cellH - 1, kCharViewSize, 0},
      {Pattern::CharGridColumn, cellW - 1, 0, length, 0},
      {Pattern::CharGridColumn, 2 * cellW - 1, 0, length, 0},
  };
  DrawSegments(view, 0, 0, separators, patterns);
}

void RedrawCorrectorImages(const Picture& pic, const ComposedImages& composed, const CorrectorState& c,
                           const OverlayPatterns& patterns, CorrectorImages& out) {
  static const RgbImage kZxPalette = MakeZxPaletteImage();
  const int h = pic.cellHeight();
  const CorrectorBlock b = UsedBlock(c, h);
  const CellColours anchor = AnchorColours(pic, b);
  const uint8_t marked[kCorrectorStripCount] = {anchor.ink0, anchor.pap0, anchor.ink1, anchor.pap1};
  for (size_t i = 0; i < out.strips.size(); ++i) {
    // Copied in place: the panel's widgets show these buffers without a copy.
    CopyRect(out.strips[i], 0, 0, kZxPalette, 0, 0, kZxPalette.width(), kZxPalette.height());
    DrawMarker(out.strips[i], safeIndex(marked[i]), 0);
  }
  StretchScreen(composed.screen0, out.screens[0]);
  StretchScreen(composed.screen1, out.screens[1]);
  DrawNeighbourhood(out.chars[0], composed.screen0, {b.left, b.top}, h, patterns);
  DrawNeighbourhood(out.chars[1], composed.screen1, {b.left, b.top}, h, patterns);
}

ScreenRect CorrectorFrame(const CorrectorBlock& b, int cellHeight) {
  const int ch = CorrectorCellHeight(cellHeight);
  return {kCorrectorCellWidth * b.left, ch * b.top, kCorrectorCellWidth * (b.right - b.left + 1),
          ch * (b.bottom - b.top + 1)};
}

void DrawCorrectorFrame(RgbImage& view, const CorrectorBlock& b, int cellHeight, int phase,
                        const OverlayPatterns& patterns, std::vector<Segment>& scratch) {
  scratch.clear();
  CollectAntsSegments(CorrectorFrame(b, cellHeight), phase, {0, 0, view.width(), view.height()}, scratch);
  DrawSegments(view, 0, 0, scratch, patterns);
}

}  // namespace cs
