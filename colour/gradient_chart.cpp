#include "colour/gradient_chart.h"

#include "colour/palette_images.h"
#include "model/colour.h"

namespace cs {

// clang-format off
const std::array<std::array<uint8_t, 15>, 15> GradientSquareX{{
    { 47,   2,  11,   2,  11,   2,  11,   2,  11,   2,  11,   2,  11,   2,  11},
    {  2,  20,  29,   2,  11,  20,  29,   2,  11,  20,  29,   2,  65,  56,  29},
    { 11,  29,  38,  11,  11,  29,  38,  11,  11,  29,  38,  65,  11,  47,  38},
    {  2,   2,  11,  20,  29,  20,  29,   2,  11,   2,  65,  20,  29,  56,  29},
    { 11,  11,  11,  29,  38,  29,  38,  11,  11,  65,  11,  29,  38,  47,  38},
    {  2,  20,  29,  20,  29,  20,  29,   2,  65,  56,  47,  56,  47,  56,  29},
    { 11,  29,  38,  29,  38,  29,  38,  65,  11,  47,  38,  47,  38,  47,  38},
    {  2,   2,  11,   2,  11,   2,  65,  20,  29,  20,  29,  20,  29,  56,  29},
    { 11,  11,  11,  11,  11,  65,  11,  29,  38,  29,  38,  29,  38,  47,  38},
    {  2,  20,  29,   2,  65,  56,  47,  20,  29,  20,  29,  56,  47,  56,  29},
    { 11,  29,  38,  65,  11,  47,  38,  29,  38,  29,  38,  47,  38,  47,  38},
    {  2,   2,  65,  20,  29,  56,  47,  20,  29,  56,  47,  20,  29,  56,  29},
    { 11,  65,  11,  29,  38,  47,  38,  29,  38,  47,  38,  29,  38,  47,  38},
    {  2,  56,  47,  56,  47,  56,  47,  56,  47,  56,  47,  56,  47,  20,  29},
    { 11,  29,  38,  29,  38,  29,  38,  29,  38,  29,  38,  29,  38,  29,  38},
}};

const std::array<std::array<uint8_t, 15>, 15> GradientSquareY{{
    { 56, 110, 110, 218, 218,  83,  83, 164, 164, 137, 137, 191, 191,  56,  56},
    {110, 110, 110,  83,  65, 101,  92, 137, 155, 119, 128,  56, 191, 110,  11},
    {110, 110, 110, 101,  83, 101,  92, 119, 137, 119, 128, 110,  56, 110,  11},
    {218,  83, 101, 218, 218,  65,  74, 191, 173,  56, 137, 209, 200, 218,  47},
    {218,  65,  83, 218, 218,  65,  74, 209, 191, 218,  56, 209, 200, 218,  47},
    { 83, 101, 101,  65,  65,  83,  83,  56, 164, 110, 128, 218, 200,  83,   2},
    { 83,  92,  92,  74,  74,  83,  83,  83,  56,  92,  11,  74,  47,  83,   2},
    {164, 137, 119, 191, 209,  56,  83, 164, 164, 155, 146, 173, 182, 164,  29},
    {164, 155, 137, 173, 191, 164,  56, 164, 164, 155, 146, 173, 182, 164,  29},
    {137, 119, 119,  56, 218, 110,  92, 155, 155, 137, 137, 164, 182, 137,  20},
    {137, 128, 128, 137,  56, 128,  11, 146, 146, 137, 137, 146,  29, 137,  20},
    {191,  56, 110, 209, 209, 218,  74, 173, 173, 164, 146, 191, 191, 191,  38},
    {191, 191,  56, 200, 200, 200,  47, 182, 182, 182,  29, 191, 191, 191,  38},
    { 56, 110, 110, 218, 218,  83,  83, 164, 164, 137, 137, 191, 191,  56,  56},
    { 56,  11,  11,  47,  47,   2,   2,  29,  29,  20,  20,  38,  38,  56,  56},
}};
// clang-format on

int chartLevel(int paletteLevel) {
  switch (paletteLevel) {
    case 0x73: return 0x75;
    case 0x9D: return 0x9E;
    case 0xCA: return 0xCC;
    case 0xE6: return 0xE8;
    default: return paletteLevel;  // 0x00 and 0xFE are the same in both
  }
}

namespace {

Rgb chartColour(Rgb paletteColour) {
  return rgb(chartLevel(red(paletteColour)), chartLevel(green(paletteColour)), chartLevel(blue(paletteColour)));
}

// Which 9-pixel grid slot a square occupies; the chart has 8 columns and 25 rows.
constexpr int kSlotCols = 8;
constexpr int kSlotRows = 25;

}  // namespace

RgbImage MakeGradientChart() {
  RgbImage img(kChartWidth, kChartHeight, kChartBackground);
  const MixTable mix = ComputeMixTable();
  bool used[kSlotCols][kSlotRows] = {};
  for (int c = 0; c < 15; ++c)
    for (int r = 0; r < 15; ++r) {
      const int x = GradientSquareX[size_t(c)][size_t(r)], y = GradientSquareY[size_t(c)][size_t(r)];
      img.fillRect(x, y, 9, 9, chartColour(mix.at(uint8_t(c), uint8_t(r))));
      used[(x - 2) / 9][(y - 2) / 9] = true;
    }
  // Outline every cluster of touching squares: a black edge wherever a used
  // slot borders an unused one or the chart's margin.
  const Rgb black = rgb(0, 0, 0);
  auto isUsed = [&](int i, int j) { return i >= 0 && j >= 0 && i < kSlotCols && j < kSlotRows && used[i][j]; };
  for (int i = 0; i < kSlotCols; ++i)
    for (int j = 0; j < kSlotRows; ++j) {
      if (!used[i][j]) continue;
      const int x = 2 + 9 * i, y = 2 + 9 * j;
      if (!isUsed(i - 1, j)) img.fillRect(x - 1, y - 1, 1, 11, black);
      if (!isUsed(i + 1, j)) img.fillRect(x + 9, y - 1, 1, 11, black);
      if (!isUsed(i, j - 1)) img.fillRect(x - 1, y - 1, 11, 1, black);
      if (!isUsed(i, j + 1)) img.fillRect(x - 1, y + 9, 11, 1, black);
    }
  return img;
}

namespace {

void fillHits(const GradientBlink& b, RgbImage& fullView, Rgb colour) {
  for (int i = 0; i < b.hitCount; ++i) fullView.fillRect(b.hits[size_t(i)][0], b.hits[size_t(i)][1], 16, 16, colour);
}

// Gives the blinking cells back their own colours, from the mix table rather
// than from a sample, so an interrupted blink is restored exactly even before
// its first tick.
void restoreHits(const GradientBlink& b, RgbImage& fullView, const CurrentColours& cc) {
  const MixTable mix = ComputeMixTable();
  for (int i = 0; i < b.hitCount; ++i) {
    const int x = b.hits[size_t(i)][0], y = b.hits[size_t(i)][1];
    fullView.fillRect(x, y, 16, 16, mix.at(uint8_t(x / 16), uint8_t(y / 16)));
  }
  DrawFullPaletteMarkers(fullView, cc);
}

}  // namespace

bool GradientPress(GradientBlink& b, RgbImage& fullView, const CurrentColours& cc, int x, int y) {
  if (b.running) {
    b.running = false;
    restoreHits(b, fullView, cc);
  }
  b.hitCount = 0;
  b.countdown = 20;
  for (int r = 0; r < 15; ++r)
    for (int c = 0; c < 15; ++c) {
      const int sx = GradientSquareX[size_t(c)][size_t(r)], sy = GradientSquareY[size_t(c)][size_t(r)];
      if (sx <= x && x < sx + 9 && sy <= y && y < sy + 9 && b.hitCount < 8) b.hits[size_t(b.hitCount++)] = {16 * c, 16 * r};
    }
  b.running = b.hitCount > 0;
  return b.running;
}

bool GradientTick(GradientBlink& b, RgbImage& fullView, const CurrentColours& cc) {
  if (!b.running) return false;
  if (b.countdown == 20) b.blinkColour = fullView.at(b.hits[0][0] + 2, b.hits[0][1] + 2);
  if (b.countdown == 0) {
    b.running = false;
    return false;
  }
  fillHits(b, fullView, b.countdown % 2 == 0 ? rgb(255, 255, 255) : b.blinkColour);
  DrawFullPaletteMarkers(fullView, cc);
  --b.countdown;
  return true;
}

}  // namespace cs
