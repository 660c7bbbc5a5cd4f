// The views and the flicker tools: one frame of the flickering screens over
// the whole viewport against a bare scaled drawImage of the same viewport,
// and scoring and balancing a whole photograph against a copy of its planes
// (all three in nanoseconds, the copy's unit: the ratios compare like units);
// balancing also against one scoring pass, low-flicker painting's work after
// a stroke against a full composition, and the balancing's quality.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/editor_scene.h"
#include "bench/ratio.h"
#include "bench/report.h"
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

// Low-flicker painting's work after a pen stroke's release: a stroke of
// mix 0 (white on screen 0, black on screen 1) across the photograph's
// middle, whose cells are then balanced. Its floor is a full composition.
void BM_LowFlickerAfterStroke(benchmark::State& st) {
  const Picture photo = photoPicture(int(st.range(0)));
  const MixTable mix = ComputeMixTable();
  Picture painted = photo;
  for (int x = 0; x < kWidth; ++x) {
    const int column = x / 8, y = 96;
    painted.pixels(0)[pixelIndex(column, y)] &= uint8_t(~(0x80 >> (x % 8)));
    painted.pixels(1)[pixelIndex(column, y)] &= uint8_t(~(0x80 >> (x % 8)));
    for (int s = 0; s < 2; ++s) painted.attrs(s)[attrIndex(column, attributeLine(photo.cellHeight(), column, y))] = s ? 0 : 14;
  }
  Picture pic;
  for (auto _ : st) {
    st.PauseTiming();
    pic = painted;
    st.ResumeTiming();
    benchmark::DoNotOptimize(BalanceTouchedCells(pic, photo, mix));
  }
}
BENCHMARK(BM_LowFlickerAfterStroke)->Arg(8)->Arg(1);

// How much lower Balance flicker makes the score of the five photographs,
// imported without dithering, and how long it takes.
void balanceReport(bool quick) {
  const MixTable mix = ComputeMixTable();
  const char* const names[] = {"astronaut", "chelsea", "coffee", "hubble_deep_field", "rocket"};
  for (int h : {8, 1}) {
    double before = 0, after = 0, ms = 0;
    int count = 0;
    for (const char* name : names) {
      RgbImage img;
      if (ReadImageFile(std::string(CHROMASMITH_TESTDATA "/photos/") + name + ".png", img)) continue;
      Picture pic;
      ImportOptions o;
      o.cellHeight = h;
      o.dither = Dither::None;
      ImportImage(img, o, pic);
      const auto start = std::chrono::steady_clock::now();
      const BalanceResult r = BalanceFlicker(pic, mix, WholePicture(pic));
      ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      std::printf("  %-18s 8x%d  %5.1f -> %5.2f  %4.1f %% lower\n", name, h, r.scoreBefore, r.scoreAfter,
                  100 * (1 - r.scoreAfter / r.scoreBefore));
      before += r.scoreBefore;
      after += r.scoreAfter;
      ++count;
      if (quick) break;
    }
    if (count == 0) continue;
    std::printf("  %-18s 8x%d  %5.1f -> %5.2f  %4.1f %% lower, %.0f ms a picture\n", "mean", h, before / count,
                after / count, 100 * (1 - after / before), ms / count);
  }
}
const bench::RegisterReport report("Balance flicker on the photographs (mean scores, before -> after)",
                                   balanceReport);

const bool registered = [] {
  for (const char* args : {"1/1920/1080", "2/1920/1080", "3/1920/1080", "4/1920/1080"})
    bench::RegisterRatio(std::string("BM_FlickerFrameRepaint/") + args, std::string("BM_BareScaledDrawImage/") + args,
                         std::string("flicker frame / drawImage, ") + args);
  bench::RegisterRatio("BM_FlickerScore", "BM_MemcpyPlanes", "flicker score / memcpy of the planes");
  bench::RegisterRatio("BM_BalanceFlicker/8", "BM_MemcpyPlanes", "balance flicker 8x8 / memcpy of the planes");
  bench::RegisterRatio("BM_BalanceFlicker/1", "BM_MemcpyPlanes", "balance flicker 8x1 / memcpy of the planes");
  bench::RegisterRatio("BM_BalanceFlicker/8", "BM_FlickerScore", "balance flicker 8x8 / one scoring pass");
  bench::RegisterRatio("BM_BalanceFlicker/1", "BM_FlickerScore", "balance flicker 8x1 / one scoring pass");
  bench::RegisterRatio("BM_LowFlickerAfterStroke/8", "BM_ComposePicture/8",
                       "low-flicker stroke's release 8x8 / full composition");
  bench::RegisterRatio("BM_LowFlickerAfterStroke/1", "BM_ComposePicture/1",
                       "low-flicker stroke's release 8x1 / full composition");
  return true;
}();

}  // namespace
