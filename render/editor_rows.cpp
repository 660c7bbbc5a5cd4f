#include "render/editor_rows.h"

#include <algorithm>
#include <cstring>

namespace cs {

namespace {

int firstMultipleFrom(int from, int step) { return (from + step - 1) / step * step; }

// The grid dot of a line at position `along` of it: the dot colour on even
// positions, grey on odd ones.
Rgb dotAt(int along, Rgb dot) { return along % 2 ? kGridGrey : dot; }

}  // namespace

void RenderEditorArea(const RgbImage& composite, const OverlayView& v, ScreenRect area, Rgb* dst,
                      std::ptrdiff_t stride, std::vector<Rgb>& scratch) {
  const int s = v.scale, h = v.cellHeight;
  const int x0 = area.x, x1 = area.x + area.width, y0 = area.y, y1 = area.y + area.height;
  const int n = area.width;
  if (n <= 0 || area.height <= 0) return;
  scratch.resize(2 * static_cast<std::size_t>(n));
  Rgb* rows[2] = {scratch.data(), scratch.data() + n};
  const bool columns = v.pixelGrid || v.charGrid;
  for (int py = y0 / s; py * s < y1; ++py) {
    // The picture line magnified across the area, then the vertical grid
    // dots, which differ between even and odd screen lines.
    const Rgb* src = composite.row(py);
    for (int px = x0 / s; px * s < x1; ++px) {
      const int from = std::max(x0, px * s), to = std::min(x1, (px + 1) * s);
      std::fill(rows[0] + (from - x0), rows[0] + (to - x0), src[px]);
    }
    if (columns) {
      std::memcpy(rows[1], rows[0], sizeof(Rgb) * static_cast<std::size_t>(n));
      const auto dots = [&](int step, Rgb dot) {
        for (int x = firstMultipleFrom(x0, step); x < x1; x += step) {
          rows[0][x - x0] = dot;
          rows[1][x - x0] = kGridGrey;
        }
      };
      if (v.pixelGrid) dots(s, kPixelGridDot);
      if (v.charGrid) dots(8 * s, kCharGridDot);
    }
    const int lineEnd = std::min(y1, (py + 1) * s);
    for (int y = std::max(y0, py * s); y < lineEnd; ++y) {
      Rgb* out = dst + static_cast<std::ptrdiff_t>(y - y0) * stride;
      std::memcpy(out, rows[columns ? y % 2 : 0], sizeof(Rgb) * static_cast<std::size_t>(n));
      // A horizontal grid line crosses this screen line: its dots go between
      // the vertical lines of its own kind and below those of the char grid.
      const bool pixelRow = v.pixelGrid && y % s == 0;
      int charFrom = 0, charTo = 0;  // the char grid line's extent, if any
      if (v.charGrid && h != 1 && y % (h * s) == 0) charTo = 256 * s;
      if (v.charGrid && h == 1 && y % s == 0) {
        // At one line per cell the outer columns keep 8-line cells.
        charFrom = y % (8 * s) == 0 ? 0 : 64 * s;
        charTo = y % (8 * s) == 0 ? 256 * s : 192 * s;
      }
      if (!pixelRow && charFrom >= charTo) continue;
      for (int x = x0; x < x1; ++x) {
        const bool charColumn = v.charGrid && x % (8 * s) == 0;
        if (charColumn) continue;
        if (x >= charFrom && x < charTo) {
          out[x - x0] = dotAt(x, kCharGridDot);
        } else if (pixelRow && !(v.pixelGrid && x % s == 0)) {
          out[x - x0] = dotAt(x, kPixelGridDot);
        }
      }
    }
  }
}

}  // namespace cs
