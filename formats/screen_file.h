// The standard Spectrum screens. An SCR file is one screen: its display file
// and 768 attribute bytes, one per 8x8 cell (6912 bytes); a file of only the
// 6144 display-file bytes is read too, with white INK on black PAP
// attributes (0x07), and so is an SCR of only the display file's top third or
// two thirds (2048 or 4096 bytes, as some editors save a partial screen), its
// missing lines cleared. An IMG file is two of them, screen 0 then screen 1
// (13824 bytes): a standard 8x8 GigaScreen picture. The "$" kinds carry the
// same data behind a 17-byte disk-file header that is skipped unread.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

inline constexpr std::size_t kScrFileSize = 6912;
inline constexpr std::size_t kImgFileSize = 13824;
inline constexpr std::size_t kHobetaHeaderSize = 17;
// One third of a display file: 64 lines, one run of bytes.
inline constexpr std::size_t kDisplayThirdSize = 2048;

constexpr bool IsPartialDisplayFile(std::size_t size) {
  return size == kDisplayThirdSize || size == 2 * kDisplayThirdSize;
}

// withHeader: the "$" kinds; singleScreen: SCR (both screens receive it).
// The Picture becomes an 8x8 Picture with every line of each cell holding the
// cell's colours; the border stays. FLASH is ignored. Changes `pic` only on
// success; a file shorter than its layout gives "Read beyond end of file".
FileError ImportScreenFile(const std::string& name, bool withHeader, bool singleScreen, Picture& pic);
FileError DecodeScreen(std::span<const uint8_t> bytes, bool withHeader, bool singleScreen, Picture& pic);

// An IMG file; each 8-line character row takes the colours of its first
// line, whatever the Picture's cell height.
FileError ExportImgFile(const std::string& name, const Picture& pic);
std::vector<uint8_t> EncodeImg(const Picture& pic);
// Screen 0 alone, as an SCR file, by the same rule.
std::vector<uint8_t> EncodeScr(const Picture& pic);

}  // namespace cs
