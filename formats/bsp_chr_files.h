// Two gallery kinds of 8x8 pictures with a header.
//
// .bsp: "bsp", a configuration byte (bit 7: two screens, a GigaScreen
// picture; bit 6: border data follows), a reserved byte, the border pair
// (screen 0 in bits 0-2, screen 1 in bits 3-5), the title and the author (32
// bytes each, space-padded): 70 bytes. Then the screens, 6912 bytes each
// (display file and 768 attributes). With border data, a GigaScreen file
// first gives, in two bytes after the header, where screen 1's border data
// starts; each screen's border data is a run-length list of colours, of which
// only the first counts here. Without border data the file ends after its
// screens.
//
// .ch$: "chr$", width and height in cells, bytes per cell (8: pixels only,
// 9: pixels and attribute, 18: both screens' 9), then the cells row by row,
// each its 8 pixel rows top down and its attribute. A picture of up to 32 x 24
// cells is put at the top left of a cleared Picture.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

inline constexpr std::size_t kBspHeaderSize = 70;
inline constexpr std::size_t kChrHeaderSize = 7;

FileError DecodeBsp(std::span<const uint8_t> bytes, Picture& pic, std::string& note);
// A GigaScreen .bsp without border data, with the border pair.
std::vector<uint8_t> EncodeBsp(const Picture& pic);

FileError DecodeChr(std::span<const uint8_t> bytes, Picture& pic, std::string& note);
// 32 x 24 cells of 18 bytes.
std::vector<uint8_t> EncodeChr(const Picture& pic);

}  // namespace cs
