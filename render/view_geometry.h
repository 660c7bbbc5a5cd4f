// Geometry of the zoomed editor view: the four zoom levels, the sizes of the
// editor image at each, and where the picture sits in the scroll box after a
// zoom change or a resize. One axis at a time, so the same rules serve
// horizontal and vertical placement.
#pragma once

namespace cs {

// A rectangle of screen pixels of the editor image.
struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Division rounding toward minus infinity: a screen position left of or
// above the image maps to a negative picture pixel, never to pixel 0.
constexpr int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 4;

// Screen pixels per picture pixel at a zoom level: 4, 8, 12 or 16.
constexpr int PixelScaleOf(int zoomLevel) { return 4 * zoomLevel; }

// The editor image is the picture at its scale; the panel around it adds a
// one-pixel border on every side.
inline constexpr int kEditPanelBorder = 1;
constexpr int EditorImageWidth(int zoomLevel) { return 256 * PixelScaleOf(zoomLevel); }
constexpr int EditorImageHeight(int zoomLevel) { return 192 * PixelScaleOf(zoomLevel); }
constexpr int EditPanelWidth(int zoomLevel) { return EditorImageWidth(zoomLevel) + 2 * kEditPanelBorder; }
constexpr int EditPanelHeight(int zoomLevel) { return EditorImageHeight(zoomLevel) + 2 * kEditPanelBorder; }

// Placement of the picture panel along one axis of the scroll box: `offset`
// is the panel's position in the box's content (non-zero only when it is
// smaller than the viewport and centred), `scroll` the scroll position.
struct AxisPlacement {
  int offset = 0;
  int scroll = 0;
  friend bool operator==(const AxisPlacement&, const AxisPlacement&) = default;
};

// A panel smaller than the viewport is centred and cannot scroll; a larger
// one starts at the origin. Used whenever the picture window is resized.
AxisPlacement CentreAxis(int viewport, int panelLength);

// The picture point (in picture pixels, 0 .. pictureLength) under the middle
// of the viewport.
double CentrePoint(int viewport, AxisPlacement now, int scale, int pictureLength);

// Placement after a zoom change that keeps `centre` in the middle of the
// viewport, to within a screen pixel. A panel that fits is centred.
// `pictureLength` is 256 or 192 picture pixels.
AxisPlacement ZoomAxis(int viewport, double centre, int newScale, int pictureLength);

// Largest scroll position for content of `range` pixels (the whole panel) in
// the viewport.
constexpr int MaxScroll(int range, int viewport) { return range > viewport ? range - viewport : 0; }

// The zoom level one wheel notch leads to, or 0 when the notch does nothing:
// at most one step per timer tick (`wheelReady`) and never past the limits.
int WheelZoomTarget(int zoomLevel, bool wheelUp, bool wheelReady);

// Notches sent within this many milliseconds of the notch that last zoomed
// do nothing, however late they are handled: a burst queued behind a slow
// zoom must not zoom again when the timer has meanwhile re-armed the wheel.
inline constexpr unsigned kWheelStepMs = 100;

// True when a notch sent at `eventMs` (the window system's event time, which
// wraps at 32 bits; 0 when unknown) is far enough from `lastZoomMs`, the time
// of the notch that zoomed last (0 when none).
constexpr bool WheelStepDue(unsigned lastZoomMs, unsigned eventMs) {
  return lastZoomMs == 0 || eventMs == 0 || eventMs - lastZoomMs >= kWheelStepMs;
}

}  // namespace cs
