// The session's history: recording the step of one pen point against the
// pen point itself, a jump over 100 steps against a full composition, and
// the memory 10,000 pen points take when each is a step of its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "bench/editor_scene.h"
#include "bench/ratio.h"
#include "bench/report.h"
#include "edit/instruments.h"
#include "model/history.h"

namespace {

class NoSink : public cs::PaintSink {
 public:
  void redrawCell(int, int, int) override {}
  void showPaintedPoint(const cs::PointInfo&) override {}
};

// A pen stroke of `points` points in the colours `rng` picks: a drag from a
// random place in a random direction, one picture pixel per move.
void randomStroke(cs::EditorState& s, std::mt19937& rng, int points) {
  static NoSink sink;
  s.colours = {uint8_t(rng() % 15),
               uint8_t(rng() % 15),
               uint8_t(rng() % 15),
               uint8_t(rng() % 15),
               int(rng() % 4),
               0,
               0};
  s.penMemo.clear();
  const int scale = s.view.pixelScale(), dx = int(rng() % 3) - 1, dy = int(rng() % 3) - 1;
  int x = int(rng() % 256), y = int(rng() % 192);
  cs::EditorPress(s, sink, cs::MouseButton::Left, false, x * scale, y * scale);
  for (int i = 1; i < points; ++i) {
    x = std::clamp(x + dx, 0, 255);
    y = std::clamp(y + dy, 0, 191);
    cs::EditorMove(s, sink, true, false, x * scale, y * scale);
  }
}

void BM_HistoryRecordPenPoint(benchmark::State& st) {
  cs::Picture pic = cs::bench::RandomPicture(8, 3);
  cs::History h(pic);
  std::mt19937 rng(1);
  for (auto _ : st) {
    // What a pen point changes: a pixel byte and the cell's entries on both screens.
    const size_t column = rng() % 32, line = rng() % 192;
    pic.planes[column * 192 + line] ^= uint8_t(1u << (rng() % 8));
    pic.planes[cs::kPixelBlockSize + column * 384 + line / 8 * 16] = uint8_t(rng() % 15);
    pic.planes[cs::kPixelBlockSize + cs::kAttrPlaneSize + column * 384 + line / 8 * 16] = uint8_t(rng() % 15);
    benchmark::DoNotOptimize(h.record(pic, "Pen"));
  }
}
BENCHMARK(BM_HistoryRecordPenPoint)->Unit(benchmark::kMicrosecond);

void BM_HistoryJump100Steps(benchmark::State& st) {
  cs::EditorState s;
  s.picture = cs::bench::RandomPicture(4, 5);
  cs::History h(s.picture);
  std::mt19937 rng(2);
  // 100 strokes of 20 points each.
  for (int stroke = 0; stroke < 100; ++stroke) {
    randomStroke(s, rng, 20);
    h.record(s.picture, "Pen");
  }
  size_t target = 0;
  for (auto _ : st) {
    h.jumpTo(target, s.picture);
    benchmark::DoNotOptimize(s.picture.planes.data());
    target = 100 - target;
  }
}
// In the unit of the composition it is compared with.
BENCHMARK(BM_HistoryJump100Steps);

const cs::bench::RegisterRatio r1("BM_HistoryRecordPenPoint", "BM_PenPointAtZoom4",
                                  "history step of a pen point / pen point");
const cs::bench::RegisterRatio r2("BM_HistoryJump100Steps", "BM_ComposePicture/8",
                                  "history jump over 100 strokes / full composition");

const cs::bench::RegisterReport memory(
    "History memory: random pen points, each a step of its own", [](bool quick) {
      cs::EditorState s;
      s.picture = cs::bench::RandomPicture(1, 7);
      cs::History h(s.picture);
      std::mt19937 rng(3);
      const int points = quick ? 1000 : 10000;
      for (int i = 0; i < points; ++i) {
        randomStroke(s, rng, 1);
        h.record(s.picture, "Pen");
      }
      const double mib = double(h.bytes()) / (1 << 20);
      std::printf("  %d points, %zu steps kept: %.2f MiB, %.3f of 16 MiB\n", points, h.size(), mib, mib / 16);
    });

}  // namespace
