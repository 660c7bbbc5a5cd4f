#include "edit/airbrush.h"

#include <algorithm>

#include "edit/brush.h"
#include "render/view_geometry.h"

namespace cs {

namespace {

// The splitmix64 generator: small, fast and the same on every platform, so
// a seed sprays the same pixels everywhere.
uint64_t nextRandom(uint64_t& state) {
  state += 0x9E3779B97F4A7C15ull;
  uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// A whole number in -r..r.
int offsetWithin(uint64_t& state, int r) { return int(nextRandom(state) % uint64_t(2 * r + 1)) - r; }

class Airbrush : public InstrumentUnit {
 public:
  void press(EditorState& s, PaintSink& sink, MouseButton button, bool, int X, int Y, PressResult&) override {
    if (button != MouseButton::Left) return;
    TakeUndoSnapshot(s);
    s.brush.airRandom = s.brush.airSeed;
    AirbrushSpray(s, sink, X, Y);
  }
  void move(EditorState& s, PaintSink&, bool leftHeld, int X, int Y, MoveResult& r) override {
    // The spray itself keeps to the window's timer; a move only says where.
    if (leftHeld) return;
    r.hover = true;
    r.hoverPoint = MapPosition(s, X, Y);
  }
};

}  // namespace

void AirbrushSpray(EditorState& s, PaintSink& sink, int X, int Y) {
  const int scale = s.view.pixelScale();
  const PointInfo here = MapPosition(s, X, Y);
  if (InsidePicture(s, X, Y)) sink.showPaintedPoint(here);
  BrushState& b = s.brush;
  const int r = std::clamp(b.airRadius, kMinAirRadius, kMaxAirRadius);
  const int k = std::clamp(b.airDensity, kMinAirDensity, kMaxAirDensity);
  const int cx = floorDiv(X, scale), cy = floorDiv(Y, scale);
  for (int n = 0; n < k; ++n) {
    // Uniform in the disc: offsets drawn in the square, those outside the
    // circle drawn again.
    int dx = 0, dy = 0;
    do {
      dx = offsetWithin(b.airRandom, r);
      dy = offsetWithin(b.airRandom, r);
    } while (dx * dx + dy * dy > r * r);
    PaintMirroredPixel(s, sink, cx + dx, cy + dy, s.colours.bit0, s.colours.bit1);
  }
}

InstrumentUnit& AirbrushUnit() {
  static Airbrush unit;
  return unit;
}

}  // namespace cs
