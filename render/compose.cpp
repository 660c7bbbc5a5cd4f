#include "render/compose.h"

#include "render/compose_kernels.h"

#include <array>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace cs {

namespace compose_detail {

namespace {

#if defined(__SSE2__)
// Lane j of entry n is all ones when bit 3 - j of the nibble n is set: the
// pixels of half a byte, leftmost first.
struct NibbleLanes {
  __m128i lanes[16];
  const __m128i& operator[](unsigned n) const { return lanes[n]; }
};
const NibbleLanes kNibbleLanes = [] {
  NibbleLanes t{};
  for (int n = 0; n < 16; ++n)
    t.lanes[n] = _mm_set_epi32(n & 1 ? -1 : 0, n & 2 ? -1 : 0, n & 4 ? -1 : 0, n & 8 ? -1 : 0);
  return t;
}();
#endif

#if defined(__SSE2__)
// A cell's colours, each repeated in the four lanes of a vector.
struct CellLanes {
  __m128i mix[4], z0[2], z1[2];
};
CellLanes lanesOf(const CellPaint& cp) {
  const auto splat = [](Rgb v) { return _mm_set1_epi32(static_cast<int>(v)); };
  return {{splat(cp.mix[0]), splat(cp.mix[1]), splat(cp.mix[2]), splat(cp.mix[3])},
          {splat(cp.z0[0]), splat(cp.z0[1])},
          {splat(cp.z1[0]), splat(cp.z1[1])}};
}
#else
using CellLanes = CellPaint;
CellLanes lanesOf(const CellPaint& cp) { return cp; }
#endif

// The 8 pixels of one byte column on one line: the mix by both bits into
// `c`, each screen's colour by its own bit into `z0` and `z1` (unless they
// are null: a pen point leaves the single screens to the next composition).
inline void paintLine(const CellLanes& cp, unsigned b0, unsigned b1, Rgb* c, Rgb* z0, Rgb* z1) {
#if defined(__SSE2__)
  // Four pixels at a time: each bit becomes an all-ones or all-zeros lane,
  // and the lanes select between the colours.
  const auto select = [](__m128i mask, __m128i on, __m128i off) {
    return _mm_or_si128(_mm_and_si128(mask, on), _mm_andnot_si128(mask, off));
  };
  for (int half = 0; half < 2; ++half) {
    const __m128i k0 = kNibbleLanes[(b0 >> (4 - 4 * half)) & 15];
    const __m128i k1 = kNibbleLanes[(b1 >> (4 - 4 * half)) & 15];
    const __m128i mixed = select(k0, select(k1, cp.mix[3], cp.mix[2]), select(k1, cp.mix[1], cp.mix[0]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(c + 4 * half), mixed);
    if (!z0) continue;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(z0 + 4 * half), select(k0, cp.z0[1], cp.z0[0]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(z1 + 4 * half), select(k1, cp.z1[1], cp.z1[0]));
  }
#else
  for (int j = 0; j < 8; ++j) {
    const unsigned bit0 = (b0 >> (7 - j)) & 1, bit1 = (b1 >> (7 - j)) & 1;
    c[j] = cp.mix[2 * bit0 + bit1];
    if (!z0) continue;
    z0[j] = cp.z0[bit0];
    z1[j] = cp.z1[bit1];
  }
#endif
}

// Writes each of `n` pixels (a multiple of four) twice across, on two lines.
inline void doublePixels(const Rgb* src, Rgb* dst, Rgb* dst2, std::size_t n) {
#if defined(__SSE2__)
  for (std::size_t x = 0; x < n; x += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x));
    const __m128i lo = _mm_unpacklo_epi32(v, v), hi = _mm_unpackhi_epi32(v, v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 2 * x), lo);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 2 * x + 4), hi);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst2 + 2 * x), lo);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst2 + 2 * x + 4), hi);
  }
#else
  for (std::size_t x = 0; x < n; ++x) dst[2 * x] = dst[2 * x + 1] = dst2[2 * x] = dst2[2 * x + 1] = src[x];
#endif
}

}  // namespace

void ComposePicturePortable(const Picture& pic, const ColourTables& t, ComposedImages& out) {
  const int h = pic.cellHeight();
  // Line by line, so every image is written in address order: the mixed
  // line and both screens' lines, then the preview's two lines doubled from
  // the mixed one.
  CellLanes cells[kColumns];
  for (int y = 0; y < kLines; ++y) {
    const CellStarts starts = cellStartsOn(h, y);
    Rgb* c = out.composite.row(y);
    Rgb* z0 = out.screen0.row(y);
    Rgb* z1 = out.screen1.row(y);
    for (int column = 0; column < kColumns; ++column) {
      if (isOuterColumn(column) ? starts.outer : starts.inner)
        cells[column] = lanesOf(cellPaint(pic, t, attrIndex(column, y)));
      paintLine(cells[column], pic.pixels(0)[pixelIndex(column, y)], pic.pixels(1)[pixelIndex(column, y)],
                c + 8 * column, z0 + 8 * column, z1 + 8 * column);
    }
    doublePixels(c, out.preview.row(2 * y), out.preview.row(2 * y + 1), kWidth);
  }
}

void ComposeCellPortable(const Picture& pic, const ColourTables& t, ComposedImages& out, int column,
                         const CellRect& r) {
  // The cell's mixed lines as a full composition paints them.
  const CellLanes cp = lanesOf(cellPaint(pic, t, attrIndex(column, r.y)));
  const int x0 = 8 * column;
  for (int y = r.y; y < r.y + r.height; ++y) {
    Rgb* c = out.composite.row(y) + x0;
    paintLine(cp, pic.pixels(0)[pixelIndex(column, y)], pic.pixels(1)[pixelIndex(column, y)], c, nullptr,
              nullptr);
    doublePixels(c, out.preview.row(2 * y) + 2 * x0, out.preview.row(2 * y + 1) + 2 * x0, 8);
  }
}

}  // namespace compose_detail

CellRect cellRectOf(int cellHeight, int column, int cellRow) {
  if (cellHeight == 1 && isOuterColumn(column)) return {column * 8, cellRow / 8 * 8, 8, 8};
  return {column * 8, cellRow * cellHeight, 8, cellHeight};
}

void ComposePicture(const Picture& pic, const ColourTables& t, ComposedImages& out) {
  if (compose_detail::WideKernelAvailable(out))
    compose_detail::ComposePictureWide(pic, t, out);
  else
    compose_detail::ComposePicturePortable(pic, t, out);
}

CellRect ComposeCell(const Picture& pic, const ColourTables& t, ComposedImages& out, int column,
                     int cellRow) {
  const CellRect r = cellRectOf(pic.cellHeight(), column, cellRow);
  if (column < 0 || column >= kColumns || r.y < 0 || r.y + r.height > kLines) return {0, 0, 0, 0};
  if (compose_detail::WideKernelAvailable(out))
    compose_detail::ComposeCellWide(pic, t, out, column, r);
  else
    compose_detail::ComposeCellPortable(pic, t, out, column, r);
  return r;
}

}  // namespace cs
