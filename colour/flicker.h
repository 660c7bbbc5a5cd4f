// Where a GigaScreen picture flickers, and how to make it flicker less
// without changing what the mixed view shows.
//
// For a pixel, d is the luma of its screen-0 colour minus that of its
// screen-1 colour (Rec. 709 weights over the ZX palette, in whole levels
// 0 ... 254). A flat area whose two screens differ flickers; a fine pattern
// whose neighbours differ in opposite directions does not. So a pixel's flicker is the
// magnitude of the mean of d over the 16 x 16 box around it (x - 8 ... x + 7,
// y - 8 ... y + 7, clipped to the picture), and the picture's flicker score
// is the mean of that over all pixels.
#pragma once

#include <memory>
#include <vector>

#include "model/colour.h"
#include "model/picture.h"
#include "model/rgb_image.h"

namespace cs {

double FlickerScore(const Picture& pic);

// The same with buffers kept from one picture to the next, for callers that
// score often; with `risk` it also draws the risk map from the same sums.
class FlickerMeter {
 public:
  FlickerMeter();
  ~FlickerMeter();
  double score(const Picture& pic, RgbImage* risk = nullptr);

 private:
  struct Buffers;
  std::unique_ptr<Buffers> buffers_;
};

// Each pixel's flicker as grey, 0 black ... 254 white, into the top-left
// 256 x 192 of `out`.
void DrawFlickerRisk(const Picture& pic, RgbImage& out);

// A block of cells: byte columns and cell rows at the Picture's cell height.
struct CellBlock {
  int left = 0, top = 0, width = kColumns, height = 0;
};
// Every cell of the Picture.
CellBlock WholePicture(const Picture& pic);

struct BalanceResult {
  double scoreBefore = 0;
  double scoreAfter = 0;
};

// Chooses for each cell of `block` whether to exchange its two screens (the
// pixel bits and the attribute entries of every line of the cell), lowering
// the flicker score. A cell is exchanged only where `mix` shows its colours
// the same either way round, so the mixed view keeps every pixel. At cell
// height 1 the outer columns' 8-line cells take part only when all their
// lines lie in the block. The score after is never higher than before.
//
// After the fast choice, an exact search exchanges single cells until none
// lowers the score, then tries blocks of cells for as long as `kickBudget`
// (cells looked at) lasts. The default, some 15 ms on a photograph, makes
// the five test photographs flicker 88.3 % (8x8) and 89.7 % (8x1) less; 2.5
// times as much gains 0.4 and 0.2 points more, none gives 84.8 and 89.0.
inline constexpr long kBalanceKickBudget = 60000;
BalanceResult BalanceFlicker(Picture& pic, const MixTable& mix, const CellBlock& block,
                             long kickBudget = kBalanceKickBudget);

// A cell exchanged: its byte column, first line and number of lines.
struct ExchangedCell {
  int column, top, lines;
};

// After a painting action: the cells in which `pic` differs from `before`
// (the picture as it was before the action), and no others, exchange their
// screens where that lowers the score given their neighbours, as far as
// `mix` shows them alike either way round. Returns the cells exchanged.
std::vector<ExchangedCell> BalanceTouchedCells(Picture& pic, const Picture& before, const MixTable& mix);

}  // namespace cs
