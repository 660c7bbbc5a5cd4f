// What the editor image, the preview and the magnifier show of the Picture,
// and in which palette. Painting, picking and selecting work the same in
// every view; only the shown colours change.
#pragma once

#include <cstdint>

namespace cs {

enum class ViewMode : uint8_t {
  Mix,          // both screens mixed, as the eye sees them
  Flicker,      // the two screens alternating, one per display frame
  Interlace,    // even lines of one screen, odd lines of the other, swapping each frame
  Screen0,      // screen 0 alone
  Screen1,      // screen 1 alone
  FlickerRisk,  // a grey map of where the picture flickers
};

// chromaSmith's own palette and the ones the zxart gallery renders with.
enum class ViewPalette : uint8_t { ChromaSmith, Srgb, Pulsar, Orthodox, Alone, Electroscale };
inline constexpr int kViewPaletteCount = 6;

}  // namespace cs
