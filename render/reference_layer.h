// The reference image as it is laid over the picture: one entry per picture
// pixel with the image's colour there already weighted by its opacity and
// coverage, so drawing it costs one multiply-add per channel. Built once per
// change of the image, its placement or its opacity; the editor image, the
// preview and any view blend the same layer, always above the picture and
// below the grids and the selection.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"
#include "model/rgb_image.h"

namespace cs {

struct ColourTables;

// Weights are in 256ths; a colour term is the colour times its weight.
struct ReferenceTexel {
  uint16_t r = 0, g = 0, b = 0, weight = 0;
};

struct ReferenceLayer {
  std::vector<ReferenceTexel> texels = std::vector<ReferenceTexel>(std::size_t(kWidth) * kLines);
  const ReferenceTexel* row(int y) const { return texels.data() + std::size_t(y) * kWidth; }
};

// Fills the layer from the image drawn at picture size: 32-bit pixels with
// premultiplied colour and the share of the pixel the image covers in the
// top byte (0xAARRGGBB), `stride` pixels apart, shown at `opacity` percent.
void BuildReferenceLayer(const uint32_t* argb, std::ptrdiff_t stride, int opacity, ReferenceLayer& out);

inline Rgb BlendReference(Rgb picture, ReferenceTexel t) {
  const uint32_t keep = 256u - t.weight;
  const uint32_t r = (uint32_t(red(picture)) * keep + t.r + 128) >> 8;
  const uint32_t g = (uint32_t(green(picture)) * keep + t.g + 128) >> 8;
  const uint32_t b = (uint32_t(blue(picture)) * keep + t.b + 128) >> 8;
  return 0xFF000000u | r << 16 | g << 8 | b;
}

// Blends every pixel of `target` drawn at `scale` pixels per picture pixel,
// in the rectangle given in target pixels (clipped to the target).
void BlendReferenceArea(RgbImage& target, int scale, const ReferenceLayer& layer, int x, int y, int width,
                        int height);

// Reads a reference: a picture kind the editor opens (shown as its mix) or
// any image the image loader reads, with the loaders' checks and messages.
FileError LoadReferenceImage(const std::string& name, const ColourTables& tables, RgbImage& out);

}  // namespace cs
