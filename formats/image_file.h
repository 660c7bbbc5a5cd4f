// Reads a photograph or drawing for conversion into a picture: PNG, JPEG,
// GIF (its first frame) and BMP, told apart by their contents rather than by
// the name's extension. The editor's "Import image..." and the converter
// both read through here, so they accept the same files with the same limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "formats/file_error.h"
#include "model/rgb_image.h"

namespace cs {

// Larger images are refused before their pixels are decoded: 8192 x 8192,
// or any other shape of as many pixels, unless the caller sets a limit of
// its own.
inline constexpr std::size_t kMaxImagePixels = std::size_t{8192} * 8192;
// A file larger than this is refused unread.
inline constexpr std::size_t kMaxImageFileBytes = std::size_t{256} << 20;

// Anything but a regular file is refused at once (never waited on). A file
// of none of the kinds, a damaged one or one too large is a Format error
// that says why. Transparent pixels are laid over black; a JPEG's
// orientation tag turns the image as the camera meant it.
FileError ReadImageFile(const std::string& name, RgbImage& out);
// The same from the file's bytes, refusing images of more than `maxPixels`
// pixels in any shape (the fuzzer's runs stay short with a small limit).
FileError DecodeImage(std::span<const uint8_t> bytes, RgbImage& out, std::size_t maxPixels = kMaxImagePixels);

// The patterns of the kinds read, for the open dialog: "*.png;*.jpg;...".
const char* ImageFilePatterns();

}  // namespace cs
