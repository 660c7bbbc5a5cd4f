// The search for one cell's attributes when a picture is converted from an
// image: which INK and PAP each screen gets, so that the cell's four mixes
// serve its pixels best. The cell's pixels are first gathered into a few
// colour clusters. Every pairing of the two screens' attributes is scored
// on the clusters by their nearest mixes, a score that splits by screen and
// so costs a few lookups each; with dithering the best of those are scored
// again with patterns of two mixes, stopping once no pairing left can win;
// the best few are then scored on every pixel.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "colour/perceptual.h"
#include "model/rgb_image.h"

namespace cs {

inline constexpr int kMixCount = 225;  // mix m = 15 * c0 + c1

// Every mix in DIN99o and the squared distances between them, built once.
struct MixSpace {
  std::array<Din, kMixCount> din{};
  std::array<Rgb, kMixCount> rgb{};
  std::vector<float> between;  // kMixCount x kMixCount
  float distance(int m, int n) const { return between[static_cast<std::size_t>(m * kMixCount + n)]; }
};
const MixSpace& TheMixSpace();

// One cell's attributes. Its four mixes are numbered like the pixel bits,
// 2 * bit0 + bit1: INK0+INK1, INK0+PAP1, PAP0+INK1, PAP0+PAP1.
struct CellAttributes {
  uint8_t ink0 = 0, pap0 = 0, ink1 = 0, pap1 = 0;
  std::array<int, 4> mixes() const {
    return {15 * ink0 + ink1, 15 * ink0 + pap1, 15 * pap0 + ink1, 15 * pap0 + pap1};
  }
};

// How a point is served by four mixes. `spread` weighs the visible noise of
// a dither between two mixes: 1 counts it whole, so only the nearest mix is
// worth showing (no dithering); below 1 a point between two mixes may be
// shown as a pattern of both.
struct PointChoice {
  int first = 0;    // index 0 ... 3 of the mix shown where the pattern is off
  int second = 0;   // index of the mix shown where it is on
  float share = 0;  // 0 ... 1: how much of the pattern shows `second`
  float cost = 0;
};
// `d` holds the point's squared distances to the four mixes. Ties keep the
// lower index and a single mix before a pattern, so an exact colour is
// always shown as itself.
PointChoice ChoosePoint(const std::array<float, 4>& d, const std::array<int, 4>& mixes, float spread,
                        const MixSpace& space);

// The attributes for a cell whose pixels have the given DIN99o colours.
// The result is the same for the same input on every run.
CellAttributes ChooseCellAttributes(std::span<const Din> pixels, float spread, const MixSpace& space);

}  // namespace cs
