// Feeds arbitrary bytes to the image loader (PNG, JPEG, GIF, BMP) and what it
// decodes to the photo conversion, which must give a valid picture for any
// image: a refused file decodes to nothing, an accepted one (one in 64 of
// them) converts.
#include <cstdlib>

#include "formats/image_file.h"
#include "fuzz/fuzz_check.h"
#include "photo/image_import.h"

// Images are refused past 256 x 256 pixels here: every decoder's size check
// and pixel loops are reached just the same, and no run spends its time on
// the tens of millions of pixels the full limit lets through.
constexpr std::size_t kMaxFuzzPixels = 256 * 256;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  cs::RgbImage image;
  if (cs::DecodeImage(bytes, image, kMaxFuzzPixels)) return 0;
  if (image.width() <= 0 || image.height() <= 0 ||
      static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()) > kMaxFuzzPixels)
    std::abort();
  // A conversion costs as much as thousands of decodes of an image this
  // small: one decoded image in 64 converts, drawn by a hash of all its bytes
  // so that a converting input's mutants are drawn afresh (drawn by the last
  // byte, most of them converted too). The options come from the last byte,
  // so every path is still reached.
  uint32_t hash = 2166136261u;
  for (const uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
  if (hash % 64 != 0) return 0;
  const uint8_t o = size ? data[size - 1] : 0;
  static constexpr int kHeights[4] = {8, 4, 2, 1};
  const cs::ImportOptions options{kHeights[o & 3], static_cast<cs::Dither>((o >> 2) % 3), (o & 8) ? 100 : 40,
                                  (o & 0x80) ? cs::FitMode::Border : cs::FitMode::Cover};
  cs::Picture pic = cs::fuzz::Sentinel();
  if (!cs::ImportImage(image, options, pic)) std::abort();
  cs::fuzz::CheckValidPicture(pic);
  return 0;
}
