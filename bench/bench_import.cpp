// Image import: the time of one conversion at each dithering and at the
// largest and smallest cell counts, against the naive converter; and the
// quality report, mean CIEDE2000 of every test image at every cell height,
// plain and after a 3 x 3 box blur, for the naive converter and each
// dithering.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/import_quality.h"
#include "bench/ratio.h"
#include "bench/report.h"
#include "photo/image_import.h"
#include "formats/image_file.h"

namespace {

using namespace cs;

const RgbImage& photo() {
  static const RgbImage image = [] {
    RgbImage img;
    if (ReadImageFile(CHROMASMITH_TESTDATA "/photos/chelsea.png", img)) std::abort();
    return img;
  }();
  return image;
}

// Arguments: cell height, dithering.
void BM_ImportImage(benchmark::State& state) {
  const ImportOptions o{static_cast<int>(state.range(0)), static_cast<Dither>(state.range(1)), 100,
                        FitMode::Cover};
  Picture pic;
  for (auto _ : state) {
    ImportImage(photo(), o, pic);
    benchmark::DoNotOptimize(pic.planes.data());
  }
}
BENCHMARK(BM_ImportImage)->ArgsProduct({{8, 1}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

void BM_NaiveImport(benchmark::State& state) {
  const RgbImage fitted = FitImage(photo(), FitMode::Cover);
  Picture pic;
  for (auto _ : state) {
    bench::NaiveImport(fitted, static_cast<int>(state.range(0)), pic);
    benchmark::DoNotOptimize(pic.planes.data());
  }
}
BENCHMARK(BM_NaiveImport)->Arg(1)->Unit(benchmark::kMillisecond);

const bench::RegisterRatio r1("BM_ImportImage/1/2", "BM_NaiveImport/1", "import 8x1 diffusion / naive 8x1");
const bench::RegisterRatio r2("BM_ImportImage/1/0", "BM_NaiveImport/1", "import 8x1 no dither / naive 8x1");

constexpr std::array<int, 4> kHeights{8, 4, 2, 1};
constexpr std::array<Dither, 3> kDithers{Dither::None, Dither::Ordered, Dither::Diffusion};

void qualityReport(bool quick) {
  std::vector<bench::QualityImage> images = bench::QualityImages();
  if (quick) images.resize(1);
  std::printf("  mean CIEDE2000 against the 256 x 192 source: plain / after a 3 x 3 box blur\n");
  std::printf("  %-18s %-5s %-13s %-13s %-13s %-13s %s\n", "image", "cells", "naive", "none", "ordered",
              "diffusion", "8x1 time");
  // Sums of the blurred errors per cell height: naive, then each dithering.
  std::array<std::array<double, 4>, 4> blurred{};
  std::array<std::array<double, 4>, 4> plain{};
  for (const bench::QualityImage& qi : images) {
    const RgbImage fitted = FitImage(qi.image, FitMode::Cover);
    for (std::size_t h = 0; h < kHeights.size(); ++h) {
      if (quick && kHeights[h] != 1) continue;
      Picture pic;
      bench::NaiveImport(fitted, kHeights[h], pic);
      ColourError e = bench::PictureError(fitted, pic);
      plain[h][0] += e.plain;
      blurred[h][0] += e.blurred;
      std::printf("  %-18s 8x%-3d %5.2f / %5.2f", qi.name.c_str(), kHeights[h], e.plain, e.blurred);
      double ms = 0;
      for (std::size_t d = 0; d < kDithers.size(); ++d) {
        const auto start = std::chrono::steady_clock::now();
        ConvertFittedImage(fitted, {kHeights[h], kDithers[d], 100, FitMode::Cover}, pic);
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        e = bench::PictureError(fitted, pic);
        plain[h][d + 1] += e.plain;
        blurred[h][d + 1] += e.blurred;
        std::printf(" %5.2f / %5.2f", e.plain, e.blurred);
      }
      if (kHeights[h] == 1) std::printf("  %.0f ms", ms);
      std::printf("\n");
    }
  }
  const double n = static_cast<double>(images.size());
  for (std::size_t h = 0; h < kHeights.size(); ++h) {
    if (quick && kHeights[h] != 1) continue;
    std::printf("  %-18s 8x%-3d", "mean", kHeights[h]);
    for (std::size_t k = 0; k < 4; ++k) std::printf(" %5.2f / %5.2f", plain[h][k] / n, blurred[h][k] / n);
    std::printf("\n");
  }
}
const bench::RegisterReport report(
    "Image import quality (naive: nearest mix per pixel, each cell's two most "
    "frequent mixes as attributes)",
    qualityReport);

}  // namespace
