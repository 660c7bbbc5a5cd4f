// Spectrum font files: nothing but glyphs, 8 bytes each, rows top to bottom
// and bit 7 leftmost. A file of 768 bytes holds the characters 32..127 (the
// size of the ROM's character set), one of 2048 bytes the characters 0..255.
// Character n becomes the glyph of code point n.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/file_error.h"
#include "model/font.h"

namespace cs {

inline constexpr std::size_t kFontFileShort = 768;
inline constexpr std::size_t kFontFileLong = 2048;

// Any size but the two is refused with Format and why; `font` is only
// written when the bytes are a font.
FileError DecodeFont(std::span<const uint8_t> bytes, Font& font);
// Reads and checks the whole file first; the font, named after the file,
// replaces `font` only then. Anything but a regular file is refused.
FileError LoadFontFile(const std::string& path, Font& font);

}  // namespace cs
