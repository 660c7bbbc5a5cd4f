// The overlays drawn over the magnified picture: the per-pixel grid, the
// per-cell grid and the marching-ants outline of the selection. Each is a set
// of one-pixel lines whose dots are copied from a periodic pattern, so a line
// is a segment plus the pattern position of its first pixel. Segments are
// produced already clipped to the area being painted, in drawing order:
// pixel grid, then char grid (so it lies on top), then the ants.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/editor_state.h"
#include "model/rgb_image.h"
#include "render/view_geometry.h"

namespace cs {

enum class Pattern : uint8_t { PixelGridRow, PixelGridColumn, CharGridRow, CharGridColumn, AntsRow, AntsColumn };
inline constexpr int kPatternCount = 6;

constexpr bool isColumnPattern(Pattern p) {
  return p == Pattern::PixelGridColumn || p == Pattern::CharGridColumn || p == Pattern::AntsColumn;
}
// Grid dots alternate every pixel; the ants repeat every 16.
constexpr int periodOf(Pattern p) { return p == Pattern::AntsRow || p == Pattern::AntsColumn ? 16 : 2; }

// The largest editor image, at zoom level 4.
inline constexpr int kMaxImageWidth = 4096;
inline constexpr int kMaxImageHeight = 3072;

// Pattern images: rows are N x 1, columns 1 x N, one period longer than the
// largest image so any segment can be copied from an offset below the period.
// Grid rows start with the grey dot at 0 (lines are copied from offset 1 for
// a line starting at 0); the ants run 8 white, 8 black.
struct OverlayPatterns {
  std::array<RgbImage, kPatternCount> images;
  const RgbImage& of(Pattern p) const { return images[static_cast<size_t>(p)]; }
};
OverlayPatterns MakeOverlayPatterns();

inline constexpr Rgb kGridGrey = rgb(128, 128, 128);
inline constexpr Rgb kPixelGridDot = rgb(0, 0, 0);
inline constexpr Rgb kCharGridDot = rgb(255, 255, 255);

// A one-pixel line: horizontal for row patterns, vertical for column
// patterns; `source` is the pattern position of its first pixel.
struct Segment {
  Pattern pattern;
  int x, y, length;
  int source;
  friend bool operator==(const Segment&, const Segment&) = default;
};

// What the overlays of the editor image depend on.
struct OverlayView {
  int scale = 4;
  int cellHeight = 1;
  bool pixelGrid = false;
  bool charGrid = false;
  bool antsVisible = false;
  ScreenRect antsOutline;  // the selection's rectangle in screen pixels
  int antsPhase = 0;
  // The centre lines that painting is mirrored about.
  bool mirrorLeftRight = false;
  bool mirrorTopBottom = false;
};

// The view of the editor state at its current zoom.
OverlayView OverlayViewOf(const EditorState& state);

// Screen rectangle of the selection: cells are 8s wide and h*s high.
ScreenRect SelectionOutline(const Selection& sel, int scale, int cellHeight);

// The four edges of a marching-ants outline. The top and right edges read the
// pattern from 15 - phase, the bottom and left from phase, so as the phase
// advances the dashes run around the rectangle.
void CollectAntsSegments(ScreenRect outline, int phase, ScreenRect clip, std::vector<Segment>& out);

// Every overlay segment that touches `clip`, in drawing order.
void CollectEditorOverlays(const OverlayView& view, ScreenRect clip, std::vector<Segment>& out);

// The rectangles an ants outline covers (its four edges), to repaint when
// the phase moves.
std::array<ScreenRect, 4> AntsEdgeRects(ScreenRect outline);

// Copies segments into a pixel buffer whose (0, 0) is screen pixel
// (originX, originY); parts outside the buffer are skipped.
void DrawSegments(RgbImage& target, int originX, int originY, const std::vector<Segment>& segments,
                  const OverlayPatterns& patterns);

}  // namespace cs
