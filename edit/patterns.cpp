#include "edit/patterns.h"

#include <cstddef>

#include "model/translatable.h"

namespace cs {

namespace {

constexpr uint8_t kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21},
};

// The ordered-dither level of `sixteenths` / 16: bit 1 where B < 64 p.
constexpr FillPattern Dither(const char* name, int sixteenths) {
  FillPattern p{name, {}};
  for (int y = 0; y < 8; ++y) {
    uint8_t row = 0;
    for (int x = 0; x < 8; ++x)
      if (kBayer[y][x] < 4 * sixteenths) row = uint8_t(row | (0x80 >> x));
    p.rows[std::size_t(y)] = row;
  }
  return p;
}

constexpr std::array<FillPattern, kFillPatternCount> kPatterns = {{
    {CS_TRANSLATE_NOOP("Core", "Solid"), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    Dither("1/16", 1),
    Dither("1/8", 2),
    Dither("1/4", 4),
    Dither("3/8", 6),
    Dither("1/2", 8),
    Dither("5/8", 10),
    Dither("3/4", 12),
    Dither("7/8", 14),
    Dither("15/16", 15),
    {CS_TRANSLATE_NOOP("Core", "Horizontal lines"), {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}},
    {CS_TRANSLATE_NOOP("Core", "Vertical lines"), {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA}},
    {CS_TRANSLATE_NOOP("Core", "Diagonal \\"), {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11}},
    {CS_TRANSLATE_NOOP("Core", "Diagonal /"), {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88}},
    {CS_TRANSLATE_NOOP("Core", "Brick"), {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08}},
    {CS_TRANSLATE_NOOP("Core", "Cross-hatch"), {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}},
}};

}  // namespace

const std::array<FillPattern, kFillPatternCount>& Patterns() { return kPatterns; }

int Bayer(int x, int y) { return kBayer[y & 7][x & 7]; }

}  // namespace cs
