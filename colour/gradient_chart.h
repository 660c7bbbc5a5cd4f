// The gradient chart: the 102 distinct mixed colours as 9 x 9 squares, and the
// blink that shows every full-palette pair giving the pressed colour.
#pragma once

#include <array>
#include <cstdint>

#include "model/current_colours.h"
#include "model/rgb_image.h"

namespace cs {

// Left and top edge, in chart pixels, of the square showing pair (c, r):
// [c][r], c the screen-0 colour, r the screen-1 colour.
extern const std::array<std::array<uint8_t, 15>, 15> GradientSquareX;
extern const std::array<std::array<uint8_t, 15>, 15> GradientSquareY;

inline constexpr int kChartWidth = 76;
inline constexpr int kChartHeight = 229;
inline constexpr Rgb kChartBackground = rgb(16, 16, 16);

// The chart image: squares in the chart's own levels, clusters of touching
// squares outlined in black, the rest the background colour (drawn
// transparent by the panel).
RgbImage MakeGradientChart();
// The chart's level for a full-palette mix level.
int chartLevel(int paletteLevel);

// The blink of the full-palette cells matching a pressed square.
struct GradientBlink {
  std::array<std::array<int, 2>, 8> hits{};  // top-left pixels (16c, 16r)
  int hitCount = 0;
  int countdown = 0;
  Rgb blinkColour = 0;
  bool running = false;  // the blink timer is enabled
};

// A press on the chart at (x, y). Ends a running blink first, restoring its
// cells; returns true when a new blink starts (the timer should run).
bool GradientPress(GradientBlink& b, RgbImage& fullView, const CurrentColours& cc, int x, int y);
// One timer tick; returns false once the blink has stopped.
bool GradientTick(GradientBlink& b, RgbImage& fullView, const CurrentColours& cc);

}  // namespace cs
