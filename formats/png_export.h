// The PNG export: the mixed picture at one of eleven fixed sizes, whole-number
// enlargements of 1 to 5, with or without a border in the mixed border colour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/rgb_image.h"

namespace cs {

// One export size: the picture is stretched to w x h at (x, t); the image is
// (w + 2x) x (t + h + b), everything outside the picture being border.
struct PngSize {
  const char* caption;
  int w, h, x, t, b;
  int imageWidth() const { return w + 2 * x; }
  int imageHeight() const { return t + h + b; }
};
inline constexpr int kPngModeCount = 11;
// Modes 1 ... 11 in the order the export panel lists them, top to bottom;
// any other mode gives the first size.
const PngSize& PngSizeOf(int mode);

// The export image: the mixed border colour everywhere, the 256 x 192 top-left
// part of `composite` enlarged without smoothing at (x, t).
RgbImage BuildPngImage(const RgbImage& composite, uint8_t borderIndex0, uint8_t borderIndex1, int mode);

// The export written as a PNG file, row by row from `composite`, with the
// same pixels as BuildPngImage gives but without building that image.
FileError WritePngExport(const std::string& name, const RgbImage& composite, uint8_t borderIndex0,
                         uint8_t borderIndex1, int mode);
std::vector<uint8_t> EncodePngExport(const RgbImage& composite, uint8_t borderIndex0, uint8_t borderIndex1,
                                     int mode);
// The same with the border in a colour of the caller's palette.
FileError WritePngExport(const std::string& name, const RgbImage& composite, Rgb border, int mode);
std::vector<uint8_t> EncodePngExport(const RgbImage& composite, Rgb border, int mode);

// RGB, 8 bits per channel, no alpha, the PNG library's default compression.
FileError WritePngFile(const std::string& name, const RgbImage& image);
// The same file's bytes; empty if the PNG library fails.
std::vector<uint8_t> EncodePng(const RgbImage& image);

}  // namespace cs
