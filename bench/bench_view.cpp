// Repainting the editor image: a viewport at each zoom level and two window
// sizes with both grids and a selection outline, against a bare scaled
// drawImage of the same viewport; and one pen cell against the whole
// viewport at zoom level 4.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/editor_scene.h"
#include "bench/ratio.h"

namespace {

using cs::bench::EditorScene;

// Zoom level, viewport width and height.
void viewports(benchmark::internal::Benchmark* b) {
  for (int level = 1; level <= 4; ++level) b->Args({level, 1920, 1080});
  b->Args({4, 800, 600});
}

void BM_EditorViewportRepaint(benchmark::State& st) {
  EditorScene scene;
  scene.frame(int(st.range(0)), int(st.range(1)), int(st.range(2)));
  cs::EditorCanvas canvas(scene.images);
  for (auto _ : st) {
    scene.paint(canvas, scene.viewport);
    benchmark::DoNotOptimize(scene.target.constBits());
  }
}
BENCHMARK(BM_EditorViewportRepaint)->Apply(viewports)->Unit(benchmark::kMicrosecond);

void BM_BareScaledDrawImage(benchmark::State& st) {
  EditorScene scene;
  scene.frame(int(st.range(0)), int(st.range(1)), int(st.range(2)));
  const int s = scene.state.view.pixelScale();
  const QImage composite(reinterpret_cast<const uchar*>(scene.images.composite.data()), 256, 192,
                         scene.images.composite.bytesPerLine(), QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter p(&scene.target);
    p.translate(-scene.viewport.topLeft());
    p.setClipRect(scene.viewport);
    p.drawImage(QRect(0, 0, 256 * s, 192 * s), composite);
    p.end();
    benchmark::DoNotOptimize(scene.target.constBits());
  }
}
BENCHMARK(BM_BareScaledDrawImage)->Apply(viewports)->Unit(benchmark::kMicrosecond);

void BM_EditorCellRepaint(benchmark::State& st) {
  EditorScene scene;
  cs::EditorCanvas canvas(scene.images);
  // One 8 x 8 cell at zoom level 4 inside the viewport, after its update.
  const QRect cell(16 * 8 * 12, 16 * 8 * 9, 128, 128);
  int column = 12;
  for (auto _ : st) {
    cs::ComposeCell(scene.state.picture, scene.tables, scene.images, column, 9);
    scene.paint(canvas, cell);
    benchmark::DoNotOptimize(scene.target.constBits());
    column = column == 12 ? 13 : 12;
  }
}
BENCHMARK(BM_EditorCellRepaint)->Unit(benchmark::kMicrosecond);

const bool registered = [] {
  for (const char* args : {"1/1920/1080", "2/1920/1080", "3/1920/1080", "4/1920/1080", "4/800/600"})
    cs::bench::RegisterRatio(std::string("BM_EditorViewportRepaint/") + args,
                             std::string("BM_BareScaledDrawImage/") + args,
                             std::string("viewport repaint, grids + ants / drawImage, ") + args);
  cs::bench::RegisterRatio("BM_EditorCellRepaint", "BM_EditorViewportRepaint/4/1920/1080",
                           "one-cell repaint / whole viewport");
  return true;
}();

}  // namespace
