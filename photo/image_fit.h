// Brings an image of any size to the picture's 256 x 192: scaled to cover the
// picture and centred (the overhang is cut off), or scaled to fit inside it
// and centred on black.
#pragma once

#include <cstdint>

#include "model/rgb_image.h"

namespace cs {

enum class FitMode : uint8_t { Cover, Border };

// A 256 x 192 image. Resampling is a tent filter as wide as one source or
// one destination pixel, whichever is larger, so a reduction averages every
// source pixel it covers and an image of exactly 256 x 192 passes unchanged.
RgbImage FitImage(const RgbImage& source, FitMode mode);

}  // namespace cs
