// The editor state and the sink that painting tests drive strokes, shapes
// and fills through, in picture pixels.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "edit/instruments.h"
#include "edit/painting.h"

namespace cs {

struct RecordingSink : PaintSink {
  std::vector<std::array<int, 3>> cells;
  std::vector<PointInfo> points;
  void redrawCell(int column, int cellRow, int attrLine) override { cells.push_back({column, cellRow, attrLine}); }
  void showPaintedPoint(const PointInfo& p) override { points.push_back(p); }
};

struct Painting : ::testing::Test {
  EditorState s;
  RecordingSink sink;
  void SetUp() override {
    s.picture.vertSize = 8;
    s.colours = {1, 4, 7, 10, 0, 0, 0};
  }
  // Editor-image position of the centre of picture pixel (x, y).
  ImagePoint at(int x, int y) const {
    const int k = s.view.pixelScale();
    return {x * k + k / 2, y * k + k / 2};
  }
  void click(int x, int y, bool shift = false, MouseButton b = MouseButton::Left) {
    const ImagePoint p = at(x, y);
    EditorPress(s, sink, b, shift, p.x, p.y);
  }
  void drag(int x, int y) {
    const ImagePoint p = at(x, y);
    EditorMove(s, sink, true, false, p.x, p.y);
  }
  bool bits(int x, int y, int screen) const { return s.picture.pixel(screen, x, y); }
  int setPixels() const {
    int n = 0;
    for (int y = 0; y < kLines; ++y)
      for (int x = 0; x < kWidth; ++x) n += bits(x, y, 0);
    return n;
  }
};

}  // namespace cs
