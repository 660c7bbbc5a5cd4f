// The reference image drawn over the editor image to trace from: where it
// lies over the picture, how strongly it shows and whether it is shown. It
// never touches the Picture; the decoded image itself lives with the window.
#pragma once

#include <string>

namespace cs {

// How the reference's size at 100 % is chosen: the whole image inside the
// picture, or the picture filled with the overhang cut; centred either way.
enum class ReferenceFit { Fit, Cover };

inline constexpr int kMinReferenceScale = 10;  // percent of the fitted size
inline constexpr int kMaxReferenceScale = 800;
// Offsets beyond this move the image far past any edge of the picture.
inline constexpr int kMaxReferenceOffset = 4096;

struct ReferencePlacement {
  ReferenceFit fit = ReferenceFit::Fit;
  int scale = 100;  // percent of the size the fit gives
  int offsetX = 0;  // picture pixels from the centred position
  int offsetY = 0;
  int opacity = 50;  // percent
  friend bool operator==(const ReferencePlacement&, const ReferencePlacement&) = default;
};

struct ReferenceState {
  std::string fileName;  // the image's name as the system spells it; empty: none
  ReferencePlacement placement;
  bool shown = false;
  bool onPreview = false;  // the preview shows it too
  bool moving = false;     // drags and Ctrl+wheel on the editor image move and scale it
  bool loaded() const { return !fileName.empty(); }
};

}  // namespace cs
