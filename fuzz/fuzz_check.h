// What every loader must guarantee for any input: a refused file leaves the
// Picture exactly as it was; an accepted one leaves a cell height of 8, 4, 2
// or 1, border indices 0 ... 7 and colour indices 0 ... 14. A broken promise
// aborts, which the fuzzer reports with the input.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs::fuzz {

// A Picture no file can produce by accident, so a partly replaced one shows.
inline const Picture& Sentinel() {
  static const Picture pic = [] {
    Picture p;
    for (std::size_t i = 0; i < p.planes.size(); ++i) p.planes[i] = static_cast<uint8_t>((i * 7 + 3) % 15);
    p.vertSize = 2;
    p.borderIndex0 = 6;
    p.borderIndex1 = 3;
    return p;
  }();
  return pic;
}

// A cell height of 8, 4, 2 or 1, border indices 0 ... 7, colour indices 0 ... 14.
inline void CheckValidPicture(const Picture& pic) {
  if (!isValidCellHeight(pic.vertSize) || pic.borderIndex0 > 7 || pic.borderIndex1 > 7) std::abort();
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i)
    if (pic.planes[static_cast<std::size_t>(i)] > 14) std::abort();
}

template <typename Decode>
void CheckLoader(const uint8_t* data, std::size_t size, Decode decode) {
  // A copy of exactly the input, so reading one byte past it is caught.
  const std::vector<uint8_t> bytes(data, data + size);
  Picture pic = Sentinel();
  const FileError err = decode(std::span<const uint8_t>(bytes.data(), bytes.size()), pic);
  if (err) {
    const Picture& s = Sentinel();
    if (std::memcmp(pic.planes.data(), s.planes.data(), s.planes.size()) != 0 || pic.vertSize != s.vertSize ||
        pic.borderIndex0 != s.borderIndex0 || pic.borderIndex1 != s.borderIndex1)
      std::abort();
    return;
  }
  CheckValidPicture(pic);
}

}  // namespace cs::fuzz
