// Where a floating panel goes when the user drags its caption strip, and
// where the About panel goes each time it is shown.
#pragma once

namespace cs {

struct PanelPoint {
  int x = 0, y = 0;
  friend bool operator==(const PanelPoint&, const PanelPoint&) = default;
};

// The caption-strip drag (MoveWindowDown, MoveWindowMove, MoveWindowUp): the
// panel follows the mouse's travel since the press exactly, with no snapping;
// the widget then keeps its caption strip within reach (KeepCaptionInside).
// Positions are the cursor's on the screen; the strip keeps the mouse while a
// button is held, so moves arrive wherever the cursor goes.
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

inline constexpr int kCaptionStripHeight = 17;
// The part of a caption strip's width that stays inside the work area at
// least: room to grab it again, or to reach a close icon at its end.
inline constexpr int kCaptionGrip = 48;

// Where a caption strip placed at `at` goes so that the user can always drag
// its panel back: the position nearest to `at` at which the strip, `width` x
// `height`, lies inside a work area of areaWidth x areaHeight in all its
// height and by kCaptionGrip pixels of its width at least (all of it when
// narrower). The rest of the panel may hang outside. An area lower than the
// strip keeps the strip at its top.
PanelPoint KeepCaptionInside(PanelPoint at, int width, int height, int areaWidth, int areaHeight);

// The offset that centres `inner` in `outer`: trunc(outer / 2 - inner / 2)
// in real arithmetic, truncated toward zero, so a panel larger than the
// window by an odd amount lands half a pixel nearer the middle.
int CentredOffset(int outer, int inner);

}  // namespace cs
