// One pen point as a drag produces it: the painting rule on the planes, the
// cell's recomposition and the repaint of that cell's rectangle at zoom
// level 4, against a repaint of the whole viewport in the same run. A drag
// stays smooth while a point costs a small part of a frame.
#include <benchmark/benchmark.h>

#include "bench/editor_scene.h"
#include "bench/ratio.h"
#include "edit/instruments.h"

namespace {

using cs::bench::EditorScene;

// What the window does for a painted point, without the window: recompose the
// cell and paint its rectangle (clipped to the viewport) from the composite.
class CanvasSink : public cs::PaintSink {
 public:
  explicit CanvasSink(EditorScene& scene) : scene_(scene), canvas_(scene.images) {}
  void redrawCell(int column, int cellRow, int) override {
    const cs::CellRect r = cs::ComposeCell(scene_.state.picture, scene_.tables, scene_.images, column, cellRow);
    const int s = scene_.state.view.pixelScale();
    const QRect area = QRect(r.x * s, r.y * s, r.width * s, r.height * s) & scene_.viewport;
    if (!area.isEmpty()) scene_.paint(canvas_, area);
  }
  void showPaintedPoint(const cs::PointInfo&) override {}

 private:
  EditorScene& scene_;
  cs::EditorCanvas canvas_;
};

void BM_PenPointAtZoom4(benchmark::State& st) {
  EditorScene scene;
  scene.state.colours = {1, 4, 9, 14, 2, 1, 0};
  CanvasSink sink(scene);
  // A drag to the right across the visible part: every move a new pixel.
  const int s = scene.state.view.pixelScale();
  int x = scene.viewport.left();
  const int y = scene.viewport.top() + 500;
  for (auto _ : st) {
    cs::EditorMove(scene.state, sink, true, false, x, y);
    benchmark::DoNotOptimize(scene.target.constBits());
    x += s;
    if (x >= scene.viewport.right()) x = scene.viewport.left();
  }
}
BENCHMARK(BM_PenPointAtZoom4)->Unit(benchmark::kMicrosecond);

const cs::bench::RegisterRatio r1("BM_PenPointAtZoom4", "BM_EditorViewportRepaint/4/1920/1080",
                                  "pen point (rule + cell repaint) / whole viewport");

}  // namespace
