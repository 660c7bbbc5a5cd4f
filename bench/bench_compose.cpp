#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench/editor_scene.h"
#include "bench/ratio.h"
#include "render/compose.h"

namespace {

// Bytes ComposePicture writes: the used composite, the preview and both screens.
constexpr size_t kComposeBytes = (256 * 192 + 512 * 384 + 2 * 256 * 192) * 4;
// Bytes the one-cell update writes for an 8-line cell: composite and preview.
constexpr size_t kCellBytes = (8 * 8 + 16 * 16) * 4;

void BM_ComposePicture(benchmark::State& state) {
  const cs::Picture pic = cs::bench::RandomPicture(int(state.range(0)), 1);
  cs::ColourTables t;
  cs::ComposedImages out;
  for (auto _ : state) {
    cs::ComposePicture(pic, t, out);
    benchmark::DoNotOptimize(out.composite.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kComposeBytes));
}
BENCHMARK(BM_ComposePicture)->Arg(8)->Arg(4)->Arg(2)->Arg(1);

// The floors, for state.range(0) bytes: a copy, and what a user's machine
// must at least do, a write of every byte once.
void BM_MemcpyBytes(benchmark::State& state) {
  const auto n = size_t(state.range(0));
  std::vector<char> src(n, 1), dst(n);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), n);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyBytes)->Arg(kComposeBytes)->Arg(kCellBytes);

void BM_MemsetBytes(benchmark::State& state) {
  const auto n = size_t(state.range(0));
  std::vector<char> dst(n);
  char v = 0;
  for (auto _ : state) {
    std::memset(dst.data(), ++v, n);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemsetBytes)->Arg(kComposeBytes)->Arg(kCellBytes);

// The same floor laid out as composition lays it: a write of the very rows
// ComposePicture writes, in the images it writes them to (the composite's
// rows are wider than the picture, so its used part is not one block).
void BM_MemsetComposed(benchmark::State& state) {
  cs::ComposedImages out;
  uint8_t v = 0;
  for (auto _ : state) {
    ++v;
    for (int y = 0; y < 192; ++y) std::memset(out.composite.row(y), v, 256 * 4);
    for (cs::RgbImage* image : {&out.preview, &out.screen0, &out.screen1})
      std::memset(image->row(0), v, size_t(image->width()) * size_t(image->height()) * 4);
    benchmark::DoNotOptimize(out.composite.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemsetComposed);

// A write of the rows the one-cell update writes: 8 composite rows of 8
// pixels and 16 preview rows of 16 pixels, at the cell ComposeCell paints.
void BM_MemsetCell(benchmark::State& state) {
  cs::ComposedImages out;
  uint8_t v = 0;
  int column = 0;
  for (auto _ : state) {
    ++v;
    for (int y = 0; y < 8; ++y) std::memset(out.composite.row(40 + y) + 8 * column, v, 8 * 4);
    for (int y = 0; y < 16; ++y) std::memset(out.preview.row(80 + y) + 16 * column, v, 16 * 4);
    column = (column + 1) & 7;
    benchmark::DoNotOptimize(out.composite.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemsetCell);

void BM_ComposeCell(benchmark::State& state) {
  const cs::Picture pic = cs::bench::RandomPicture(1, 1);
  cs::ColourTables t;
  cs::ComposedImages out;
  int column = 0;
  for (auto _ : state) {
    cs::ComposeCell(pic, t, out, column, 40);  // an 8-line outer cell at height 1
    column = (column + 1) & 7;
    benchmark::DoNotOptimize(out.composite.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeCell);

const bool registered = [] {
  const std::string copy = "BM_MemcpyBytes/", write = "BM_MemsetBytes/";
  const std::string picture = std::to_string(kComposeBytes), cell = std::to_string(kCellBytes);
  cs::bench::RegisterRatio("BM_ComposePicture/1", copy + picture, "ComposePicture 8x1 / memcpy of its bytes");
  for (const char* h : {"8", "4", "2", "1"}) {
    const std::string compose = std::string("BM_ComposePicture/") + h, label = std::string("ComposePicture 8x") + h;
    cs::bench::RegisterRatio(compose, write + picture, label + " / memset of its bytes in one block");
    cs::bench::RegisterRatio(compose, "BM_MemsetComposed", label + " / memset of the same buffers");
  }
  cs::bench::RegisterRatio("BM_ComposeCell", copy + cell, "one-cell update / memcpy of its bytes");
  cs::bench::RegisterRatio("BM_ComposeCell", write + cell, "one-cell update / memset of its bytes in one block");
  cs::bench::RegisterRatio("BM_ComposeCell", "BM_MemsetCell", "one-cell update / memset of the same rows");
  return true;
}();

}  // namespace
