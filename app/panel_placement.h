// Where a floating panel goes when the user drags its caption strip, and
// where the About panel goes each time it is shown.
#pragma once

namespace cs {

struct PanelPoint {
  int x = 0, y = 0;
  friend bool operator==(const PanelPoint&, const PanelPoint&) = default;
};

// The caption-strip drag (MoveWindowDown, MoveWindowMove, MoveWindowUp): the
// panel follows the mouse's travel since the press exactly, with no snapping
// and no limit, so it can leave the work area. Positions are the cursor's on
// the screen; the strip keeps the mouse while a button is held, so moves
// arrive wherever the cursor goes.
class CaptionDrag {
 public:
  void press(PanelPoint cursor, PanelPoint panelPos);
  // Where the panel goes, or false when no drag is under way.
  bool move(PanelPoint cursor, PanelPoint& panelPos) const;
  void release() { dragging_ = false; }
  bool dragging() const { return dragging_; }

 private:
  bool dragging_ = false;
  PanelPoint origin_;
  PanelPoint start_;
};

// The offset that centres `inner` in `outer`: trunc(outer / 2 - inner / 2)
// in real arithmetic, truncated toward zero, so a panel larger than the
// window by an odd amount lands half a pixel nearer the middle.
int CentredOffset(int outer, int inner);

}  // namespace cs
