#include "edit/brush.h"

#include <algorithm>

#include "render/view_geometry.h"

namespace cs {

namespace {

// The cells painted in by one brush point, each redrawn once at the end.
class CellsTouched {
 public:
  void add(int column, int cellRow, int attrLine) {
    const std::array<int, 3> c{column, cellRow, attrLine};
    if (std::find(cells_.begin(), cells_.end(), c) == cells_.end()) cells_.push_back(c);
  }
  void redraw(PaintSink& sink) const {
    for (const auto& c : cells_) sink.redrawCell(c[0], c[1], c[2]);
  }

 private:
  std::vector<std::array<int, 3>> cells_;
};

// Keeps the cells a write reports, instead of redrawing each pixel's cell.
class CollectingSink : public PaintSink {
 public:
  explicit CollectingSink(CellsTouched& cells) : cells_(cells) {}
  void redrawCell(int column, int cellRow, int attrLine) override { cells_.add(column, cellRow, attrLine); }
  void showPaintedPoint(const PointInfo&) override {}

 private:
  CellsTouched& cells_;
};

bool stampInUse(const EditorState& s) { return s.brush.hasStamp() && s.curInstrument == Instrument::Paint; }

}  // namespace

void PaintMirroredPixel(EditorState& s, PaintSink& sink, int x, int y, int bit0, int bit1) {
  if (x < 0 || y < 0 || x >= kWidth || y >= kLines) return;
  const int scale = s.view.pixelScale();
  const auto write = [&](int px, int py) { WritePoint(s, sink, MapPosition(s, px * scale, py * scale), bit0, bit1); };
  write(x, y);
  const ShapeOptions& o = s.shapes;
  const auto mirror = [&](int mx, int my) {
    if (mx != x || my != y) write(mx, my);  // on the axis: already painted
  };
  if (o.mirrorLeftRight) mirror(kWidth - 1 - x, y);
  if (o.mirrorTopBottom) mirror(x, kLines - 1 - y);
  if (o.mirrorLeftRight && o.mirrorTopBottom) mirror(kWidth - 1 - x, kLines - 1 - y);
}

std::vector<BrushOffset> BrushFootprint(int size, bool round) {
  std::vector<BrushOffset> out;
  const int lead = (size - 1) / 2;
  for (int j = 0; j < size; ++j)
    for (int i = 0; i < size; ++i) {
      // Doubled, the centre distance stays whole: (2i - (n-1))^2 + ... <= n^2.
      const int di = 2 * i - (size - 1), dj = 2 * j - (size - 1);
      if (round && di * di + dj * dj > size * size) continue;
      out.push_back({i - lead, j - lead});
    }
  return out;
}

void SetBrushSize(BrushState& b, int size) {
  b.size = std::clamp(size, 1, kMaxBrushSize);
  ClearStamp(b);
}

bool BrushActive(const EditorState& s) {
  if (s.curInstrument == Instrument::FillChar || s.curInstrument == Instrument::Fill) return false;
  return s.brush.size > 1 || stampInUse(s);
}

void PaintBrushAt(EditorState& s, PaintSink& sink, int x, int y) {
  CellsTouched cells;
  CollectingSink collect(cells);
  const BrushState& b = s.brush;
  if (stampInUse(s)) {
    const int left = x - b.stampWidth / 2, top = y - b.stampHeight / 2;
    for (int j = 0; j < b.stampHeight; ++j)
      for (int i = 0; i < b.stampWidth; ++i) {
        const int m = b.stampMixes[size_t(j * b.stampWidth + i)];
        if (m != b.transparentMix) PaintMirroredPixel(s, collect, left + i, top + j, m / 2, m % 2);
      }
  } else {
    for (const BrushOffset o : BrushFootprint(b.size, b.round))
      PaintMirroredPixel(s, collect, x + o.dx, y + o.dy, s.colours.bit0, s.colours.bit1);
  }
  cells.redraw(sink);
}

PixelMask WidenedByBrush(const EditorState& s, const PixelMask& m) {
  if (!BrushActive(s)) return m;
  const std::vector<BrushOffset> f = BrushFootprint(s.brush.size, s.brush.round);
  PixelMask out;
  for (int y = 0; y < kLines; ++y) {
    if (!m.rows[size_t(y)].any()) continue;
    for (int x = 0; x < kWidth; ++x) {
      if (!m.test(x, y)) continue;
      for (const BrushOffset o : f) {
        const int px = x + o.dx, py = y + o.dy;
        if (px >= 0 && py >= 0 && px < kWidth && py < kLines) out.set(px, py);
      }
    }
  }
  return out;
}

void StampFromSelection(EditorState& s) {
  const Selection& sel = s.selection;
  if (!sel.visible || sel.width <= 0 || sel.height <= 0) return;
  const int h = s.picture.cellHeight();
  BrushState& b = s.brush;
  b.stampWidth = sel.width * 8;
  b.stampHeight = sel.height * h;
  b.stampMixes.assign(size_t(b.stampWidth * b.stampHeight), 0);
  for (int j = 0; j < b.stampHeight; ++j)
    for (int i = 0; i < b.stampWidth; ++i) {
      const int x = sel.left * 8 + i, y = sel.top * h + j;
      const int m = 2 * int(s.picture.pixel(0, x, y)) + int(s.picture.pixel(1, x, y));
      b.stampMixes[size_t(j * b.stampWidth + i)] = uint8_t(m);
    }
}

void ClearStamp(BrushState& b) {
  b.stampWidth = b.stampHeight = 0;
  b.stampMixes.clear();
}

void FlipStamp(BrushState& b, bool leftRight) {
  const int w = b.stampWidth, h = b.stampHeight;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const int fi = leftRight ? w - 1 - i : i, fj = leftRight ? j : h - 1 - j;
      // Each pair is swapped once: from the earlier of its two places.
      if (fj * w + fi > j * w + i)
        std::swap(b.stampMixes[size_t(j * w + i)], b.stampMixes[size_t(fj * w + fi)]);
    }
}

}  // namespace cs
