#include "formats/screen_strips.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/colour.h"
#include "model/picture.h"

namespace cs {

namespace {

constexpr std::ptrdiff_t kPixelColumn = pixelIndex(1, 0);
constexpr std::ptrdiff_t kAttrColumn = attrIndex(1, 0);

#if defined(__SSE2__)

using V = __m128i;

V load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
void store(uint8_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }

// f(0), f(1) ... f(N - 1), each index a constant: loops over the vectors
// of a strip written out in full, so they stay in registers.
template <int N, typename F>
[[gnu::always_inline]] inline void unrolled(F f) {
  [&]<int... I>(std::integer_sequence<int, I...>) { (f(std::integral_constant<int, I>{}), ...); }
  (std::make_integer_sequence<int, N>{});
}

// 8 rows of 16 bytes transposed: c[j] holds column 2j's 8 bytes (rows 0 to
// 7), then column 2j + 1's. Pairs of rows are interleaved by bytes, then
// pairs of pairs by 2-byte units, then by 4-byte units; written out in full
// so every step stays in registers.
[[gnu::always_inline]] inline void transposeBytes(const uint8_t* rows, std::ptrdiff_t stride, V c[8]) {
  const V r0 = load(rows), r1 = load(rows + stride), r2 = load(rows + 2 * stride), r3 = load(rows + 3 * stride);
  const V r4 = load(rows + 4 * stride), r5 = load(rows + 5 * stride), r6 = load(rows + 6 * stride),
          r7 = load(rows + 7 * stride);
  const V a0 = _mm_unpacklo_epi8(r0, r1), a1 = _mm_unpackhi_epi8(r0, r1);
  const V a2 = _mm_unpacklo_epi8(r2, r3), a3 = _mm_unpackhi_epi8(r2, r3);
  const V a4 = _mm_unpacklo_epi8(r4, r5), a5 = _mm_unpackhi_epi8(r4, r5);
  const V a6 = _mm_unpacklo_epi8(r6, r7), a7 = _mm_unpackhi_epi8(r6, r7);
  const V b0 = _mm_unpacklo_epi16(a0, a2), b1 = _mm_unpackhi_epi16(a0, a2);
  const V b2 = _mm_unpacklo_epi16(a1, a3), b3 = _mm_unpackhi_epi16(a1, a3);
  const V b4 = _mm_unpacklo_epi16(a4, a6), b5 = _mm_unpackhi_epi16(a4, a6);
  const V b6 = _mm_unpacklo_epi16(a5, a7), b7 = _mm_unpackhi_epi16(a5, a7);
  c[0] = _mm_unpacklo_epi32(b0, b4), c[1] = _mm_unpackhi_epi32(b0, b4);
  c[2] = _mm_unpacklo_epi32(b1, b5), c[3] = _mm_unpackhi_epi32(b1, b5);
  c[4] = _mm_unpacklo_epi32(b2, b6), c[5] = _mm_unpackhi_epi32(b2, b6);
  c[6] = _mm_unpacklo_epi32(b3, b7), c[7] = _mm_unpackhi_epi32(b3, b7);
}

// The INK index of each byte's paper field, or the PAP index of its ink
// field: 0 for black, else 2 * field - 1, plus 1 when BRIGHT is set.
[[gnu::always_inline]] inline V indexOf(V field, V bright) {
  const V one = _mm_set1_epi8(1);
  const V index = _mm_sub_epi8(_mm_add_epi8(_mm_add_epi8(field, field), bright), one);
  return _mm_andnot_si128(_mm_cmpeq_epi8(field, _mm_setzero_si128()), index);
}

// Column 2j's and 2j + 1's 8 entries, INK then PAP, from their attributes.
[[gnu::always_inline]] inline void entriesOf(V attributes, V& even, V& odd) {
  const V seven = _mm_set1_epi8(7);
  const V bright = _mm_and_si128(_mm_srli_epi16(attributes, 6), _mm_set1_epi8(1));
  const V ink = indexOf(_mm_and_si128(_mm_srli_epi16(attributes, 3), seven), bright);
  const V pap = indexOf(_mm_and_si128(attributes, seven), bright);
  even = _mm_unpacklo_epi8(ink, pap);
  odd = _mm_unpackhi_epi8(ink, pap);
}

// 8 entries, each repeated RowHeight times, at `to`.
template <int RowHeight>
[[gnu::always_inline]] inline void storeRepeated(uint8_t* to, V entries) {
  if constexpr (RowHeight == 1) {
    store(to, entries);
  } else {
    const V lo = _mm_unpacklo_epi16(entries, entries), hi = _mm_unpackhi_epi16(entries, entries);
    if constexpr (RowHeight == 2) {
      store(to, lo);
      store(to + 16, hi);
    } else {
      const V quarters[4] = {_mm_unpacklo_epi32(lo, lo), _mm_unpackhi_epi32(lo, lo), _mm_unpacklo_epi32(hi, hi),
                             _mm_unpackhi_epi32(hi, hi)};
      unrolled<4>([&](auto q) {
        if constexpr (RowHeight == 4) {
          store(to + 16 * q, quarters[q]);
        } else {
          store(to + 32 * q, _mm_unpacklo_epi64(quarters[q], quarters[q]));
          store(to + 32 * q + 16, _mm_unpackhi_epi64(quarters[q], quarters[q]));
        }
      });
    }
  }
}

template <int RowHeight>
void attributeStrip(const uint8_t* rows, std::ptrdiff_t rowStride, uint8_t* attrPlane) {
  V c[8];
  transposeBytes(rows, rowStride, c);
  unrolled<8>([&](auto j) {
    V even, odd;
    entriesOf(c[j], even, odd);
    storeRepeated<RowHeight>(attrPlane + 2 * j * kAttrColumn, even);
    storeRepeated<RowHeight>(attrPlane + (2 * j + 1) * kAttrColumn, odd);
  });
}

#else

template <int RowHeight>
void attributeStrip(const uint8_t* rows, std::ptrdiff_t rowStride, uint8_t* attrPlane) {
  for (int k = 0; k < 16; ++k)
    for (int i = 0; i < 8; ++i) {
      const InkPap c = SplitAttribute(rows[i * rowStride + k]);
      uint8_t* to = attrPlane + k * kAttrColumn + 2 * RowHeight * i;
      for (int line = 0; line < RowHeight; ++line) to[2 * line] = c.ink, to[2 * line + 1] = c.pap;
    }
}

#endif

}  // namespace

void PixelStrip(const uint8_t* rows, std::ptrdiff_t rowStride, uint8_t* plane) {
#if defined(__SSE2__)
  V c[8];
  transposeBytes(rows, rowStride, c);
  unrolled<8>([&](auto j) {
    _mm_storel_epi64(reinterpret_cast<V*>(plane + 2 * j * kPixelColumn), c[j]);
    _mm_storeh_pd(reinterpret_cast<double*>(plane + (2 * j + 1) * kPixelColumn), _mm_castsi128_pd(c[j]));
  });
#else
  for (int k = 0; k < 16; ++k)
    for (int i = 0; i < 8; ++i) plane[k * kPixelColumn + i] = rows[i * rowStride + k];
#endif
}

void AttributeStrip(const uint8_t* rows, std::ptrdiff_t rowStride, int rowHeight, uint8_t* attrPlane) {
  switch (rowHeight) {
    case 1: attributeStrip<1>(rows, rowStride, attrPlane); break;
    case 2: attributeStrip<2>(rows, rowStride, attrPlane); break;
    case 4: attributeStrip<4>(rows, rowStride, attrPlane); break;
    default: attributeStrip<8>(rows, rowStride, attrPlane); break;
  }
}

void PapFirstEntryStrip(const uint8_t* rows, std::ptrdiff_t rowStride, uint8_t* attrPlane) {
#if defined(__SSE2__)
  // The same transpose by 2-byte entries: by entries, pairs, then halves.
  const V r0 = load(rows), r1 = load(rows + rowStride), r2 = load(rows + 2 * rowStride), r3 = load(rows + 3 * rowStride);
  const V r4 = load(rows + 4 * rowStride), r5 = load(rows + 5 * rowStride), r6 = load(rows + 6 * rowStride),
          r7 = load(rows + 7 * rowStride);
  const V a0 = _mm_unpacklo_epi16(r0, r1), a1 = _mm_unpackhi_epi16(r0, r1);
  const V a2 = _mm_unpacklo_epi16(r2, r3), a3 = _mm_unpackhi_epi16(r2, r3);
  const V a4 = _mm_unpacklo_epi16(r4, r5), a5 = _mm_unpackhi_epi16(r4, r5);
  const V a6 = _mm_unpacklo_epi16(r6, r7), a7 = _mm_unpackhi_epi16(r6, r7);
  const V b[8] = {_mm_unpacklo_epi32(a0, a2), _mm_unpackhi_epi32(a0, a2), _mm_unpacklo_epi32(a1, a3),
                  _mm_unpackhi_epi32(a1, a3), _mm_unpacklo_epi32(a4, a6), _mm_unpackhi_epi32(a4, a6),
                  _mm_unpacklo_epi32(a5, a7), _mm_unpackhi_epi32(a5, a7)};
  // Each entry's two bytes swapped: INK first.
  const auto swapped = [](V v) { return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8)); };
  unrolled<4>([&](auto j) {
    store(attrPlane + 2 * j * kAttrColumn, swapped(_mm_unpacklo_epi64(b[j], b[j + 4])));
    store(attrPlane + (2 * j + 1) * kAttrColumn, swapped(_mm_unpackhi_epi64(b[j], b[j + 4])));
  });
#else
  for (int k = 0; k < 8; ++k)
    for (int i = 0; i < 8; ++i) {
      attrPlane[k * kAttrColumn + 2 * i] = rows[i * rowStride + 2 * k + 1];
      attrPlane[k * kAttrColumn + 2 * i + 1] = rows[i * rowStride + 2 * k];
    }
#endif
}

uint8_t LargestByte(const uint8_t* bytes, std::size_t count) {
  std::size_t i = 0;
  uint8_t top = 0;
#if defined(__SSE2__)
  V wide = _mm_setzero_si128();
  for (; i + 16 <= count; i += 16) wide = _mm_max_epu8(wide, load(bytes + i));
  uint8_t lanes[16];
  store(lanes, wide);
  top = *std::max_element(lanes, lanes + 16);
#endif
  for (; i < count; ++i) top = std::max(top, bytes[i]);
  return top;
}

}  // namespace cs
