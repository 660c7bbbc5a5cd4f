#include "render/gallery_palette.h"

#include <cmath>

namespace cs {

namespace {

// A gallery palette: the component level of a screen pair seen together,
// by the two screens' levels (zero, normal, bright), and the correction
// matrix applied to each colour, in 255ths.
struct GalleryLevels {
  int zz, zn, nn, nb, bb, zb;
  int matrix[3][3];
};

// The levels the gallery's renderer uses for each palette.
constexpr GalleryLevels kSrgb{0x00, 0x96, 0xCD, 0xE8, 0xFF, 0xBC, {{0xFF, 0, 0}, {0, 0xFF, 0}, {0, 0, 0xFF}}};
constexpr GalleryLevels kPulsar{0x00, 0x76, 0xCD, 0xE9, 0xFF, 0x9F, {{0xFF, 0, 0}, {0, 0xFF, 0}, {0, 0, 0xFF}}};
constexpr GalleryLevels kOrthodox{0x00, 0x76, 0xCD, 0xE9, 0xFF, 0x9F, {{0xD0, 0, 0}, {0, 0xE4, 0}, {0, 0, 0xFF}}};
constexpr GalleryLevels kAlone{0x00, 0x60, 0xA0, 0xE0, 0xFF, 0xA0, {{0xFF, 0, 0}, {0, 0xFF, 0}, {0, 0, 0xFF}}};
constexpr GalleryLevels kElectroscale{
    0x4F, 0xA1, 0xDD, 0xF0, 0xFF, 0xBD, {{0x39, 0x73, 0x1D}, {0x3C, 0x77, 0x1E}, {0x46, 0x8C, 0x23}}};

constexpr std::array<const char*, kViewPaletteCount> kNames{"chromaSmith", "srgb",  "pulsar",
                                                             "orthodox",    "alone", "electroscale"};

const GalleryLevels& levelsOf(ViewPalette p) {
  switch (p) {
    case ViewPalette::Pulsar: return kPulsar;
    case ViewPalette::Orthodox: return kOrthodox;
    case ViewPalette::Alone: return kAlone;
    case ViewPalette::Electroscale: return kElectroscale;
    default: return kSrgb;
  }
}

// 0 zero, 1 normal, 2 bright: one component of a colour index (15 and above
// read as black, like the mix table's spare slot).
int levelClass(int index, int channelBit) {
  if (index <= 0 || index > 14) return 0;
  if (!(((index + 1) / 2) & channelBit)) return 0;
  return index % 2 == 0 ? 2 : 1;
}

int pairLevel(const GalleryLevels& g, int a, int b) {
  const int table[3][3] = {{g.zz, g.zn, g.zb}, {g.zn, g.nn, g.nb}, {g.zb, g.nb, g.bb}};
  return table[a][b];
}

int singleLevel(const GalleryLevels& g, int a) { return a == 0 ? g.zz : a == 1 ? g.nn : g.bb; }

// Rounded to the nearest, as the gallery rounds (never a tie: 255 is odd).
int corrected(const GalleryLevels& g, int channel, int r, int gr, int b) {
  const int v = r * g.matrix[channel][0] + gr * g.matrix[channel][1] + b * g.matrix[channel][2];
  return (2 * v + 255) / 510;
}

// The gallery's images pass through a gamma of 2.2 and back, each way
// rounded to whole levels, which moves the darker levels a little.
int gammaRoundTrip(int v) {
  const auto step = [](int c, double gamma) {
    return static_cast<int>(std::pow(c / 255.0, gamma) * 255 + 0.5);
  };
  return step(step(v, 2.2), 1.0 / 2.2);
}

Rgb colourOf(const GalleryLevels& g, int r, int gr, int b) {
  return rgb(gammaRoundTrip(corrected(g, 0, r, gr, b)), gammaRoundTrip(corrected(g, 1, r, gr, b)),
             gammaRoundTrip(corrected(g, 2, r, gr, b)));
}

// Channel bits of the ZX colour number: red 2, green 4, blue 1.
constexpr int kRed = 2, kGreen = 4, kBlue = 1;

}  // namespace

const char* viewPaletteName(ViewPalette p) { return kNames[static_cast<std::size_t>(p)]; }

std::optional<ViewPalette> viewPaletteByName(std::string_view name) {
  for (int i = 0; i < kViewPaletteCount; ++i)
    if (name == kNames[static_cast<std::size_t>(i)]) return static_cast<ViewPalette>(i);
  return std::nullopt;
}

ColourTables ViewPaletteTables(ViewPalette p) {
  ColourTables t;
  if (p == ViewPalette::ChromaSmith) return t;
  const GalleryLevels& g = levelsOf(p);
  for (int a = 0; a < 16; ++a) {
    t.zx[static_cast<std::size_t>(a)] = colourOf(g, singleLevel(g, levelClass(a, kRed)),
                                                 singleLevel(g, levelClass(a, kGreen)),
                                                 singleLevel(g, levelClass(a, kBlue)));
    for (int b = 0; b < 16; ++b)
      t.mix.cells[static_cast<std::size_t>(a * 16 + b)] =
          colourOf(g, pairLevel(g, levelClass(a, kRed), levelClass(b, kRed)),
                   pairLevel(g, levelClass(a, kGreen), levelClass(b, kGreen)),
                   pairLevel(g, levelClass(a, kBlue), levelClass(b, kBlue)));
  }
  return t;
}

namespace {
uint8_t normalIndexOf(uint8_t zx) { return zx == 0 ? 0 : static_cast<uint8_t>(2 * zx - 1); }
}  // namespace

Rgb screenBorder(const ColourTables& t, uint8_t borderIndex) {
  return t.zx[normalIndexOf(borderIndex & 7)];
}

Rgb mixedBorder(const ColourTables& t, uint8_t borderIndex0, uint8_t borderIndex1) {
  return t.mix.at(normalIndexOf(borderIndex0 & 7), normalIndexOf(borderIndex1 & 7));
}

}  // namespace cs
