// The images of the colour corrector: the two screens alone at twice their
// size, the four colour strips marking the anchor cell's colours, and per
// screen the anchor's 3 x 3 cell neighbourhood magnified four times over a
// hatch; plus the marching-ants frame around the block in the screen views.
#pragma once

#include <array>
#include <vector>

#include "colour/corrector.h"
#include "render/compose.h"
#include "render/overlays.h"

namespace cs {

inline constexpr int kCorrectorViewWidth = 512;  // IMGCorrector0, IMGCorrector1
inline constexpr int kCorrectorViewHeight = 384;
inline constexpr int kCharViewSize = 98;       // IMGCorrChar0, IMGCorrChar1
inline constexpr int kCharViewBoxWidth = 100;  // PanelCorrChar0, PanelCorrChar1

// The neighbourhood's box shows three magnified rows of 4h lines, two
// separators and its one-pixel border: 100, 52, 28 or 16 pixels.
constexpr int CharViewBoxHeight(int cellHeight) { return 12 * cellHeight + 4; }

// The strips in the order ImgCorrPAP0, ImgCorrINK0, ImgCorrPAP1, ImgCorrINK1;
// they mark the anchor's INK0, PAP0, INK1 and PAP1.
inline constexpr int kCorrectorStripCount = 4;

struct CorrectorImages {
  std::array<RgbImage, kCorrectorStripCount> strips{RgbImage(240, 16), RgbImage(240, 16), RgbImage(240, 16),
                                                    RgbImage(240, 16)};
  std::array<RgbImage, 2> screens{RgbImage(kCorrectorViewWidth, kCorrectorViewHeight),
                                  RgbImage(kCorrectorViewWidth, kCorrectorViewHeight)};
  std::array<RgbImage, 2> chars{RgbImage(kCharViewSize, kCharViewSize),
                                RgbImage(kCharViewSize, kCharViewSize)};
};

// A 256 x 192 screen image at twice its size on a 512 x 384 view.
void StretchScreen(const RgbImage& screen, RgbImage& view);

// The anchor's neighbourhood on a 98 x 98 image: black, a white diagonal
// cross-hatch inside a black outline, the cells of the Picture around the
// anchor magnified from `screen` (those beyond its edge keep the hatch), and
// dotted separators between them.
void DrawNeighbourhood(RgbImage& view, const RgbImage& screen, CellCoord anchor, int cellHeight,
                       const OverlayPatterns& patterns);

// RedrawCorrector's drawing: strips with their markers, the stretched
// screens, the neighbourhoods, from the composed single-screen images.
void RedrawCorrectorImages(const Picture& pic, const ComposedImages& composed, const CorrectorState& c,
                           const OverlayPatterns& patterns, CorrectorImages& out);

// The block's outline in a screen view: cells 16 pixels wide and 2h high.
ScreenRect CorrectorFrame(const CorrectorBlock& b, int cellHeight);

// The dashed frame around the block at the ants phase, drawn over a view.
void DrawCorrectorFrame(RgbImage& view, const CorrectorBlock& b, int cellHeight, int phase,
                        const OverlayPatterns& patterns, std::vector<Segment>& scratch);

}  // namespace cs
