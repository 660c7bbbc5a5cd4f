#include "formats/image_file.h"

#include <cmath>
#include <cstring>

#include "formats/file_io.h"
#include "formats/image_decoders.h"
#include "model/translatable.h"

namespace cs {

namespace {

bool startsWith(std::span<const uint8_t> bytes, const char* magic, std::size_t size) {
  return bytes.size() >= size && std::memcmp(bytes.data(), magic, size) == 0;
}

// "8192 x 8192 pixels (67,108,864 pixels in any shape)"; a limit that is no
// square gives its count alone.
std::string limitText(std::size_t maxPixels) {
  // Digits copied one by one, a comma before each group of three.
  const std::string digits = std::to_string(maxPixels);
  std::string count;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) count += ',';
    count += digits[i];
  }
  const auto side = static_cast<std::size_t>(std::llround(std::sqrt(static_cast<double>(maxPixels))));
  if (side * side != maxPixels) return FormatText(CS_TRANSLATE_NOOP("Core", "%1 pixels"), {count});
  return FormatText(CS_TRANSLATE_NOOP("Core", "%1 x %1 pixels (%2 pixels in any shape)"),
                    {std::to_string(side), count});
}

}  // namespace

FileError CheckImageSize(std::size_t width, std::size_t height, std::size_t maxPixels) {
  if (width == 0 || height == 0)
    return FileError::format(CS_TRANSLATE_NOOP("Core", "The image has no pixels."));
  if (width > maxPixels || height > maxPixels || width * height > maxPixels)
    return FileError::format(
        FormatText(CS_TRANSLATE_NOOP("Core", "The image is %1 x %2 pixels; images of up to %3 are read."),
                   {std::to_string(width), std::to_string(height), limitText(maxPixels)}));
  return {};
}

FileError DecodeImage(std::span<const uint8_t> bytes, RgbImage& out, std::size_t maxPixels) {
  RgbaPixels pixels;
  FileError err;
  if (startsWith(bytes, "\x89PNG\r\n\x1a\n", 8))
    err = DecodePngPixels(bytes, pixels, maxPixels);
  else if (startsWith(bytes, "\xff\xd8\xff", 3))
    err = DecodeJpegPixels(bytes, pixels, maxPixels);
  else if (startsWith(bytes, "GIF87a", 6) || startsWith(bytes, "GIF89a", 6))
    err = DecodeGifPixels(bytes, pixels, maxPixels);
  else if (startsWith(bytes, "BM", 2))
    err = DecodeBmpPixels(bytes, pixels, maxPixels);
  else
    err = FileError::format(CS_TRANSLATE_NOOP("Core", "The file is not a PNG, JPEG, GIF or BMP image."));
  if (err) return err;
  out = FromRgba(pixels.rgba.data(), pixels.width, pixels.height, pixels.width * 4);
  return {};
}

FileError ReadImageFile(const std::string& name, RgbImage& out) {
  std::vector<uint8_t> bytes;
  if (FileError err = ReadWholeFile(name, kMaxImageFileBytes, bytes)) {
    if (err.kind == FileErrorKind::Format)
      err.reason = CS_TRANSLATE_NOOP("Core", "The file is larger than 256 MiB.");
    return err;
  }
  return DecodeImage(bytes, out);
}

const char* ImageFilePatterns() { return "*.png;*.jpg;*.jpeg;*.jpe;*.jfif;*.gif;*.bmp;*.dib"; }

}  // namespace cs
