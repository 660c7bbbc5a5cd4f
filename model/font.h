// A font of 8x8 glyphs for lettering: each glyph is 8 bytes, its rows top to
// bottom, bit 7 the leftmost pixel, found by the Unicode code point it draws.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace cs {

using Glyph = std::array<uint8_t, 8>;

struct Font {
  std::string name;  // what the Brush panel shows: "Built-in" or the file's name
  std::map<char32_t, Glyph> glyphs;

  // The glyph of `c`, or null when the font lacks it.
  const Glyph* glyph(char32_t c) const {
    const auto it = glyphs.find(c);
    return it == glyphs.end() ? nullptr : &it->second;
  }
};

}  // namespace cs
