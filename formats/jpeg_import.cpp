// JPEG through libjpeg-turbo: greyscale, RGB, YCbCr and CMYK (Adobe's
// inverted form, as photo editors write it) all come out as RGB. The EXIF
// orientation tag, read with libexif, turns and mirrors the image as the
// camera meant it to be seen.
// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <utility>

#include <jpeglib.h>
#include <jerror.h>
#include <libexif/exif-data.h>

#include "formats/image_decoders.h"
#include "model/translatable.h"

namespace cs {

namespace {

FileError damaged() { return FileError::format(CS_TRANSLATE_NOOP("Core", "The JPEG image is damaged.")); }

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void quitOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
// Warnings of slightly damaged files (extra bytes between markers) are no
// reason to refuse a picture that decodes; nothing goes to stderr. A file
// that ends too soon only draws a warning too, and libjpeg would give the
// rest of the image as grey: that file has lost its data and is refused.
void onMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) quitOnError(info);
}

// EXIF orientation 1..8; 1 (as stored) when the tag is missing or unreadable.
int exifOrientation(jpeg_decompress_struct& info) {
  for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next) {
    if (m->marker != JPEG_APP0 + 1 || m->data_length < 6 || std::memcmp(m->data, "Exif\0\0", 6) != 0) continue;
    ExifData* data = exif_data_new_from_data(m->data, m->data_length);
    if (!data) return 1;
    int orientation = 1;
    if (ExifEntry* e = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
        e && e->format == EXIF_FORMAT_SHORT && e->components == 1)
      orientation = exif_get_short(e->data, exif_data_get_byte_order(data));
    exif_data_unref(data);
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
  }
  return 1;
}

// Kept apart from the function that calls setjmp, so nothing it changes can
// be lost when the library jumps back on an error.
FileError decode(jpeg_decompress_struct& info, std::size_t maxPixels, RgbaPixels& out, int& orientation) {
  jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&info, TRUE);
  if (FileError err = CheckImageSize(info.image_width, info.image_height, maxPixels)) return err;
  orientation = exifOrientation(info);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  jpeg_start_decompress(&info);
  const std::size_t w = info.output_width;
  out.width = static_cast<int>(w);
  out.height = static_cast<int>(info.output_height);
  out.rgba.assign(w * info.output_height * 4, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgba.data() + std::size_t{info.output_scanline} * w * 4;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  if (cmyk) {
    // Adobe's CMYK is stored inverted: each sample is already 255 - ink.
    for (std::size_t i = 0; i < out.rgba.size(); i += 4) {
      uint8_t* p = out.rgba.data() + i;
      const int k = p[3];
      for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>((p[c] * k + 127) / 255);
      p[3] = 255;
    }
  }
  return {};
}

// Applies an EXIF orientation: 2 mirrors, 3 turns half way, 4 flips, 5..8
// exchange rows and columns on top.
void orient(RgbaPixels& img, int orientation) {
  if (orientation == 1) return;
  const bool swap = orientation >= 5;
  const int w = img.width, h = img.height;
  const int ow = swap ? h : w, oh = swap ? w : h;
  std::vector<uint8_t> rotated(img.rgba.size());
  for (int y = 0; y < oh; ++y)
    for (int x = 0; x < ow; ++x) {
      int sx = 0, sy = 0;
      switch (orientation) {
        case 2: sx = w - 1 - x, sy = y; break;
        case 3: sx = w - 1 - x, sy = h - 1 - y; break;
        case 4: sx = x, sy = h - 1 - y; break;
        case 5: sx = y, sy = x; break;
        case 6: sx = y, sy = h - 1 - x; break;
        case 7: sx = w - 1 - y, sy = h - 1 - x; break;
        default: sx = w - 1 - y, sy = x; break;  // 8
      }
      std::memcpy(&rotated[(std::size_t(y) * ow + x) * 4], &img.rgba[(std::size_t(sy) * w + sx) * 4], 4);
    }
  img.rgba = std::move(rotated);
  img.width = ow;
  img.height = oh;
}

}  // namespace

FileError DecodeJpegPixels(std::span<const uint8_t> bytes, RgbaPixels& out, std::size_t maxPixels) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = quitOnError;
  errors.base.emit_message = onMessage;
  int orientation = 1;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return damaged();
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  const FileError err = decode(info, maxPixels, out, orientation);
  jpeg_destroy_decompress(&info);
  if (err) return err;
  orient(out, orientation);
  return {};
}

}  // namespace cs
