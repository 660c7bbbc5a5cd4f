// The test images and measures of the image-import benchmark: real
// photographs from tests/data/photos and images made in code (smooth
// gradients, a smooth noise field, fine noise), the naive converter the
// import is compared with, and the error of a converted picture.
#pragma once

#include <string>
#include <vector>

#include "colour/perceptual.h"
#include "model/picture.h"
#include "model/rgb_image.h"

namespace cs::bench {

struct QualityImage {
  std::string name;
  RgbImage image;  // any size; the import fits it to 256 x 192
};

// The photographs (those that can be read) followed by the made images.
std::vector<QualityImage> QualityImages();

// The naive conversion: every pixel's nearest mix of all, each cell's two
// most frequent of those making its attributes (INK of both screens from
// the first, PAP from the second, PAP's brightness following INK's), then
// every pixel the nearest of the cell's four mixes.
void NaiveImport(const RgbImage& fitted, int cellHeight, Picture& out);

// Mean CIEDE2000 of the picture's composed colours against the fitted image.
ColourError PictureError(const RgbImage& fitted, const Picture& pic);

}  // namespace cs::bench
