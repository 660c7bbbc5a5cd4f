// Fills and filled shapes against a full composition of the picture in the
// same run: a fill of a region covering the whole picture, of a region
// winding through a maze of half the pixels, and a filled ellipse of the
// whole picture, each as the instrument makes it (region, undo snapshot and
// the point rule on every pixel), without the window's repaint.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/ratio.h"
#include "colour/palette_actions.h"
#include "edit/instruments.h"

namespace {

using namespace cs;

struct NullSink : PaintSink {
  void redrawCell(int, int, int) override {}
  void showPaintedPoint(const PointInfo&) override {}
};

// A perfect maze: the pixels at even (x, y) and the ones carved between them
// by a depth-first walk are set on both screens; the rest are walls.
Picture MazePicture() {
  Picture pic;
  pic.vertSize = 8;
  constexpr int nx = kWidth / 2, ny = kLines / 2;
  std::vector<bool> seen(size_t(nx * ny));
  std::vector<std::pair<int, int>> stack{{0, 0}};
  std::mt19937 rng(5);
  seen[0] = true;
  const auto carve = [&pic](int x, int y) { pic.setPixel(0, x, y, true), pic.setPixel(1, x, y, true); };
  carve(0, 0);
  while (!stack.empty()) {
    const auto [cx, cy] = stack.back();
    std::pair<int, int> next[4];
    int n = 0;
    for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
      const int x = cx + dx, y = cy + dy;
      if (x >= 0 && y >= 0 && x < nx && y < ny && !seen[size_t(y * nx + x)]) next[n++] = {x, y};
    }
    if (n == 0) {
      stack.pop_back();
      continue;
    }
    const auto [x, y] = next[rng() % unsigned(n)];
    seen[size_t(y * nx + x)] = true;
    carve(cx + x, cy + y);  // the pixel between the two nodes
    carve(2 * x, 2 * y);
    stack.push_back({x, y});
  }
  for (int c = 0; c < kColumns; ++c)
    for (int l = 0; l < kLines; ++l) pic.setCellColours(c, l, {1, 2, 4, 6});
  return pic;
}

// Fills at picture pixel (x, y) over and over, in mix 1 and mix 3 by turns,
// so every fill repaints its whole region.
void fillRepeatedly(benchmark::State& st, const Picture& start, int x, int y, bool rgb) {
  EditorState s;
  s.picture = start;
  s.rgbModeOn = rgb;
  s.colours = {1, 2, 4, 6, 0, 0, 0};
  SetInstrument(s, Instrument::Fill);
  NullSink sink;
  const MixTable mix = ComputeMixTable();
  const int k = s.view.pixelScale();
  int turn = 0;
  for (auto _ : st) {
    ChooseMix(s, turn++ % 2 ? 1 : 3);
    EditorPress(s, sink, MouseButton::Left, false, x * k, y * k);
    benchmark::DoNotOptimize(EditorRelease(s, sink, PaintContext{&mix}));
  }
}

void BM_FillWholePicture(benchmark::State& st) {
  Picture pic;
  pic.vertSize = 8;
  fillRepeatedly(st, pic, 100, 100, true);
}
BENCHMARK(BM_FillWholePicture);

void BM_FillMaze(benchmark::State& st) { fillRepeatedly(st, MazePicture(), 0, 0, false); }
BENCHMARK(BM_FillMaze);

void BM_FilledEllipseWholePicture(benchmark::State& st) {
  EditorState s;
  s.picture.vertSize = 8;
  s.colours = {1, 2, 4, 6, 0, 0, 0};
  s.shapes.filled = true;
  SetInstrument(s, Instrument::Ellipse);
  NullSink sink;
  const int k = s.view.pixelScale();
  int turn = 0;
  for (auto _ : st) {
    ChooseMix(s, turn++ % 2 ? 1 : 3);
    EditorPress(s, sink, MouseButton::Left, false, 0, 0);
    EditorPress(s, sink, MouseButton::Left, false, (kWidth - 1) * k, (kLines - 1) * k);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FilledEllipseWholePicture);

const bench::RegisterRatio r1("BM_FillWholePicture", "BM_ComposePicture/8",
                              "Fill of the whole picture / full composition");
const bench::RegisterRatio r2("BM_FillMaze", "BM_ComposePicture/8",
                              "Fill through a maze of half the pixels / full composition");
const bench::RegisterRatio r3("BM_FilledEllipseWholePicture", "BM_ComposePicture/8",
                              "Filled ellipse of the whole picture / full composition");

}  // namespace
