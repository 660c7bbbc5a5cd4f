// The composition kernels behind ComposePicture and ComposeCell: a portable
// one (SSE2 lanes where the compiler has them) and, on x86, one that uses
// AVX2 when the processor has it. Both paint the same pixels; the choice is
// made once, at the first composition.
#pragma once

#include "render/compose.h"

namespace cs::compose_detail {

// A cell's colours: the mix by (screen 0 bit, screen 1 bit), and each
// screen's own two colours, indexed by its bit.
struct CellPaint {
  Rgb mix[4];
  Rgb z0[2];
  Rgb z1[2];
};

inline CellPaint cellPaint(const Picture& pic, const ColourTables& t, int attr) {
  const uint8_t ink0 = pic.attrs(0)[attr], pap0 = pic.attrs(0)[attr + 1];
  const uint8_t ink1 = pic.attrs(1)[attr], pap1 = pic.attrs(1)[attr + 1];
  return {{t.mix.at(ink0, ink1), t.mix.at(ink0, pap1), t.mix.at(pap0, ink1), t.mix.at(pap0, pap1)},
          {t.zx[safeIndex(ink0)], t.zx[safeIndex(pap0)]},
          {t.zx[safeIndex(ink1)], t.zx[safeIndex(pap1)]}};
}

// Which cells start on line `y` at cell height `h` (a power of two): those
// of the inner columns, and those of the outer ones, which keep 8-line
// cells at height 1. A cell's colours are looked up at its first line.
struct CellStarts {
  bool inner, outer;
};
inline CellStarts cellStartsOn(int h, int y) {
  const bool inner = (y & (h - 1)) == 0;
  return {inner, h == 1 ? (y & 7) == 0 : inner};
}

void ComposePicturePortable(const Picture& pic, const ColourTables& t, ComposedImages& out);
void ComposeCellPortable(const Picture& pic, const ColourTables& t, ComposedImages& out, int column,
                         const CellRect& r);

// False where the wide kernel is not built, the processor lacks AVX2 or
// `out` is not of the usual sizes; the wide entry points must then not be
// called.
bool WideKernelAvailable(const ComposedImages& out);
void ComposePictureWide(const Picture& pic, const ColourTables& t, ComposedImages& out);
void ComposeCellWide(const Picture& pic, const ColourTables& t, ComposedImages& out, int column,
                     const CellRect& r);

}  // namespace cs::compose_detail
