// The single-screen multicolour kinds of other Spectrum tools, and the bare
// attribute file. Each holds one screen, which goes into both screens of the
// Picture, as an SCR file does; the border stays unless the file has one.
//
//   .ifl   9216 bytes: display file, then 96 rows of 32 attributes, one row
//          per 2 lines (8x2 cells); 7680 bytes: the same with 48 rows, one per
//          4 lines (8x4 cells).
//   .mlt   12288 bytes: display file, then 192 rows of 32 attributes, one row
//          per line (8x1 cells).
//   .mc    the same with the bitmap in line order (line y at y x 32).
//   .bmc4  11904 bytes: display file, 768 attributes for lines 0-3 of each
//          character row, 768 for lines 4-7, then 4224 bytes of border colours
//          (two 8-pixel steps a byte), of which only the first counts here.
//   .atr   768 attributes, one per 8x8 cell; the pixels are cleared.
//
// Every decoder checks the size first and changes `pic` only on success;
// `note` receives a remark for the status bar when the Picture cannot show
// all of the file (it stays empty otherwise).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

inline constexpr std::size_t kIfl2FileSize = 9216;
inline constexpr std::size_t kIfl4FileSize = 7680;
inline constexpr std::size_t kMltFileSize = 12288;
inline constexpr std::size_t kBmc4FileSize = 11904;
inline constexpr std::size_t kAtrFileSize = 768;

FileError DecodeIfl(std::span<const uint8_t> bytes, Picture& pic, std::string& note);
// linearBitmap: the .mc kind.
FileError DecodeMlt(std::span<const uint8_t> bytes, bool linearBitmap, Picture& pic, std::string& note);
FileError DecodeBmc4(std::span<const uint8_t> bytes, Picture& pic, std::string& note);
FileError DecodeAtr(std::span<const uint8_t> bytes, Picture& pic, std::string& note);

// Screen 0 in the 8x2 layout at cell heights 2 and 1, in the 8x4 layout at
// 4 and 8 (which it holds exactly). Each cell takes its shown colours.
std::vector<uint8_t> EncodeIfl(const Picture& pic);
// Screen 0 with the attribute of every line and column; at cell height 1 the
// outer columns keep every line's own entry, so a file read in is written
// back unchanged.
std::vector<uint8_t> EncodeMlt(const Picture& pic);

}  // namespace cs
