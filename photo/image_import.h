// Converting any image into a GigaScreen picture: the image is fitted to
// 256 x 192, every cell gets the attributes of both screens that serve its
// pixels best (the BRIGHT of one screen's INK and PAP shared, as a ZX
// attribute byte has one BRIGHT bit), and every pixel the mix that shows it
// best, with or without dithering. The editor and the converter both come
// here, so the same image and options give the same picture byte for byte.
#pragma once

#include <atomic>
#include <cstdint>

#include "photo/image_fit.h"
#include "model/picture.h"
#include "model/rgb_image.h"

namespace cs {

enum class Dither : uint8_t { None, Ordered, Diffusion };

struct ImportOptions {
  int cellHeight = 1;  // 8, 4, 2 or 1
  Dither dither = Dither::Diffusion;
  int strength = 100;  // error diffusion's share of each error passed on, 0 ... 100 percent
  FitMode fit = FitMode::Cover;
  // Afterwards exchange screens cell by cell where the picture flickers
  // less that way; the mixed colours stay the same.
  bool balanceFlicker = false;
  friend bool operator==(const ImportOptions&, const ImportOptions&) = default;
};

// Converts a 256 x 192 image. Writes every pixel bit and every attribute
// entry of `out` (each line of a cell carries the cell's entry, so every
// entry means what is shown) and sets its cell height; the border stays.
// Returns false, leaving `out` as it was, when `cancel` is set before the end.
bool ConvertFittedImage(const RgbImage& fitted, const ImportOptions& options, Picture& out,
                        const std::atomic<bool>* cancel = nullptr);

// FitImage, then ConvertFittedImage.
bool ImportImage(const RgbImage& image, const ImportOptions& options, Picture& out,
                 const std::atomic<bool>* cancel = nullptr);

}  // namespace cs
