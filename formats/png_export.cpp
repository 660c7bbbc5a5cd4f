#include "formats/png_export.h"

#include <png.h>

#include <cerrno>
#include <functional>

#include "formats/file_io.h"
#include "model/colour.h"
#include "model/picture.h"
#include "model/translatable.h"

namespace cs {

namespace {

constexpr PngSize kSizes[kPngModeCount] = {
    {CS_TRANSLATE_NOOP("Core", "256 x 192 without border"), 256, 192, 0, 0, 0},
    {CS_TRANSLATE_NOOP("Core", "512 x 384 without border"), 512, 384, 0, 0, 0},
    {CS_TRANSLATE_NOOP("Core", "768 x 576 without border"), 768, 576, 0, 0, 0},
    {CS_TRANSLATE_NOOP("Core", "1024 x 768 without border"), 1024, 768, 0, 0, 0},
    {CS_TRANSLATE_NOOP("Core", "1280 x 960 without border"), 1280, 960, 0, 0, 0},
    {CS_TRANSLATE_NOOP("Core", "320 x 240 (256x192 with border)"), 256, 192, 32, 24, 24},
    {CS_TRANSLATE_NOOP("Core", "640 x 480 (512x384 with border)"), 512, 384, 64, 48, 48},
    {CS_TRANSLATE_NOOP("Core", "800 x 600 (768x576 with border)"), 768, 576, 16, 12, 12},
    {CS_TRANSLATE_NOOP("Core", "1024 x 768 (768x576 with border)"), 768, 576, 128, 96, 96},
    {CS_TRANSLATE_NOOP("Core", "1280 x 960 (1024x768 with border)"), 1024, 768, 128, 96, 96},
    {CS_TRANSLATE_NOOP("Core", "384 x 300 (256x192 full emul border)"), 256, 192, 64, 64, 44},
};

void appendToVector(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

void noFlush(png_structp) {}

// Fills one RGB row (3 bytes a pixel) of the image being written.
using RowSource = std::function<void(int y, uint8_t* rgb)>;

void putPixel(uint8_t* rgb, int x, Rgb c) {
  rgb[3 * x] = static_cast<uint8_t>(red(c));
  rgb[3 * x + 1] = static_cast<uint8_t>(green(c));
  rgb[3 * x + 2] = static_cast<uint8_t>(blue(c));
}

// Kept apart from the function that calls setjmp, so nothing it changes can be
// lost when the library jumps back on an error.
void writeImage(png_structp png, png_infop info, int width, int height, const RowSource& source,
                std::vector<uint8_t>& row) {
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    source(y, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
}

// The image row by row into PNG bytes; only one row is held unpacked.
bool encode(int width, int height, const RowSource& source, std::vector<uint8_t>& out,
            std::vector<uint8_t>& row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, appendToVector, noFlush);
  writeImage(png, info, width, height, source, row);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

const PngSize& PngSizeOf(int mode) { return kSizes[mode >= 1 && mode <= kPngModeCount ? mode - 1 : 0]; }

RgbImage BuildPngImage(const RgbImage& composite, uint8_t borderIndex0, uint8_t borderIndex1, int mode) {
  const PngSize& size = PngSizeOf(mode);
  RgbImage image(size.imageWidth(), size.imageHeight(), BorderColor(borderIndex0, borderIndex1));
  const int scale = size.w / kWidth;
  for (int y = 0; y < size.h; ++y) {
    const Rgb* src = composite.row(y / scale);
    Rgb* dst = image.row(size.t + y) + size.x;
    for (int x = 0; x < size.w; ++x) dst[x] = src[x / scale];
  }
  return image;
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
  std::vector<uint8_t> out;
  std::vector<uint8_t> row(static_cast<std::size_t>(image.width()) * 3);
  const auto source = [&image](int y, uint8_t* rgb) {
    const Rgb* src = image.row(y);
    for (int x = 0; x < image.width(); ++x) putPixel(rgb, x, src[x]);
  };
  if (!encode(image.width(), image.height(), source, out, row)) out.clear();
  return out;
}

std::vector<uint8_t> EncodePngExport(const RgbImage& composite, uint8_t borderIndex0, uint8_t borderIndex1,
                                     int mode) {
  return EncodePngExport(composite, BorderColor(borderIndex0, borderIndex1), mode);
}

std::vector<uint8_t> EncodePngExport(const RgbImage& composite, Rgb border, int mode) {
  const PngSize& size = PngSizeOf(mode);
  const int scale = size.w / kWidth;
  const int width = size.imageWidth();
  // Each row enlarged straight into the library's row: no image of the
  // export's size is ever built.
  const auto source = [&](int y, uint8_t* rgb) {
    const int py = y - size.t;
    if (py < 0 || py >= size.h) {
      for (int x = 0; x < width; ++x) putPixel(rgb, x, border);
      return;
    }
    for (int x = 0; x < size.x; ++x) {
      putPixel(rgb, x, border);
      putPixel(rgb, size.x + size.w + x, border);
    }
    const Rgb* src = composite.row(py / scale);
    for (int x = 0; x < size.w; ++x) putPixel(rgb, size.x + x, src[x / scale]);
  };
  std::vector<uint8_t> out;
  std::vector<uint8_t> row(static_cast<std::size_t>(width) * 3);
  if (!encode(width, size.imageHeight(), source, out, row)) out.clear();
  return out;
}

FileError WritePngExport(const std::string& name, const RgbImage& composite, uint8_t borderIndex0,
                         uint8_t borderIndex1, int mode) {
  return WritePngExport(name, composite, BorderColor(borderIndex0, borderIndex1), mode);
}

FileError WritePngExport(const std::string& name, const RgbImage& composite, Rgb border, int mode) {
  const std::vector<uint8_t> bytes = EncodePngExport(composite, border, mode);
  if (bytes.empty()) return FileError::fromErrno(ENOMEM);
  return WriteFileAtomic(name, bytes);
}

FileError WritePngFile(const std::string& name, const RgbImage& image) {
  const std::vector<uint8_t> bytes = EncodePng(image);
  if (bytes.empty()) return FileError::fromErrno(ENOMEM);
  return WriteFileAtomic(name, bytes);
}

}  // namespace cs
