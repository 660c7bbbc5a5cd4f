// The AVX2 composition kernel: a byte column's eight pixels in one vector.
// Only the functions marked for AVX2 use its instructions, so the rest of
// the program runs on any x86-64; the kernel is chosen at run time.
#include "render/compose_kernels.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

#include <cstdint>

#define CS_WIDE __attribute__((target("avx2")))

namespace cs::compose_detail {

namespace {

// Lane j holds bit 7 - j of b: the pixels of a byte, leftmost first.
CS_WIDE inline __m256i bitsOf(uint8_t b) {
  return _mm256_and_si256(_mm256_srlv_epi32(_mm256_set1_epi32(b), _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0)),
                          _mm256_set1_epi32(1));
}

CS_WIDE inline void store(Rgb* dst, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), v); }

// The eight colours of the cell whose attribute entry is at `attr`, in one
// vector in CellPaint's order: the four mixes by (screen 0 bit, screen 1
// bit), then screen 0's two colours, then screen 1's. A pixel's colour is
// the lane its bits index. Built in a register: reading eight separate
// stores back as one vector would stall.
CS_WIDE inline __m256i cellColours(const Picture& pic, const ColourTables& t, int attr) {
  const CellPaint cp = cellPaint(pic, t, attr);
  return _mm256_setr_epi32(int(cp.mix[0]), int(cp.mix[1]), int(cp.mix[2]), int(cp.mix[3]), int(cp.z0[0]),
                           int(cp.z0[1]), int(cp.z1[0]), int(cp.z1[1]));
}

// Pixels from one preview line to the next: a constant, so the second line
// costs the kernel no register (the wide entry points check the width).
constexpr std::ptrdiff_t kPreviewStride = 512;

// Paints one line of a byte column: the mix into `c` and, each pixel twice
// across, into the preview's lines `v0` and the one below it; each screen's
// own colours into `z0` and `z1` unless they are null.
CS_WIDE inline void paintLine(__m256i cell, uint8_t b0, uint8_t b1, Rgb* c, Rgb* v0, Rgb* z0, Rgb* z1) {
  Rgb* v1 = v0 + kPreviewStride;
  const __m256i k0 = bitsOf(b0), k1 = bitsOf(b1);
  const __m256i m = _mm256_permutevar8x32_epi32(cell, _mm256_or_si256(_mm256_add_epi32(k0, k0), k1));
  store(c, m);
  if (z0) {
    store(z0, _mm256_permutevar8x32_epi32(cell, _mm256_or_si256(k0, _mm256_set1_epi32(4))));
    store(z1, _mm256_permutevar8x32_epi32(cell, _mm256_or_si256(k1, _mm256_set1_epi32(6))));
  }
  const __m256i lo = _mm256_permutevar8x32_epi32(m, _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3));
  const __m256i hi = _mm256_permutevar8x32_epi32(m, _mm256_setr_epi32(4, 4, 5, 5, 6, 6, 7, 7));
  store(v0, lo);
  store(v0 + 8, hi);
  store(v1, lo);
  store(v1 + 8, hi);
}

// The addresses of one picture line in every image, read once: the vector
// stores may alias anything, so the compiler would otherwise reload them.
// Screen 1's pixels are a constant distance after screen 0's.
struct LineTargets {
  const uint8_t* b0;
  Rgb *c, *z0, *z1, *v0;
};

// Looks up the colours of the cells that start on line `y` in columns
// [from, to): apart from the painting, whose loop then has few enough
// values to keep all of them in registers.
CS_WIDE inline void startCells(const Picture& pic, const ColourTables& t, int y, int from, int to,
                               __m256i* cells) {
  for (int column = from; column < to; ++column) cells[column] = cellColours(pic, t, attrIndex(column, y));
}

// Paints the whole line from the cells' colours.
CS_WIDE inline void paintColumns(const __m256i* cells, const LineTargets& l) {
  const uint8_t* pixels = l.b0;
  for (int i = 0; i < 8 * kColumns; i += 8, pixels += kLines)
    paintLine(cells[i / 8], pixels[0], pixels[kPixelPlaneSize], l.c + i, l.v0 + 2 * i, l.z0 + i, l.z1 + i);
}

}  // namespace

bool WideKernelAvailable(const ComposedImages& out) {
  static const bool available = __builtin_cpu_supports("avx2");
  return available && out.preview.width() == kPreviewStride;
}

CS_WIDE void ComposePictureWide(const Picture& pic, const ColourTables& t, ComposedImages& out) {
  const int h = pic.cellHeight();
  // Line by line, every image written in address order.
  __m256i cells[kColumns];
  for (int y = 0; y < kLines; ++y) {
    const CellStarts starts = cellStartsOn(h, y);
    const LineTargets l{pic.pixels(0) + pixelIndex(0, y), out.composite.row(y), out.screen0.row(y),
                        out.screen1.row(y), out.preview.row(2 * y)};
    if (starts.outer) startCells(pic, t, y, 0, 8, cells);
    if (starts.inner) startCells(pic, t, y, 8, 24, cells);
    if (starts.outer) startCells(pic, t, y, 24, kColumns, cells);
    paintColumns(cells, l);
  }
}

CS_WIDE void ComposeCellWide(const Picture& pic, const ColourTables& t, ComposedImages& out, int column,
                             const CellRect& r) {
  const __m256i cell = cellColours(pic, t, attrIndex(column, r.y));
  for (int y = r.y; y < r.y + r.height; ++y)
    paintLine(cell, pic.pixels(0)[pixelIndex(column, y)], pic.pixels(1)[pixelIndex(column, y)],
              out.composite.row(y) + 8 * column, out.preview.row(2 * y) + 16 * column, nullptr, nullptr);
}

}  // namespace cs::compose_detail

#else

namespace cs::compose_detail {

bool WideKernelAvailable(const ComposedImages&) { return false; }
void ComposePictureWide(const Picture& pic, const ColourTables& t, ComposedImages& out) {
  ComposePicturePortable(pic, t, out);
}
void ComposeCellWide(const Picture& pic, const ColourTables& t, ComposedImages& out, int column,
                     const CellRect& r) {
  ComposeCellPortable(pic, t, out, column, r);
}

}  // namespace cs::compose_detail

#endif
