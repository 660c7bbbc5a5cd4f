// AVX2 helpers for the flicker code, which keeps a column's 192 lines in
// twelve vectors of 16 lines (16-bit lanes). Every function carries the
// target attribute, so the callers decide at run time whether to use them.
#pragma once

#include <immintrin.h>

#include "model/picture.h"

#define CS_AVX2 __attribute__((target("avx2")))

namespace cs::avx2 {

inline constexpr int kVectors = kLines / 16;

CS_AVX2 inline __m256i load(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
CS_AVX2 inline void store(void* p, __m256i v) { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }

// Lanes k ... k + 15 of the 32 lines in `a` then `b`, for k = 1, 2, 4 or 8.
template <int K>
CS_AVX2 inline __m256i linesFrom(__m256i a, __m256i b) {
  const __m256i middle = _mm256_permute2x128_si256(a, b, 0x21);
  if constexpr (K == 8) return middle;
  else return _mm256_alignr_epi8(middle, a, 2 * K);
}

// sum[j] += its lines k ... k + 15 further down, for j = 0 ... count - 1.
template <int K>
CS_AVX2 inline void addFurther(__m256i* sum, int count) {
  for (int j = 0; j < count; ++j) sum[j] = _mm256_add_epi16(sum[j], linesFrom<K>(sum[j], sum[j + 1]));
}

// For each line y of a column (`lines`, 12 vectors) the sum of lines
// y ... y + 7, lines outside the column counting as zero; the sums must fit
// 16 bits. Vector j of `down` (15 vectors) gets lines 16 j - 16 ... 16 j - 1,
// so the 16-line box of line y is line y - 8 plus line y of these sums.
CS_AVX2 inline void sumsOf8Down(const __m256i* lines, __m256i* down) {
  const __m256i zero = _mm256_setzero_si256();
  down[0] = linesFrom<1>(zero, lines[0]);
  for (int j = 1; j < kVectors; ++j) down[j] = _mm256_add_epi16(lines[j - 1], linesFrom<1>(lines[j - 1], lines[j]));
  down[kVectors] = _mm256_add_epi16(lines[kVectors - 1], linesFrom<1>(lines[kVectors - 1], zero));
  down[kVectors + 1] = down[kVectors + 2] = zero;
  addFurther<2>(down, kVectors + 1);
  addFurther<4>(down, kVectors + 1);
}

}  // namespace cs::avx2
