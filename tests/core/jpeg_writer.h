// Writes an image as a JPEG in memory for the tests, through libjpeg:
// sequential or progressive, at libjpeg's default quality.
#pragma once

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <vector>

#include <jpeglib.h>

#include "model/rgb_image.h"

namespace cs::testing {

inline std::vector<uint8_t> EncodeJpeg(const RgbImage& image, bool progressive = false) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.width());
  info.image_height = static_cast<JDIMENSION>(image.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(std::size_t(image.width()) * 3);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.at(x, y);
      row[std::size_t(x) * 3] = JSAMPLE(red(c)), row[std::size_t(x) * 3 + 1] = JSAMPLE(green(c));
      row[std::size_t(x) * 3 + 2] = JSAMPLE(blue(c));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  jpeg_destroy_compress(&info);
  return out;
}

}  // namespace cs::testing
