// One pen point as a drag produces it: the painting rule on the planes, the
// cell's recomposition and the repaint of that cell's rectangle at zoom
// level 4, against a repaint of the whole 1920 x 1080 viewport in the same
// run. A drag stays smooth while a point costs a small part of a frame.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "app/editor_canvas.h"
#include "bench/gui_app.h"
#include "bench/ratio.h"
#include "edit/instruments.h"

namespace {

struct PaintScene {
  cs::EditorState state;
  cs::ComposedImages images;
  cs::ColourTables tables;
  QImage target{1920, 1080, QImage::Format_RGB32};
  QRect viewport{1000, 800, 1920, 1080};

  PaintScene() {
    cs::bench::EnsureGuiApp();
    std::mt19937 rng(7);
    auto& pic = state.picture;
    for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
    for (int i = cs::kPixelBlockSize; i < cs::kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
    pic.vertSize = 8;
    cs::ComposePicture(pic, tables, images);
    state.view.zoomLevel = 4;
    state.colours = {1, 4, 9, 14, 2, 1, 0};
  }
};

// What the window does for a painted point, without the window: recompose the
// cell and paint its rectangle (clipped to the viewport) from the composite.
class CanvasSink : public cs::PaintSink {
 public:
  explicit CanvasSink(PaintScene& scene) : scene_(scene), canvas_(scene.images) {}
  void redrawCell(int column, int cellRow, int) override {
    const cs::CellRect r =
        cs::ComposeCell(scene_.state.picture, scene_.tables, scene_.images, column, cellRow);
    const int s = scene_.state.view.pixelScale();
    const QRect area = QRect(r.x * s, r.y * s, r.width * s, r.height * s) & scene_.viewport;
    if (area.isEmpty()) return;
    QPainter p(&scene_.target);
    p.translate(-scene_.viewport.topLeft());
    canvas_.paint(p, area, cs::OverlayViewOf(scene_.state));
  }
  void showPaintedPoint(const cs::PointInfo&) override {}

 private:
  PaintScene& scene_;
  cs::EditorCanvas canvas_;
};

void BM_PenPointAtZoom4(benchmark::State& st) {
  PaintScene scene;
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

void BM_ViewportRepaintAtZoom4(benchmark::State& st) {
  PaintScene scene;
  cs::EditorCanvas canvas(scene.images);
  const cs::OverlayView view = cs::OverlayViewOf(scene.state);
  for (auto _ : st) {
    QPainter p(&scene.target);
    p.translate(-scene.viewport.topLeft());
    canvas.paint(p, scene.viewport, view);
    p.end();
    benchmark::DoNotOptimize(scene.target.constBits());
  }
}
BENCHMARK(BM_ViewportRepaintAtZoom4)->Unit(benchmark::kMicrosecond);

const cs::bench::RegisterRatio r1("BM_PenPointAtZoom4", "BM_ViewportRepaintAtZoom4",
                                  "pen point (rule + cell repaint) / whole viewport");

}  // namespace
