#include "render/screen_views.h"

#include <algorithm>

#include "render/gallery_palette.h"

namespace cs {

ColourTables ScreenTables(const ColourTables& t, int s) {
  ColourTables out = t;
  for (int a = 0; a < 16; ++a)
    for (int b = 0; b < 16; ++b)
      out.mix.cells[static_cast<std::size_t>(a * 16 + b)] = t.zx[static_cast<std::size_t>(s == 0 ? a : b)];
  return out;
}

ScreenViews::ScreenViews() {
  for (auto& f : frames_) f = std::make_unique<ComposedImages>();
}

std::size_t ScreenViews::slot(int k) const {
  switch (mode_) {
    case ViewMode::Screen1: return 1;
    case ViewMode::Flicker: return static_cast<std::size_t>(k & 1);
    case ViewMode::Interlace: return 2 + static_cast<std::size_t>(k & 1);
    default: return 0;
  }
}

void ScreenViews::compose(const Picture& pic, ViewMode mode, const ColourTables& t, const RgbImage* map) {
  mode_ = mode;
  tables_ = t;
  screenTables_[0] = ScreenTables(t, 0);
  screenTables_[1] = ScreenTables(t, 1);
  const Rgb b0 = screenBorder(t, pic.borderIndex0), b1 = screenBorder(t, pic.borderIndex1);
  switch (mode) {
    case ViewMode::Mix:
      ComposePicture(pic, t, *frames_[0]);
      borders_ = {mixedBorder(t, pic.borderIndex0, pic.borderIndex1), mixedBorder(t, pic.borderIndex0, pic.borderIndex1)};
      break;
    case ViewMode::FlickerRisk: {
      ComposedImages& f = *frames_[0];
      for (int y = 0; y < kLines; ++y) {
        const Rgb* src = map ? map->row(y) : nullptr;
        for (int x = 0; x < kWidth; ++x) {
          const Rgb c = src ? src[x] : rgb(0, 0, 0);
          f.composite.set(x, y, c);
          f.preview.fillRect(2 * x, 2 * y, 2, 2, c);
        }
      }
      borders_ = {mixedBorder(t, pic.borderIndex0, pic.borderIndex1), mixedBorder(t, pic.borderIndex0, pic.borderIndex1)};
      break;
    }
    default:
      ComposePicture(pic, screenTables_[0], *frames_[0]);
      ComposePicture(pic, screenTables_[1], *frames_[1]);
      borders_ = {b0, b1};
      if (mode == ViewMode::Screen1) borders_ = {b1, b1};
      if (mode == ViewMode::Screen0) borders_ = {b0, b0};
      if (mode == ViewMode::Interlace) interlace(0, kLines, 0, kWidth);
      break;
  }
}

// Frame k of the interlaced view: line y from screen (y + k) mod 2.
void ScreenViews::interlace(int firstLine, int lines, int x0, int width) {
  for (int k = 0; k < 2; ++k) {
    ComposedImages& out = *frames_[2 + static_cast<std::size_t>(k)];
    for (int y = firstLine; y < firstLine + lines; ++y) {
      const ComposedImages& in = *frames_[static_cast<std::size_t>((y + k) & 1)];
      std::copy_n(in.composite.row(y) + x0, width, out.composite.row(y) + x0);
      for (int r = 2 * y; r < 2 * y + 2; ++r)
        std::copy_n(in.preview.row(r) + 2 * x0, 2 * width, out.preview.row(r) + 2 * x0);
    }
  }
}

CellRect ScreenViews::composeCell(const Picture& pic, int column, int cellRow) {
  switch (mode_) {
    case ViewMode::Mix: return ComposeCell(pic, tables_, *frames_[0], column, cellRow);
    case ViewMode::FlickerRisk: return cellRectOf(pic.cellHeight(), column, cellRow);
    default: break;
  }
  ComposeCell(pic, screenTables_[0], *frames_[0], column, cellRow);
  const CellRect r = ComposeCell(pic, screenTables_[1], *frames_[1], column, cellRow);
  if (mode_ == ViewMode::Interlace && r.width > 0) interlace(r.y, r.height, r.x, r.width);
  return r;
}

}  // namespace cs
