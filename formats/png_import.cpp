// PNG through libpng: every colour type and bit depth, 16-bit samples
// rounded to 8 bits, transparency as alpha. No gamma correction: the samples
// are taken as they are.
#include <png.h>

#include <cstring>
#include <vector>

#include "formats/image_decoders.h"
#include "model/translatable.h"

namespace cs {

namespace {

const FileError kDamaged = FileError::format(CS_TRANSLATE_NOOP("Core", "The PNG image is damaged."));

struct Reader {
  std::span<const uint8_t> bytes;
  std::size_t offset = 0;
};

void readFromSpan(png_structp png, png_bytep data, png_size_t size) {
  auto* r = static_cast<Reader*>(png_get_io_ptr(png));
  if (r->bytes.size() - r->offset < size) png_error(png, "read beyond end");
  std::memcpy(data, r->bytes.data() + r->offset, size);
  r->offset += size;
}

void ignoreWarning(png_structp, png_const_charp) {}
// A damaged file is reported as such by the caller; nothing goes to stderr.
[[noreturn]] void quietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Kept apart from the function that calls setjmp, so nothing it changes can
// be lost when the library jumps back on an error.
FileError readImage(png_structp png, png_infop info, std::size_t maxPixels, std::vector<uint8_t>& rgba,
                    std::vector<png_bytep>& rows, png_uint_32& width, png_uint_32& height) {
  png_read_info(png, info);
  width = png_get_image_width(png, info);
  height = png_get_image_height(png, info);
  if (FileError err = CheckImageSize(width, height, maxPixels)) return err;
  const int colourType = png_get_color_type(png, info);
  if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (png_get_bit_depth(png, info) < 8) png_set_expand(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != std::size_t{width} * 4) return kDamaged;
  rgba.resize(std::size_t{width} * height * 4);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = rgba.data() + std::size_t{y} * width * 4;
  png_read_image(png, rows.data());
  return {};
}

}  // namespace

FileError DecodePngPixels(std::span<const uint8_t> bytes, RgbaPixels& out, std::size_t maxPixels) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return kDamaged;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, ignoreWarning);
  if (!png) return kDamaged;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return kDamaged;
  }
  // libpng refuses more than a million rows or columns unless told otherwise;
  // the size limit is CheckImageSize's, so libpng keeps only the format's own
  // bound. Its limit on an ancillary chunk's memory stays: a chunk beyond it
  // is skipped, never the image refused.
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  std::vector<png_bytep> rows;
  png_uint_32 width = 0, height = 0;
  Reader reader{bytes};
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return kDamaged;
  }
  png_set_read_fn(png, &reader, readFromSpan);
  const FileError err = readImage(png, info, maxPixels, out.rgba, rows, width, height);
  png_destroy_read_struct(&png, &info, nullptr);
  if (err) return err;
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  return {};
}

}  // namespace cs
