// The colour model: the 15 colour indices, their ZX palette colours, the
// GigaScreen mix table, the palette images built from the same component rule,
// the ZX attribute conversions and the brightness coupling of one screen's pair.
#pragma once

#include <array>
#include <cstdint>

#include "model/rgb_image.h"

namespace cs {

inline constexpr int kColourCount = 15;  // indices 0..14

// Colour index 0 is black; 2z-1 and 2z are normal and bright ZX colour z.
constexpr bool isBright(uint8_t index) { return index != 0 && index % 2 == 0; }
// Maps any byte to a safe table index: 0..14 stay, 15 and above read slot 15,
// which the tables fill like black, so a damaged plane can never read outside.
constexpr uint8_t safeIndex(uint8_t index) { return index < 15 ? index : 15; }

inline constexpr std::array<uint8_t, 15> NormalOf{0, 1, 1, 3, 3, 5, 5, 7, 7, 9, 9, 11, 11, 13, 13};
inline constexpr std::array<uint8_t, 15> BrightOf{0, 2, 2, 4, 4, 6, 6, 8, 8, 10, 10, 12, 12, 14, 14};
inline constexpr std::array<uint8_t, 15> PaperBits{0x00, 0x08, 0x48, 0x10, 0x50, 0x18, 0x58, 0x20,
                                                   0x60, 0x28, 0x68, 0x30, 0x70, 0x38, 0x78};
inline constexpr std::array<uint8_t, 15> InkBits{0x00, 0x01, 0x41, 0x02, 0x42, 0x03, 0x43, 0x04,
                                                 0x44, 0x05, 0x45, 0x06, 0x46, 0x07, 0x47};
inline constexpr std::array<uint8_t, 8> BitMask{0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};

// Component level of one screen: 0, 202 (normal) or 254 (bright).
inline constexpr int kNormalLevel = 202;
inline constexpr int kBrightLevel = 254;

// The two levels of one component seen in alternate frames.
constexpr int mixComponent(int a, int b) {
  if (a > b) return mixComponent(b, a);
  if (a == b) return a;
  if (a == 0) return b == kNormalLevel ? 115 : 157;
  return 230;  // 202 with 254
}

// ZX palette colour of a colour index; 15 and above show black.
Rgb zxColour(uint8_t index);
// The ZX palette as a 16-entry table (slot 15 black).
using ZxPalette = std::array<Rgb, 16>;
ZxPalette MakeZxPalette();

// MixTable[c0][c1]: the colour seen where screen 0 shows c0 and screen 1 c1.
// Stored as 16 x 16; row and column 15 mix like black, for damaged indices.
struct MixTable {
  std::array<Rgb, 256> cells{};
  Rgb at(uint8_t c0, uint8_t c1) const { return cells[safeIndex(c0) * 16u + safeIndex(c1)]; }
};
// The table from the component rule.
MixTable ComputeMixTable();
// The table sampled from the full-palette image at (16 c0, 16 c1).
MixTable BuildMixTable(const RgbImage& fullPalette);

// The palette images the panels show and the code reads colours from.
RgbImage MakeZxPaletteImage();    // IMG_SRC_ZXPAL, 240 x 16
RgbImage MakeFullPaletteImage();  // IMG_SRC_FULLPAL, 240 x 240
RgbImage MakeBorderPaletteImage();  // IMG_SRC_BORDER, 128 x 128

// Mix of two normal ZX colours (0..7) as the border palette shows it.
Rgb BorderColor(uint8_t borderIndex0, uint8_t borderIndex1);

// ZX attribute byte of a cell: INK goes to the paper field (it colours the
// clear bits), PAP to the ink field; BRIGHT is set if either is bright.
uint8_t AttributeByte(uint8_t ink, uint8_t pap);
struct InkPap {
  uint8_t ink, pap;
  friend bool operator==(const InkPap&, const InkPap&) = default;
};
// The inverse: paper field -> INK index, ink field -> PAP index; FLASH ignored.
InkPap SplitAttribute(uint8_t attribute);

// Brightness coupling of one screen's pair: the target follows the other's
// brightness unless either is black.
void CoupleBright(uint8_t& target, uint8_t other);

}  // namespace cs
