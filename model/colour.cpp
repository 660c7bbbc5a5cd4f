#include "model/colour.h"

namespace cs {

namespace {

int level(uint8_t index) {
  if (index == 0 || index > 14) return 0;
  return isBright(index) ? kBrightLevel : kNormalLevel;
}

// ZX colour number z (1 blue ... 7 white) carries blue in bit 0, red in bit 1,
// green in bit 2.
int zxNumber(uint8_t index) { return (index + 1) / 2; }

int componentLevel(uint8_t index, int bit) {
  if (index == 0 || index > 14) return 0;
  return (zxNumber(index) & bit) ? level(index) : 0;
}

Rgb mixOf(uint8_t c0, uint8_t c1) {
  return rgb(mixComponent(componentLevel(c0, 2), componentLevel(c1, 2)),
             mixComponent(componentLevel(c0, 4), componentLevel(c1, 4)),
             mixComponent(componentLevel(c0, 1), componentLevel(c1, 1)));
}

uint8_t normalIndexOfZx(uint8_t z) { return z == 0 ? 0 : static_cast<uint8_t>(2 * z - 1); }

}  // namespace

Rgb zxColour(uint8_t index) {
  return rgb(componentLevel(index, 2), componentLevel(index, 4), componentLevel(index, 1));
}

ZxPalette MakeZxPalette() {
  ZxPalette p{};
  for (int i = 0; i < 16; ++i) p[static_cast<std::size_t>(i)] = zxColour(static_cast<uint8_t>(i));
  return p;
}

MixTable ComputeMixTable() {
  MixTable t;
  for (int a = 0; a < 16; ++a)
    for (int b = 0; b < 16; ++b)
      t.cells[static_cast<std::size_t>(a * 16 + b)] = mixOf(static_cast<uint8_t>(a), static_cast<uint8_t>(b));
  return t;
}

MixTable BuildMixTable(const RgbImage& fullPalette) {
  MixTable t = ComputeMixTable();  // supplies the black-like slot 15
  for (int a = 0; a < kColourCount; ++a)
    for (int b = 0; b < kColourCount; ++b)
      t.cells[static_cast<std::size_t>(a * 16 + b)] = fullPalette.at(16 * a, 16 * b);
  return t;
}

RgbImage MakeZxPaletteImage() {
  RgbImage img(240, 16);
  for (int k = 0; k < kColourCount; ++k) img.fillRect(16 * k, 0, 16, 16, zxColour(static_cast<uint8_t>(k)));
  return img;
}

RgbImage MakeFullPaletteImage() {
  RgbImage img(240, 240);
  for (int c0 = 0; c0 < kColourCount; ++c0)
    for (int c1 = 0; c1 < kColourCount; ++c1)
      img.fillRect(16 * c0, 16 * c1, 16, 16, mixOf(static_cast<uint8_t>(c0), static_cast<uint8_t>(c1)));
  return img;
}

RgbImage MakeBorderPaletteImage() {
  RgbImage img(128, 128);
  for (uint8_t b0 = 0; b0 < 8; ++b0)
    for (uint8_t b1 = 0; b1 < 8; ++b1) img.fillRect(16 * b0, 16 * b1, 16, 16, BorderColor(b0, b1));
  return img;
}

Rgb BorderColor(uint8_t borderIndex0, uint8_t borderIndex1) {
  return mixOf(normalIndexOfZx(borderIndex0 & 7), normalIndexOfZx(borderIndex1 & 7));
}

uint8_t AttributeByte(uint8_t ink, uint8_t pap) {
  return static_cast<uint8_t>(PaperBits[safeIndex(ink) % 15] | InkBits[safeIndex(pap) % 15]);
}

InkPap SplitAttribute(uint8_t attribute) {
  const int bright = (attribute >> 6) & 1;
  auto index = [bright](int z) { return static_cast<uint8_t>(z == 0 ? 0 : 2 * z - 1 + bright); };
  return {index((attribute >> 3) & 7), index(attribute & 7)};
}

void CoupleBright(uint8_t& target, uint8_t other) {
  if (target == 0 || other == 0 || target > 14) return;
  target = isBright(other) ? BrightOf[target] : NormalOf[target];
}

}  // namespace cs
