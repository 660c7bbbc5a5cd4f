#include "render/editor_rows.h"

#include <algorithm>
#include <cstring>

namespace cs {

namespace {

int firstMultipleFrom(int from, int step) { return (from + step - 1) / step * step; }

// Lays a horizontal grid line's dots over `line` (positions x0 .. x1):
// every position that is not a multiple of `step` (where the vertical lines
// of the same kind, or the char grid's, stay on top) gets the dot colour on
// even positions and grey on odd ones.
void dotsBetween(Rgb* line, int x0, int x1, int step, Rgb dot) {
  int k = x0 % step;
  for (int x = x0; x < x1; ++x) {
    if (k != 0) line[x - x0] = x % 2 ? kGridGrey : dot;
    k = k + 1 == step ? 0 : k + 1;
  }
}

}  // namespace

void RenderEditorArea(const RgbImage& composite, const OverlayView& v, ScreenRect area, Rgb* dst,
                      std::ptrdiff_t stride, std::vector<Rgb>& scratch, const ReferenceLayer* reference) {
  const int s = v.scale, h = v.cellHeight;
  const int x0 = area.x, x1 = area.x + area.width, y0 = area.y, y1 = area.y + area.height;
  const int n = area.width;
  if (n <= 0 || area.height <= 0) return;
  const std::size_t bytes = sizeof(Rgb) * static_cast<std::size_t>(n);
  scratch.resize(4 * static_cast<std::size_t>(n));
  Rgb* rows[2] = {scratch.data(), scratch.data() + n};
  // Where a horizontal grid line crosses a screen line, every pixel it
  // covers is a grid dot, whatever the picture: the two kinds of line are
  // built once, from the first magnified line, and copied.
  Rgb* pixelLine = scratch.data() + 2 * n;
  Rgb* charLine = scratch.data() + 3 * n;
  bool gridLinesBuilt = false;
  const bool columns = v.pixelGrid || v.charGrid;
  for (int py = y0 / s; py * s < y1; ++py) {
    // The picture line magnified across the area, then the vertical grid
    // dots, which differ between even and odd screen lines.
    const Rgb* src = composite.row(py);
    const ReferenceTexel* texels = reference ? reference->row(py) : nullptr;
    for (int px = x0 / s; px * s < x1; ++px) {
      const int from = std::max(x0, px * s), to = std::min(x1, (px + 1) * s);
      const Rgb c = texels ? BlendReference(src[px], texels[px]) : src[px];
      std::fill(rows[0] + (from - x0), rows[0] + (to - x0), c);
    }
    if (columns) {
      std::memcpy(rows[1], rows[0], bytes);
      const auto dots = [&](int step, Rgb dot) {
        for (int x = firstMultipleFrom(x0, step); x < x1; x += step) {
          rows[0][x - x0] = dot;
          rows[1][x - x0] = kGridGrey;
        }
      };
      if (v.pixelGrid) dots(s, kPixelGridDot);
      if (v.charGrid) dots(8 * s, kCharGridDot);
      if (!gridLinesBuilt) {
        if (v.pixelGrid) {
          std::memcpy(pixelLine, rows[0], bytes);
          dotsBetween(pixelLine, x0, x1, s, kPixelGridDot);
        }
        if (v.charGrid) {
          std::memcpy(charLine, rows[0], bytes);
          dotsBetween(charLine, x0, x1, 8 * s, kCharGridDot);
        }
        gridLinesBuilt = true;
      }
    }
    const int lineEnd = std::min(y1, (py + 1) * s);
    for (int y = std::max(y0, py * s); y < lineEnd; ++y) {
      // A horizontal grid line crosses this screen line if it is the first
      // of a picture line (pixel grid) or of a cell (char grid).
      const bool pixelRow = v.pixelGrid && y % s == 0;
      int charFrom = 0, charTo = 0;  // the char grid line's extent, if any
      if (v.charGrid && h != 1 && y % (h * s) == 0) charTo = 256 * s;
      if (v.charGrid && h == 1 && y % s == 0) {
        // At one line per cell the outer columns keep 8-line cells.
        charFrom = y % (8 * s) == 0 ? 0 : 64 * s;
        charTo = y % (8 * s) == 0 ? 256 * s : 192 * s;
      }
      Rgb* out = dst + static_cast<std::ptrdiff_t>(y - y0) * stride;
      std::memcpy(out, pixelRow ? pixelLine : rows[columns ? y % 2 : 0], bytes);
      const int from = std::max(x0, charFrom), to = std::min(x1, charTo);
      if (from < to) std::memcpy(out + (from - x0), charLine + (from - x0), sizeof(Rgb) * std::size_t(to - from));
    }
  }
}

}  // namespace cs
