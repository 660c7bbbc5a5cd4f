// Repainting the editor image: a 1920 x 1080 viewport at zoom level 4 with
// both grids and a selection outline, against a bare scaled drawImage of the
// same viewport; and one pen cell against the whole viewport.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "app/editor_canvas.h"
#include "bench/gui_app.h"
#include "bench/ratio.h"

namespace {

struct Scene {
  cs::EditorState state;
  cs::ComposedImages images;
  cs::ColourTables tables;
  QImage target{1920, 1080, QImage::Format_RGB32};
  QRect viewport{1000, 800, 1920, 1080};  // the visible part of the 4096 x 3072 image

  Scene() {
    cs::bench::EnsureGuiApp();
    std::mt19937 rng(3);
    auto& pic = state.picture;
    for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
    for (int i = cs::kPixelBlockSize; i < cs::kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
    pic.vertSize = 8;
    cs::ComposePicture(pic, tables, images);
    state.view.zoomLevel = 4;
    state.charGridOn = state.pixelGridOn = true;
    state.selection = cs::Selection{true, false, 8, 6, 14, 9};
  }
};

void BM_EditorViewportRepaint(benchmark::State& st) {
  Scene scene;
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
BENCHMARK(BM_EditorViewportRepaint)->Unit(benchmark::kMicrosecond);

void BM_BareScaledDrawImage(benchmark::State& st) {
  Scene scene;
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
  Scene scene;
  cs::EditorCanvas canvas(scene.images);
  const cs::OverlayView view = cs::OverlayViewOf(scene.state);
  // One 8 x 8 cell at zoom level 4 inside the viewport, after its update.
  const QRect cell(16 * 8 * 12, 16 * 8 * 9, 128, 128);
  int column = 12;
  for (auto _ : st) {
    cs::ComposeCell(scene.state.picture, scene.tables, scene.images, column, 9);
    QPainter p(&scene.target);
    p.translate(-scene.viewport.topLeft());
    canvas.paint(p, cell, view);
    p.end();
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
