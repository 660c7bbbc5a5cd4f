// The colour corrector: a whole RedrawCorrector (strips, both screens at
// twice the size, both neighbourhoods) against a plain stretched drawImage of
// both screens; and one operation over the whole picture against a copy of
// the planes.
#include <benchmark/benchmark.h>

#include "bench/editor_scene.h"
#include "bench/ratio.h"
#include "colour/corrector_views.h"

namespace {

void BM_RedrawCorrector(benchmark::State& st) {
  cs::bench::EnsureGuiApp();
  cs::EditorState s;
  s.picture = cs::bench::RandomPicture(1, 5);
  cs::ComposedImages composed;
  cs::ComposePicture(s.picture, cs::ColourTables{}, composed);
  s.corrector = {{6, 40}, {20, 90}, false};
  const cs::OverlayPatterns patterns = cs::MakeOverlayPatterns();
  cs::CorrectorImages out;
  for (auto _ : st) {
    cs::RedrawCorrectorImages(s.picture, composed, s.corrector, patterns, out);
    benchmark::DoNotOptimize(out.screens[1].data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RedrawCorrector)->Unit(benchmark::kMicrosecond);

void BM_StretchedDrawImageOfBothScreens(benchmark::State& st) {
  cs::bench::EnsureGuiApp();
  const cs::Picture pic = cs::bench::RandomPicture(1, 5);
  cs::ComposedImages composed;
  cs::ComposePicture(pic, cs::ColourTables{}, composed);
  const cs::RgbImage* screens[2] = {&composed.screen0, &composed.screen1};
  QImage targets[2] = {QImage(512, 384, QImage::Format_RGB32), QImage(512, 384, QImage::Format_RGB32)};
  for (auto _ : st) {
    for (int i = 0; i < 2; ++i) {
      const QImage src(reinterpret_cast<const uchar*>(screens[i]->data()), 256, 192,
                       screens[i]->bytesPerLine(), QImage::Format_RGB32);
      QPainter p(&targets[i]);
      p.drawImage(QRect(0, 0, 512, 384), src);
    }
    benchmark::DoNotOptimize(targets[1].constBits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchedDrawImageOfBothScreens)->Unit(benchmark::kMicrosecond);

// "Invert All" for both screens touches every byte of all four planes.
void BM_CorrectorInvertAllWholePicture(benchmark::State& st) {
  cs::Picture pic = cs::bench::RandomPicture(1, 5);
  const cs::CorrectorBlock whole{0, 0, cs::kColumns - 1, cs::kLines - 1};
  for (auto _ : st) {
    cs::ApplyCorrectorOp(cs::CorrectorOp::InvertAllBoth, whole, pic);
    benchmark::DoNotOptimize(pic.planes.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CorrectorInvertAllWholePicture);

const cs::bench::RegisterRatio r1("BM_RedrawCorrector", "BM_StretchedDrawImageOfBothScreens",
                                  "RedrawCorrector / stretched drawImage of both screens");
const cs::bench::RegisterRatio r2("BM_CorrectorInvertAllWholePicture", "BM_MemcpyPlanes",
                                  "corrector Invert All (both) / memcpy of the planes");

}  // namespace
