// The sixteen 8 x 8 patterns that fills and filled shapes paint with: where a
// pattern's bit is 1 a pixel takes the current mix, where it is 0 the second
// mix. Rows are bytes like the Picture's pixel bytes: bit 7 is x mod 8 = 0.
#pragma once

#include <array>
#include <cstdint>

namespace cs {

inline constexpr int kFillPatternCount = 16;
inline constexpr int kSolidPattern = 0;

struct FillPattern {
  const char* name;  // English, marked for the core's translation; the panel shows it as the swatch's hint
  std::array<uint8_t, 8> rows;
};

const std::array<FillPattern, kFillPatternCount>& Patterns();

// The standard 8 x 8 ordered-dither matrix, values 0..63, B[y][x].
int Bayer(int x, int y);

// The pattern's bits for picture line y (x mod 8 = 0 in bit 7).
inline uint8_t PatternRow(int pattern, int y) { return Patterns()[pattern].rows[y & 7]; }

}  // namespace cs
