// Where a point of a floating panel lets the user grab it: the 5-pixel bands
// along its edges resize it, a panel set to move as a whole is dragged from
// anywhere, and a panel docked to one side only resizes at its free edge.
#pragma once

namespace cs {

// How a panel sits in its parent: placed by hand (None, Custom), filling it
// (Client) or docked to one side.
enum class PanelAlign { None, Client, Custom, Top, Bottom, Left, Right };

enum class PanelZone {
  Client,  // no grip: the point belongs to the panel's content
  Caption,  // drag moves the panel
  Left, Right, Top, Bottom,
  TopLeft, TopRight, BottomLeft, BottomRight,
};

inline constexpr int kResizeBand = 5;

// (x, y) in the panel's coordinates, w x h its size.
PanelZone PanelHitTest(int x, int y, int w, int h, PanelAlign align, bool moving);

// The bounds after dragging `zone` by (dx, dy) from `start` (left, top, width,
// height), keeping at least minWidth x minHeight; the opposite edges stay put.
struct PanelRect {
  int left, top, width, height;
  friend bool operator==(const PanelRect&, const PanelRect&) = default;
};
PanelRect ResizePanel(PanelRect start, PanelZone zone, int dx, int dy, int minWidth, int minHeight);

}  // namespace cs
