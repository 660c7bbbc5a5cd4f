// The text picture of ZX-Paintbrush: a first line "ZX-Paintbrush image" (or
// "ZX-Paintbrush extended image"), an empty line, 192 lines of 256 "0" and "1"
// characters (a "1" is a set pixel), an empty line, then the attributes as
// lines of 32 two-digit hexadecimal numbers separated by spaces: 24 lines, one
// per character row (8x8 cells), or 192, one per pixel line (8x1 cells). Lines
// may end in CR LF. Whatever follows an empty line after the attributes (an
// extended file's palette) is left out, with a note.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

// The longest file the reader takes: the picture with 8x1 attributes in CR LF
// lines and room for a palette.
inline constexpr std::size_t kZxpMaxFileSize = 131072;

FileError DecodeZxp(std::span<const uint8_t> bytes, Picture& pic, std::string& note);

}  // namespace cs
