#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/editor_scene.h"
#include "bench/ratio.h"
#include "edit/selection.h"
#include "edit/transforms.h"

namespace {

// A whole 8x8 picture, selected and copied.
std::unique_ptr<cs::EditorState> selectedPicture() {
  auto s = std::make_unique<cs::EditorState>();
  s->picture = cs::bench::RandomPicture(3, 8);
  cs::SelectAll(*s);
  cs::CopySelection(*s, false);
  return s;
}

void BM_PasteWholePicture(benchmark::State& state) {
  auto s = selectedPicture();
  for (auto _ : state) {
    cs::PasteSelection(*s, {}, true);
    benchmark::DoNotOptimize(s->picture.planes.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PasteWholePicture);

// The quarter turn needs a block that fits turned: the largest square one.
void BM_Transform(benchmark::State& state) {
  auto s = selectedPicture();
  const auto t = static_cast<cs::Transform>(state.range(0));
  if (t == cs::Transform::Rotate90) s->selection.width = 24;
  for (auto _ : state) {
    cs::ApplyTransform(*s, t);
    benchmark::DoNotOptimize(s->picture.planes.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Transform)->DenseRange(0, 6);

void BM_MemcpyPlanes(benchmark::State& state) {
  std::vector<uint8_t> src(cs::kPlanesSize, 1), dst(cs::kPlanesSize);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), dst.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyPlanes);

const cs::bench::RegisterRatio paste("BM_PasteWholePicture", "BM_MemcpyPlanes",
                                     "paste of the whole picture / memcpy of the planes");

struct TransformRatios {
  TransformRatios() {
    const char* names[] = {"flip horizontal",     "flip vertical",      "rotate 90 (24 x 24 cells)",
                           "rotate pixels right", "rotate pixels left", "rotate pixels up",
                           "rotate pixels down"};
    for (int i = 0; i < 7; ++i)
      cs::bench::RegisterRatio("BM_Transform/" + std::to_string(i), "BM_MemcpyPlanes",
                               std::string(names[i]) + " / memcpy of the planes");
  }
} transformRatios;

}  // namespace
