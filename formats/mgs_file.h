// The native *.mgs file: the whole Picture without loss, including attribute
// entries at lines the cell height ignores.
//
// Layout (single bytes, no padding): "MGS", version, cell height, border of
// screen 0, border of screen 1 (version 1 and above only), then both pixel
// planes and both attribute planes in line order. A pixel plane in line order
// lists line 0's 32 columns, then line 1's, ...; an attribute plane lists, per
// line and column, the PAP index and then the INK index. Version 0 files have
// no border bytes and keep the Picture's border.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

inline constexpr std::size_t kMgsFileSize = 36871;    // version 1, the one written
inline constexpr std::size_t kMgsV0FileSize = 36869;  // version 0, read only

// Both change `pic` only on success. A file is refused with "Error file
// format" when it does not start with "MGS", its cell height is not 8, 4, 2 or
// 1, a border index is above 7 or a colour index above 14; a file shorter than
// its layout gives "Read beyond end of file". Bytes past the layout are ignored.
FileError LoadMgsFile(const std::string& name, Picture& pic);
FileError DecodeMgs(std::span<const uint8_t> bytes, Picture& pic);

// Writes version 1.
FileError SaveMgsFile(const std::string& name, const Picture& pic);
std::vector<uint8_t> EncodeMgs(const Picture& pic);

}  // namespace cs
