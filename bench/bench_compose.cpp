#include <benchmark/benchmark.h>

#include <cstring>
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

void BM_MemcpyComposeBytes(benchmark::State& state) {
  std::vector<char> src(kComposeBytes, 1), dst(kComposeBytes);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), kComposeBytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kComposeBytes));
}
BENCHMARK(BM_MemcpyComposeBytes);

// What a user's machine must at least do: write every byte once.
void BM_MemsetComposeBytes(benchmark::State& state) {
  std::vector<char> dst(kComposeBytes);
  char v = 0;
  for (auto _ : state) {
    std::memset(dst.data(), ++v, kComposeBytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kComposeBytes));
}
BENCHMARK(BM_MemsetComposeBytes);

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

void BM_MemcpyCellBytes(benchmark::State& state) {
  std::vector<char> src(kCellBytes, 1), dst(kCellBytes);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), kCellBytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyCellBytes);

void BM_MemsetCellBytes(benchmark::State& state) {
  std::vector<char> dst(kCellBytes);
  char v = 0;
  for (auto _ : state) {
    std::memset(dst.data(), ++v, kCellBytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemsetCellBytes);

const cs::bench::RegisterRatio r1("BM_ComposePicture/1", "BM_MemcpyComposeBytes",
                                  "ComposePicture 8x1 / memcpy of its bytes");
const cs::bench::RegisterRatio r8w("BM_ComposePicture/8", "BM_MemsetComposeBytes",
                                   "ComposePicture 8x8 / memset of its bytes");
const cs::bench::RegisterRatio r4w("BM_ComposePicture/4", "BM_MemsetComposeBytes",
                                   "ComposePicture 8x4 / memset of its bytes");
const cs::bench::RegisterRatio r2w("BM_ComposePicture/2", "BM_MemsetComposeBytes",
                                   "ComposePicture 8x2 / memset of its bytes");
const cs::bench::RegisterRatio r1w("BM_ComposePicture/1", "BM_MemsetComposeBytes",
                                   "ComposePicture 8x1 / memset of its bytes");
const cs::bench::RegisterRatio r2("BM_ComposeCell", "BM_MemcpyCellBytes",
                                  "one-cell update / memcpy of its bytes");
const cs::bench::RegisterRatio rcw("BM_ComposeCell", "BM_MemsetCellBytes", "one-cell update / memset of its bytes");

}  // namespace
