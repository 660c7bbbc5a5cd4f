// The frames a view of the Picture shows: one for the mix, a screen alone
// or a map, two that alternate for the flickering screens and for the
// interlaced lines. Each frame is a composite and a 2:1 preview like the
// mixed composition's, so the editor image, the preview and the magnifier
// draw any view the way they draw the mix, and a border colour of its own.
#pragma once

#include <array>
#include <memory>

#include "model/picture.h"
#include "model/view_mode.h"
#include "render/compose.h"

namespace cs {

class ScreenViews {
 public:
  ScreenViews();

  // Rebuilds the frames of `mode` from the planes, in the palette `t`. A
  // map view (the flicker risk) takes its picture from `map` instead.
  void compose(const Picture& pic, ViewMode mode, const ColourTables& t, const RgbImage* map = nullptr);
  // After a pen point: recolours one cell in every frame of a screen or mix
  // view (a map view is composed again whole by its owner) and returns the
  // cell's rectangle.
  CellRect composeCell(const Picture& pic, int column, int cellRow);

  ViewMode mode() const { return mode_; }
  // 2 for the alternating views, else 1.
  int frameCount() const { return mode_ == ViewMode::Flicker || mode_ == ViewMode::Interlace ? 2 : 1; }
  const ComposedImages& frame(int k) const { return *frames_[slot(k)]; }
  Rgb border(int k) const { return borders_[static_cast<std::size_t>(k & 1)]; }

 private:
  std::size_t slot(int k) const;
  void interlace(int firstLine, int lines, int x0, int width);

  ViewMode mode_ = ViewMode::Mix;
  ColourTables tables_;
  ColourTables screenTables_[2];  // "mixes" that show one screen's colour
  // 0 and 1: the mix or each screen alone; 2 and 3: the interlaced frames.
  std::array<std::unique_ptr<ComposedImages>, 4> frames_;
  std::array<Rgb, 2> borders_{};
};

// The tables that compose screen `s` alone into the composite.
ColourTables ScreenTables(const ColourTables& t, int s);

}  // namespace cs
