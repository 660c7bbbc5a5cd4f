// The decoders behind ReadImageFile, one per kind of image. Each takes the
// file's bytes and gives 8-bit RGBA rows, or a Format error with the reason.
// They share the size limit (the most pixels in any shape), checked before
// any pixel memory is taken.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/file_error.h"
#include "formats/image_file.h"

namespace cs {

struct RgbaPixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width * 4 bytes per row, rows top to bottom
};

// The error for an image of this size, or none when it may be decoded.
FileError CheckImageSize(std::size_t width, std::size_t height, std::size_t maxPixels = kMaxImagePixels);

FileError DecodePngPixels(std::span<const uint8_t> bytes, RgbaPixels& out, std::size_t maxPixels);
FileError DecodeJpegPixels(std::span<const uint8_t> bytes, RgbaPixels& out, std::size_t maxPixels);
FileError DecodeGifPixels(std::span<const uint8_t> bytes, RgbaPixels& out, std::size_t maxPixels);
FileError DecodeBmpPixels(std::span<const uint8_t> bytes, RgbaPixels& out, std::size_t maxPixels);

}  // namespace cs
