// Reads a PNG file into an image for conversion, through libpng: every
// colour type and bit depth, 16-bit samples rounded to 8 bits, transparency
// laid over black. No gamma correction: the samples are taken as they are,
// as the editor's image reader takes them.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/file_error.h"
#include "model/rgb_image.h"

namespace cs {

// A file that is not a PNG, or a damaged one, is a Format error.
FileError ReadPngFile(const std::string& name, RgbImage& out);
// The same from the file's bytes; false for anything libpng refuses.
bool DecodePng(std::span<const uint8_t> bytes, RgbImage& out);

}  // namespace cs
