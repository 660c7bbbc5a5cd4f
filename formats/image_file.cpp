#include "formats/image_file.h"

#include <cstring>

#include "formats/file_io.h"
#include "formats/image_decoders.h"

namespace cs {

namespace {

bool startsWith(std::span<const uint8_t> bytes, const char* magic, std::size_t size) {
  return bytes.size() >= size && std::memcmp(bytes.data(), magic, size) == 0;
}

}  // namespace

FileError CheckImageSize(std::size_t width, std::size_t height) {
  if (width == 0 || height == 0) return FileError::format("The image has no pixels.");
  if (width > kMaxImagePixels || height > kMaxImagePixels || width * height > kMaxImagePixels)
    return FileError::format("The image is " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels; images of up to 8192 x 8192 pixels (67,108,864 pixels in any shape) "
                             "are read.");
  return {};
}

FileError DecodeImage(std::span<const uint8_t> bytes, RgbImage& out) {
  RgbaPixels pixels;
  FileError err;
  if (startsWith(bytes, "\x89PNG\r\n\x1a\n", 8))
    err = DecodePngPixels(bytes, pixels);
  else if (startsWith(bytes, "\xff\xd8\xff", 3))
    err = DecodeJpegPixels(bytes, pixels);
  else if (startsWith(bytes, "GIF87a", 6) || startsWith(bytes, "GIF89a", 6))
    err = DecodeGifPixels(bytes, pixels);
  else if (startsWith(bytes, "BM", 2))
    err = DecodeBmpPixels(bytes, pixels);
  else
    err = FileError::format("The file is not a PNG, JPEG, GIF or BMP image.");
  if (err) return err;
  out = FromRgba(pixels.rgba.data(), pixels.width, pixels.height, pixels.width * 4);
  return {};
}

FileError ReadImageFile(const std::string& name, RgbImage& out) {
  std::vector<uint8_t> bytes;
  if (FileError err = ReadWholeFile(name, kMaxImageFileBytes, bytes)) {
    if (err.kind == FileErrorKind::Format) err.reason = "The file is larger than 256 MiB.";
    return err;
  }
  return DecodeImage(bytes, out);
}

const char* ImageFilePatterns() { return "*.png;*.jpg;*.jpeg;*.jpe;*.jfif;*.gif;*.bmp;*.dib"; }

}  // namespace cs
