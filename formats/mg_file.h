// The multicolour GigaScreen files *.mg1, *.mg2, *.mg4 and *.mg8, as a
// Spectrum-side viewer reads them: a 256-byte header, both screens' display
// files, then ZX attribute bytes, one per cell.
//
// Header: "MGH", version 1, cell height (8, 4, 2 or 1: it decides the
// attribute layout), border of screen 0, border of screen 1, 248 zero bytes,
// 0xFF. Cell heights 8, 4 and 2 store 192 / h rows of 32 attribute bytes per
// screen. Cell height 1 (the MG1 layout) stores the 16 central columns per
// line (3072 bytes per screen), then the outer columns 0-7 and 24-31 per
// 8-line character row (384 bytes per screen).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

inline constexpr std::size_t kMgHeaderSize = 256;
// File size of each layout.
constexpr std::size_t MgFileSize(int cellHeight) {
  return cellHeight == 1 ? 19456
                         : kMgHeaderSize + 2 * 6144 + 2 * static_cast<std::size_t>(192 / cellHeight * 32);
}

// Reads any of the four kinds; changes `pic` only on success. Every line of a
// cell receives the cell's colours. The border pair is taken from header
// bytes 5 and 6 when both are 0 ... 7, otherwise the Picture keeps its own. A
// file not starting with "MGH" or with another cell height is refused with
// "Error file format"; one shorter than its layout gives "Read beyond end of
// file". The version, byte 255 and any trailing bytes (disk-sector padding)
// are not looked at.
FileError LoadMgFile(const std::string& name, Picture& pic);
FileError DecodeMg(std::span<const uint8_t> bytes, Picture& pic);

// The layout of the Picture's cell height. An 8x1 Picture is written in the
// MG1 layout: the plain layout at cell height 1 would carry the same header
// byte and be misread by every reader.
FileError WriteMgFile(const std::string& name, const Picture& pic);
std::vector<uint8_t> EncodeMg(const Picture& pic);

// The MG1 layout whatever the Picture's cell height: the central columns take
// the entry at every line, the outer columns the entry at each 8-line row's
// first line.
FileError WriteMg1File(const std::string& name, const Picture& pic);
std::vector<uint8_t> EncodeMg1(const Picture& pic);

}  // namespace cs
