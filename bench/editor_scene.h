// What the drawing benchmarks share: a random picture and an editor scene at
// zoom level 4 with both grids and a selection outline, whose visible part is
// a 1920 x 1080 viewport of the 4096 x 3072 image.
#pragma once

#include <algorithm>

#include <QImage>
#include <QPainter>
#include <random>

#include "app/ui/editor_canvas.h"
#include "bench/gui_app.h"
#include "model/editor_state.h"
#include "render/compose.h"

namespace cs::bench {

// Random pixels and valid colour indices at every line.
inline Picture RandomPicture(int cellHeight, unsigned seed) {
  Picture pic;
  pic.vertSize = static_cast<uint8_t>(cellHeight);
  std::mt19937 rng(seed);
  for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  return pic;
}

struct EditorScene {
  EditorState state;
  ComposedImages images;
  ColourTables tables;
  QImage target{1920, 1080, QImage::Format_RGB32};
  QRect viewport{1000, 800, 1920, 1080};

  EditorScene() {
    EnsureGuiApp();
    state.picture = RandomPicture(8, 3);
    ComposePicture(state.picture, tables, images);
    state.view.zoomLevel = 4;
    state.charGridOn = state.pixelGridOn = true;
    state.selection = Selection{true, false, 8, 6, 14, 9};
  }

  // Zoom level `level` and a `width` x `height` viewport in the middle of
  // the editor image (the whole image where it is smaller).
  void frame(int level, int width, int height) {
    state.view.zoomLevel = level;
    const int s = state.view.pixelScale(), w = std::min(width, 256 * s), h = std::min(height, 192 * s);
    viewport = QRect((256 * s - w) / 2, (192 * s - h) / 2, w, h);
    target = QImage(w, h, QImage::Format_RGB32);
  }

  // Paints `area` of the editor image into the viewport's target.
  void paint(EditorCanvas& canvas, const QRect& area) {
    QPainter p(&target);
    p.translate(-viewport.topLeft());
    canvas.paint(p, area, OverlayViewOf(state));
  }
};

}  // namespace cs::bench
