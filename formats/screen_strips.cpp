#include "formats/screen_strips.h"

#include <algorithm>
#include <cstring>
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

// 8 rows of 16 bytes transposed: c[j] holds column 2j's 8 bytes (rows 0 to
// 7), then column 2j + 1's. Pairs of rows are interleaved by bytes, then
// pairs of pairs by 2-byte units, then by 4-byte units.
void transposeBytes(const uint8_t* rows, std::ptrdiff_t stride, V c[8]) {
  V a[8], b[8];
  for (int i = 0; i < 8; i += 2) {
    const V r0 = load(rows + i * stride), r1 = load(rows + (i + 1) * stride);
    a[i] = _mm_unpacklo_epi8(r0, r1);
    a[i + 1] = _mm_unpackhi_epi8(r0, r1);
  }
  for (int i = 0; i < 8; i += 4) {
    b[i] = _mm_unpacklo_epi16(a[i], a[i + 2]);
    b[i + 1] = _mm_unpackhi_epi16(a[i], a[i + 2]);
    b[i + 2] = _mm_unpacklo_epi16(a[i + 1], a[i + 3]);
    b[i + 3] = _mm_unpackhi_epi16(a[i + 1], a[i + 3]);
  }
  for (int j = 0; j < 4; ++j) {
    c[2 * j] = _mm_unpacklo_epi32(b[j], b[j + 4]);
    c[2 * j + 1] = _mm_unpackhi_epi32(b[j], b[j + 4]);
  }
}

// The INK index of each byte's paper field, or the PAP index of its ink
// field: 0 for black, else 2 * field - 1, plus 1 when BRIGHT is set.
V indexOf(V field, V bright) {
  const V one = _mm_set1_epi8(1);
  const V index = _mm_sub_epi8(_mm_add_epi8(_mm_add_epi8(field, field), bright), one);
  return _mm_andnot_si128(_mm_cmpeq_epi8(field, _mm_setzero_si128()), index);
}

// Column 2j's and 2j + 1's 8 entries, INK then PAP, from their attributes.
void entriesOf(V attributes, V& even, V& odd) {
  const V seven = _mm_set1_epi8(7);
  const V bright = _mm_and_si128(_mm_srli_epi16(attributes, 6), _mm_set1_epi8(1));
  const V ink = indexOf(_mm_and_si128(_mm_srli_epi16(attributes, 3), seven), bright);
  const V pap = indexOf(_mm_and_si128(attributes, seven), bright);
  even = _mm_unpacklo_epi8(ink, pap);
  odd = _mm_unpackhi_epi8(ink, pap);
}

// 8 entries, each repeated RowHeight times, at `to`.
template <int RowHeight>
void storeRepeated(uint8_t* to, V entries) {
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
      for (int q = 0; q < 4; ++q) {
        if constexpr (RowHeight == 4) {
          store(to + 16 * q, quarters[q]);
        } else {
          store(to + 32 * q, _mm_unpacklo_epi64(quarters[q], quarters[q]));
          store(to + 32 * q + 16, _mm_unpackhi_epi64(quarters[q], quarters[q]));
        }
      }
    }
  }
}

template <int RowHeight>
void attributeStrip(const uint8_t* rows, std::ptrdiff_t rowStride, uint8_t* attrPlane) {
  V c[8];
  transposeBytes(rows, rowStride, c);
  for (int j = 0; j < 8; ++j) {
    V even, odd;
    entriesOf(c[j], even, odd);
    storeRepeated<RowHeight>(attrPlane + 2 * j * kAttrColumn, even);
    storeRepeated<RowHeight>(attrPlane + (2 * j + 1) * kAttrColumn, odd);
  }
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
  for (int j = 0; j < 8; ++j) {
    _mm_storel_epi64(reinterpret_cast<V*>(plane + 2 * j * kPixelColumn), c[j]);
    _mm_storel_epi64(reinterpret_cast<V*>(plane + (2 * j + 1) * kPixelColumn), _mm_unpackhi_epi64(c[j], c[j]));
  }
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
  V a[8], b[8];
  for (int i = 0; i < 8; i += 2) {
    const V r0 = load(rows + i * rowStride), r1 = load(rows + (i + 1) * rowStride);
    a[i] = _mm_unpacklo_epi16(r0, r1);
    a[i + 1] = _mm_unpackhi_epi16(r0, r1);
  }
  for (int i = 0; i < 8; i += 4) {
    b[i] = _mm_unpacklo_epi32(a[i], a[i + 2]);
    b[i + 1] = _mm_unpackhi_epi32(a[i], a[i + 2]);
    b[i + 2] = _mm_unpacklo_epi32(a[i + 1], a[i + 3]);
    b[i + 3] = _mm_unpackhi_epi32(a[i + 1], a[i + 3]);
  }
  for (int j = 0; j < 4; ++j) {
    const V column[2] = {_mm_unpacklo_epi64(b[j], b[j + 4]), _mm_unpackhi_epi64(b[j], b[j + 4])};
    for (int k = 0; k < 2; ++k)
      store(attrPlane + (2 * j + k) * kAttrColumn,
            _mm_or_si128(_mm_slli_epi16(column[k], 8), _mm_srli_epi16(column[k], 8)));
  }
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
