// Repainting the editor image: a 1920 x 1080 viewport at zoom level 4 with
// both grids and a selection outline, against a bare scaled drawImage of the
// same viewport; and one pen cell against the whole viewport.
#include <benchmark/benchmark.h>

#include "bench/editor_scene.h"
#include "bench/ratio.h"

namespace {

using cs::bench::EditorScene;

void BM_EditorViewportRepaint(benchmark::State& st) {
  EditorScene scene;
  cs::EditorCanvas canvas(scene.images);
  for (auto _ : st) {
    scene.paint(canvas, scene.viewport);
    benchmark::DoNotOptimize(scene.target.constBits());
  }
}
BENCHMARK(BM_EditorViewportRepaint)->Unit(benchmark::kMicrosecond);

void BM_BareScaledDrawImage(benchmark::State& st) {
  EditorScene scene;
  const QImage composite(reinterpret_cast<const uchar*>(scene.images.composite.data()), 256, 192,
                         scene.images.composite.bytesPerLine(), QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter p(&scene.target);
    p.translate(-scene.viewport.topLeft());
    p.setClipRect(scene.viewport);
    p.drawImage(QRect(0, 0, 4096, 3072), composite);
    p.end();
    benchmark::DoNotOptimize(scene.target.constBits());
  }
}
BENCHMARK(BM_BareScaledDrawImage)->Unit(benchmark::kMicrosecond);

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

const cs::bench::RegisterRatio r1("BM_EditorViewportRepaint", "BM_BareScaledDrawImage",
                                  "viewport repaint, grids + ants / bare drawImage");
const cs::bench::RegisterRatio r2("BM_EditorCellRepaint", "BM_EditorViewportRepaint",
                                  "one-cell repaint / whole viewport");

}  // namespace
