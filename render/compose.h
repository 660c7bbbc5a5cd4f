// Composition: turns the Picture's planes into the true-colour images the
// editor, the previews and the exports read. A full recomposition rebuilds all
// four; the one-cell update refreshes the mixed images for a single cell while
// a pen stroke is under way.
#pragma once

#include "model/colour.h"
#include "model/picture.h"
#include "model/rgb_image.h"

namespace cs {

struct ComposedImages {
  RgbImage composite{512, 384};  // CompositeBitmap: the mix at 1:1, 256 x 192 used
  RgbImage preview{512, 384};    // PreviewBitmap: the mix at 2:1
  RgbImage screen0{256, 192};    // Screen0Bitmap: screen 0 alone in ZX colours
  RgbImage screen1{256, 192};    // Screen1Bitmap
};

// The colour tables composition reads, built once.
struct ColourTables {
  MixTable mix = ComputeMixTable();
  ZxPalette zx = MakeZxPalette();
};

// Rectangle of one cell in picture pixels.
struct CellRect {
  int x, y, width, height;
  friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The cell of `column` at cell row `cellRow`: normally lines r*h .. r*h+h-1;
// in 8x1 outer columns the 8-line block that holds line r.
CellRect cellRectOf(int cellHeight, int column, int cellRow);

// Rebuilds all four images from the planes.
void ComposePicture(const Picture& pic, const ColourTables& t, ComposedImages& out);

// Recolours one cell in the composite and the preview (the single-screen
// images catch up at the next full composition). Returns the cell's rectangle.
CellRect ComposeCell(const Picture& pic, const ColourTables& t, ComposedImages& out, int column, int cellRow);

}  // namespace cs
