#include "edit/fill_instrument.h"

#include <cstdlib>

#include "edit/flood_fill.h"
#include "edit/mask_paint.h"
#include "edit/patterns.h"
#include "model/translatable.h"
#include "render/view_geometry.h"

namespace cs {

namespace {

class Fill : public InstrumentUnit {
 public:
  // The press only remembers where it was: the fill is made on the release,
  // when it is known whether the press became a drag.
  void press(EditorState& s, PaintSink&, MouseButton button, bool, int X, int Y, PressResult&) override {
    if (button != MouseButton::Left) return;
    s.fillDrag = {true, {X, Y}, {X, Y}};
  }
  void move(EditorState& s, PaintSink&, bool leftHeld, int X, int Y, MoveResult&) override {
    if (s.fillDrag.active && leftHeld) s.fillDrag.to = {X, Y};
  }
  RubberBand band(const EditorState& s, ImagePoint here) const override {
    if (!s.fillDrag.active || !isGradient(s, here)) return {};
    return {RubberBand::Kind::Line, s.fillDrag.from, here};
  }
  ReleaseResult release(EditorState& s, PaintSink& sink, const PaintContext& context) override {
    if (!s.fillDrag.active || !context.mix) return {};
    const FillDrag drag = s.fillDrag;
    s.fillDrag.active = false;
    const int scale = s.view.pixelScale();
    const int ax = floorDiv(drag.from.x, scale), ay = floorDiv(drag.from.y, scale);
    const bool gradient = isGradient(s, drag.to);
    const int pattern = s.shapes.pattern;
    const CurrentColours& cc = s.colours;
    // A plain fill of a region that already shows the current mix would
    // change nothing but the cells' colours around it: it does nothing.
    if (!gradient && pattern == kSolidPattern &&
        ShownColour(s.picture, *context.mix, ax, ay) == cc.mixColour(*context.mix, cc.mix))
      return {CS_TRANSLATE_NOOP("Core", "Fill"), gradient};
    const PixelMask region = FillRegion(s.picture, *context.mix, ax, ay);
    TakeUndoSnapshot(s);
    if (gradient) {
      const PixelMask second =
          GradientSecond(ax, ay, floorDiv(drag.to.x, scale), floorDiv(drag.to.y, scale));
      PaintMask(s, sink, region, &second);
    } else if (pattern != kSolidPattern) {
      const PixelMask second = PatternSecond(pattern);
      PaintMask(s, sink, region, &second);
    } else {
      PaintMask(s, sink, region);
    }
    s.lastPoint = drag.from;
    s.penMemo.clear();
    return {gradient                   ? CS_TRANSLATE_NOOP("Core", "Gradient fill")
            : pattern != kSolidPattern ? CS_TRANSLATE_NOOP("Core", "Pattern fill")
                                       : CS_TRANSLATE_NOOP("Core", "Fill"),
            gradient};
  }

 private:
  static bool isGradient(const EditorState& s, ImagePoint to) {
    const int scale = s.view.pixelScale();
    const int dx = floorDiv(to.x, scale) - floorDiv(s.fillDrag.from.x, scale);
    const int dy = floorDiv(to.y, scale) - floorDiv(s.fillDrag.from.y, scale);
    return std::abs(dx) >= kGradientMinDrag || std::abs(dy) >= kGradientMinDrag;
  }
};

}  // namespace

InstrumentUnit& FillUnit() {
  static Fill unit;
  return unit;
}

}  // namespace cs
