#include "render/overlays.h"

#include <algorithm>

namespace cs {

namespace {

constexpr Rgb kAntsWhite = rgb(255, 255, 255);
constexpr Rgb kAntsBlack = rgb(0, 0, 0);

RgbImage dottedRow(int length, Rgb dot, bool column) {
  RgbImage img(column ? 1 : length, column ? length : 1);
  for (int i = 0; i < length; ++i) {
    const Rgb c = i % 2 ? dot : kGridGrey;
    column ? img.set(0, i, c) : img.set(i, 0, c);
  }
  return img;
}

RgbImage antsLine(int length, bool column) {
  RgbImage img(column ? 1 : length, column ? length : 1);
  for (int i = 0; i < length; ++i) {
    const Rgb c = i % 16 < 8 ? kAntsWhite : kAntsBlack;
    column ? img.set(0, i, c) : img.set(i, 0, c);
  }
  return img;
}

int floorMod(int a, int m) { return ((a % m) + m) % m; }

// First multiple of `step` at or after `from` (from >= 0).
int firstMultiple(int from, int step) { return (from + step - 1) / step * step; }

struct Clipper {
  ScreenRect clip;
  std::vector<Segment>& out;

  // A horizontal line at y over [x0, x1) whose pixel x0 shows pattern `source`.
  void row(Pattern p, int y, int x0, int x1, int source) {
    if (y < clip.y || y >= clip.y + clip.height) return;
    const int a = std::max(x0, clip.x), b = std::min(x1, clip.x + clip.width);
    if (a >= b) return;
    out.push_back({p, a, y, b - a, floorMod(source + a - x0, periodOf(p))});
  }
  void column(Pattern p, int x, int y0, int y1, int source) {
    if (x < clip.x || x >= clip.x + clip.width) return;
    const int a = std::max(y0, clip.y), b = std::min(y1, clip.y + clip.height);
    if (a >= b) return;
    out.push_back({p, x, a, b - a, floorMod(source + a - y0, periodOf(p))});
  }
};

ScreenRect intersect(ScreenRect a, ScreenRect b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.width, b.x + b.width), y1 = std::min(a.y + a.height, b.y + b.height);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

}  // namespace

OverlayPatterns MakeOverlayPatterns() {
  OverlayPatterns p;
  auto set = [&](Pattern k, RgbImage img) { p.images[static_cast<size_t>(k)] = std::move(img); };
  set(Pattern::PixelGridRow, dottedRow(kMaxImageWidth + 2, kPixelGridDot, false));
  set(Pattern::PixelGridColumn, dottedRow(kMaxImageHeight + 2, kPixelGridDot, true));
  set(Pattern::CharGridRow, dottedRow(kMaxImageWidth + 2, kCharGridDot, false));
  set(Pattern::CharGridColumn, dottedRow(kMaxImageHeight + 2, kCharGridDot, true));
  set(Pattern::AntsRow, antsLine(kMaxImageWidth + 16, false));
  set(Pattern::AntsColumn, antsLine(kMaxImageHeight + 16, true));
  return p;
}

OverlayView OverlayViewOf(const EditorState& state) {
  OverlayView v;
  v.scale = state.view.pixelScale();
  v.cellHeight = state.picture.cellHeight();
  v.pixelGrid = state.pixelGridOn;
  v.charGrid = state.charGridOn;
  v.antsVisible = state.selection.visible;
  v.antsOutline = SelectionOutline(state.selection, v.scale, v.cellHeight);
  v.antsPhase = state.antsPhase;
  v.mirrorLeftRight = state.shapes.mirrorLeftRight;
  v.mirrorTopBottom = state.shapes.mirrorTopBottom;
  return v;
}

ScreenRect SelectionOutline(const Selection& sel, int scale, int cellHeight) {
  const int cw = 8 * scale, ch = cellHeight * scale;
  return {cw * sel.left, ch * sel.top, cw * sel.width, ch * sel.height};
}

void CollectAntsSegments(ScreenRect o, int phase, ScreenRect clip, std::vector<Segment>& out) {
  if (o.empty()) return;
  Clipper c{clip, out};
  c.row(Pattern::AntsRow, o.y, o.x, o.x + o.width, 15 - phase);
  c.row(Pattern::AntsRow, o.y + o.height - 1, o.x, o.x + o.width, phase);
  c.column(Pattern::AntsColumn, o.x, o.y, o.y + o.height, phase);
  c.column(Pattern::AntsColumn, o.x + o.width - 1, o.y, o.y + o.height, 15 - phase);
}

void CollectEditorOverlays(const OverlayView& v, ScreenRect clip, std::vector<Segment>& out) {
  const int s = v.scale, h = v.cellHeight;
  const int width = 256 * s, height = 192 * s;
  const ScreenRect area = intersect(clip, {0, 0, width, height});
  if (area.empty()) return;
  const int x0 = area.x, x1 = area.x + area.width, y0 = area.y, y1 = area.y + area.height;
  Clipper c{area, out};
  // Every line starts with a dot: its first pixel reads the pattern at 1.
  if (v.pixelGrid) {
    for (int y = firstMultiple(y0, s); y < y1; y += s) c.row(Pattern::PixelGridRow, y, 0, width, 1);
    for (int x = firstMultiple(x0, s); x < x1; x += s) c.column(Pattern::PixelGridColumn, x, 0, height, 1);
  }
  if (v.charGrid) {
    if (h != 1) {
      for (int y = firstMultiple(y0, h * s); y < y1; y += h * s) c.row(Pattern::CharGridRow, y, 0, width, 1);
    } else {
      // Per-line cells only in the 16 central columns; the outer columns keep
      // 8-line cells, so only every eighth line runs the full width.
      for (int y = firstMultiple(y0, s); y < y1; y += s) {
        if (y % (8 * s) == 0)
          c.row(Pattern::CharGridRow, y, 0, width, 1);
        else
          c.row(Pattern::CharGridRow, y, 64 * s, 192 * s, 1);
      }
    }
    for (int x = firstMultiple(x0, 8 * s); x < x1; x += 8 * s) c.column(Pattern::CharGridColumn, x, 0, height, 1);
  }
  if (v.antsVisible) CollectAntsSegments(v.antsOutline, v.antsPhase, area, out);
}

std::array<ScreenRect, 4> AntsEdgeRects(ScreenRect o) {
  return {{{o.x, o.y, o.width, 1},
           {o.x, o.y + o.height - 1, o.width, 1},
           {o.x, o.y, 1, o.height},
           {o.x + o.width - 1, o.y, 1, o.height}}};
}

void DrawSegments(RgbImage& target, int originX, int originY, const std::vector<Segment>& segments,
                  const OverlayPatterns& patterns) {
  for (const Segment& seg : segments) {
    const RgbImage& pat = patterns.of(seg.pattern);
    const bool col = isColumnPattern(seg.pattern);
    for (int i = 0; i < seg.length; ++i) {
      const int x = (col ? seg.x : seg.x + i) - originX;
      const int y = (col ? seg.y + i : seg.y) - originY;
      if (x < 0 || y < 0 || x >= target.width() || y >= target.height()) continue;
      target.set(x, y, col ? pat.at(0, seg.source + i) : pat.at(seg.source + i, 0));
    }
  }
}

}  // namespace cs
