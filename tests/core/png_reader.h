// Reads a PNG back for the tests, through libpng's simplified interface.
#pragma once

#include <png.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "model/rgb_image.h"

namespace cs::testing {

inline std::optional<RgbImage> ReadPng(const std::string& name) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, name.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> bytes(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return std::nullopt;
  RgbImage out(static_cast<int>(image.width), static_cast<int>(image.height));
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * image.width + static_cast<std::size_t>(x)) * 3;
      out.set(x, y, rgb(bytes[i], bytes[i + 1], bytes[i + 2]));
    }
  return out;
}

}  // namespace cs::testing
