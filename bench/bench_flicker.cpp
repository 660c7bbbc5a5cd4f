// The views and the flicker tools: one frame of the flickering screens over
// the whole viewport against a bare scaled drawImage of the same viewport,
// and scoring and balancing a whole photograph against a copy of its planes
// (all three in nanoseconds, the copy's unit: the ratios compare like units).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench/editor_scene.h"
#include "bench/ratio.h"
#include "colour/flicker.h"
#include "formats/image_file.h"
#include "photo/image_import.h"
#include "render/screen_views.h"

namespace {

using namespace cs;

void viewports(benchmark::internal::Benchmark* b) {
  for (int level = 1; level <= 4; ++level) b->Args({level, 1920, 1080});
}

// A flicker frame: the canvas turns to the other screen's images and the
// whole viewport is painted from them.
void BM_FlickerFrameRepaint(benchmark::State& st) {
  bench::EditorScene scene;
  scene.frame(int(st.range(0)), int(st.range(1)), int(st.range(2)));
  ScreenViews views;
  views.compose(scene.state.picture, ViewMode::Flicker, scene.tables);
  EditorCanvas canvas(scene.images);
  int k = 0;
  for (auto _ : st) {
    canvas.setImages(views.frame(k ^= 1));
    scene.paint(canvas, scene.viewport);
    benchmark::DoNotOptimize(scene.target.constBits());
  }
}
BENCHMARK(BM_FlickerFrameRepaint)->Apply(viewports)->Unit(benchmark::kMicrosecond);

// The chelsea photograph imported at cell height `h`.
Picture photoPicture(int h) {
  RgbImage img;
  if (ReadImageFile(CHROMASMITH_TESTDATA "/photos/chelsea.png", img)) std::abort();
  Picture pic;
  ImportOptions o;
  o.cellHeight = h;
  ImportImage(img, o, pic);
  return pic;
}

void BM_FlickerScore(benchmark::State& st) {
  const Picture pic = photoPicture(8);
  FlickerMeter meter;
  for (auto _ : st) benchmark::DoNotOptimize(meter.score(pic));
}
BENCHMARK(BM_FlickerScore);

// Argument: cell height.
void BM_BalanceFlicker(benchmark::State& st) {
  const Picture original = photoPicture(int(st.range(0)));
  const MixTable mix = ComputeMixTable();
  Picture pic;
  for (auto _ : st) {
    pic.planes = original.planes;
    pic.vertSize = original.vertSize;
    benchmark::DoNotOptimize(BalanceFlicker(pic, mix, WholePicture(pic)));
  }
}
BENCHMARK(BM_BalanceFlicker)->Arg(8)->Arg(1);

const bool registered = [] {
  for (const char* args : {"1/1920/1080", "2/1920/1080", "3/1920/1080", "4/1920/1080"})
    bench::RegisterRatio(std::string("BM_FlickerFrameRepaint/") + args, std::string("BM_BareScaledDrawImage/") + args,
                         std::string("flicker frame / drawImage, ") + args);
  bench::RegisterRatio("BM_FlickerScore", "BM_MemcpyPlanes", "flicker score / memcpy of the planes");
  bench::RegisterRatio("BM_BalanceFlicker/8", "BM_MemcpyPlanes", "balance flicker 8x8 / memcpy of the planes");
  bench::RegisterRatio("BM_BalanceFlicker/1", "BM_MemcpyPlanes", "balance flicker 8x1 / memcpy of the planes");
  return true;
}();

}  // namespace
