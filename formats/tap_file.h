// A tape image (.tap): blocks one after another, each a 2-byte little-endian
// length and that many bytes (a flag byte, the data, a checksum that makes the
// XOR of the block 0). The first block of 6912 data bytes is screen 0, the
// second, if there is one, screen 1; a tape of one screen gives it to both.
// Every block's length is checked up to the end of the file, and the screens'
// checksums.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

inline constexpr std::size_t kTapMaxFileSize = 8 << 20;

FileError DecodeTap(std::span<const uint8_t> bytes, Picture& pic, std::string& note);

}  // namespace cs
