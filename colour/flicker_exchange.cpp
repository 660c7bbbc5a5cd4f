// Choosing and making the exchanges of the flicker balancing, by a plain
// path and by an AVX2 one that works on a column's 192 lines at once.
#include <algorithm>

#include "colour/flicker_sums.h"

#if defined(__x86_64__)
#include "colour/avx2_lines.h"
#endif

namespace cs {

namespace {

constexpr int kPullShift = 4;  // q = p / 16, which keeps a cell's pull in 16 bits

}  // namespace

bool ChooseExchangesPlain(const ByteSums& bytes, int h, const LineMasks& allowed, LineMasks& chosen) {
  int32_t q[kLines] = {};
  bool any = false;
  for (int c = 0; c < kColumns; ++c) {
    const auto& t = bytes[std::size_t(c)];
    int32_t pull[kLines];
    for (int y = 0; y < kLines; ++y) {
      int32_t sum = q[y];
      for (int k = std::max(0, y - kFlickerRadius); k < std::min(kLines, y + kFlickerRadius); ++k) sum += q[k];
      pull[y] = sum;
    }
    const int ch = cellLines(h, c);
    for (int y0 = 0; y0 < kLines; y0 += ch) {
      int32_t a = 0, s = 0;
      for (int y = y0; y < y0 + ch; ++y) {
        a += pull[y];
        s += t[std::size_t(y)];
      }
      const bool exchange = allowed[std::size_t(c)][std::size_t(y0)] && ((a > 0 && s > 0) || (a < 0 && s < 0));
      any = any || exchange;
      for (int y = y0; y < y0 + ch; ++y) {
        chosen[std::size_t(c)][std::size_t(y)] = exchange ? -1 : 0;
        q[y] = (exchange ? -t[std::size_t(y)] : t[std::size_t(y)]) >> kPullShift;
      }
    }
  }
  return any;
}

void ExchangeScreensPlain(Picture& pic, const LineMasks& chosen) {
  for (int c = 0; c < kColumns; ++c)
    for (int y = 0; y < kLines; ++y) {
      if (!chosen[std::size_t(c)][std::size_t(y)]) continue;
      uint8_t* p = pic.pixels(0) + pixelIndex(c, y);
      uint8_t* a = pic.attrs(0) + attrIndex(c, y);
      std::swap(p[0], p[kPixelPlaneSize]);
      std::swap(a[0], a[kAttrPlaneSize]);
      std::swap(a[1], a[kAttrPlaneSize + 1]);
    }
}

namespace {

#if defined(__x86_64__)

using namespace avx2;

// Adds each lane to the lanes of its aligned group of `ch` lanes, so every
// lane holds its group's sum (groups never cross the 8-lane halves).
CS_AVX2 inline __m256i groupSums(__m256i v, int ch) {
  if (ch >= 2) v = _mm256_add_epi16(v, _mm256_shufflelo_epi16(_mm256_shufflehi_epi16(v, 0xB1), 0xB1));
  if (ch >= 4) v = _mm256_add_epi16(v, _mm256_shuffle_epi32(v, 0xB1));
  if (ch >= 8) v = _mm256_add_epi16(v, _mm256_shuffle_epi32(v, 0x4E));
  return v;
}

CS_AVX2 bool chooseWithAvx2(const ByteSums& bytes, int h, const LineMasks& allowed, LineMasks& chosen) {
  const __m256i zero = _mm256_setzero_si256();
  __m256i q[kVectors], down[kVectors + 3];
  for (__m256i& v : q) v = zero;
  __m256i any = zero;
  for (int c = 0; c < kColumns; ++c) {
    sumsOf8Down(q, down);
    const int ch = cellLines(h, c);
    for (int v = 0; v < kVectors; ++v) {
      const __m256i pull = _mm256_add_epi16(q[v], _mm256_add_epi16(linesFrom<8>(down[v], down[v + 1]), down[v + 1]));
      const __m256i t = load(bytes[std::size_t(c)].data() + 16 * v);
      const __m256i a = groupSums(pull, ch), s = groupSums(t, ch);
      const __m256i same = _mm256_or_si256(_mm256_and_si256(_mm256_cmpgt_epi16(a, zero), _mm256_cmpgt_epi16(s, zero)),
                                           _mm256_and_si256(_mm256_cmpgt_epi16(zero, a), _mm256_cmpgt_epi16(zero, s)));
      const __m256i exchange = _mm256_and_si256(same, load(allowed[std::size_t(c)].data() + 16 * v));
      store(chosen[std::size_t(c)].data() + 16 * v, exchange);
      any = _mm256_or_si256(any, exchange);
      q[v] = _mm256_srai_epi16(_mm256_sub_epi16(_mm256_xor_si256(t, exchange), exchange), kPullShift);
    }
  }
  return !_mm256_testz_si256(any, any);
}

CS_AVX2 void exchangeWithAvx2(Picture& pic, const LineMasks& chosen) {
  for (int c = 0; c < kColumns; ++c) {
    const int16_t* m = chosen[std::size_t(c)].data();
    // An attribute entry pair is one 16-bit lane, like its line's mask.
    uint8_t* a0 = pic.attrs(0) + attrIndex(c, 0);
    for (int v = 0; v < kVectors; ++v) {
      const __m256i x = load(a0 + 32 * v), y = load(a0 + kAttrPlaneSize + 32 * v);
      const __m256i diff = _mm256_and_si256(_mm256_xor_si256(x, y), load(m + 16 * v));
      store(a0 + 32 * v, _mm256_xor_si256(x, diff));
      store(a0 + kAttrPlaneSize + 32 * v, _mm256_xor_si256(y, diff));
    }
    uint8_t* p0 = pic.pixels(0) + pixelIndex(c, 0);
    for (int b = 0; b < kVectors / 2; ++b) {
      const __m256i mask = _mm256_permute4x64_epi64(_mm256_packs_epi16(load(m + 32 * b), load(m + 32 * b + 16)), 0xD8);
      const __m256i x = load(p0 + 32 * b), y = load(p0 + kPixelPlaneSize + 32 * b);
      const __m256i diff = _mm256_and_si256(_mm256_xor_si256(x, y), mask);
      store(p0 + 32 * b, _mm256_xor_si256(x, diff));
      store(p0 + kPixelPlaneSize + 32 * b, _mm256_xor_si256(y, diff));
    }
  }
}

bool hasAvx2() { return __builtin_cpu_supports("avx2"); }

#else

bool hasAvx2() { return false; }
bool chooseWithAvx2(const ByteSums&, int, const LineMasks&, LineMasks&) { return false; }
void exchangeWithAvx2(Picture&, const LineMasks&) {}

#endif

}  // namespace

bool ChooseExchanges(const ByteSums& bytes, int h, const LineMasks& allowed, LineMasks& chosen) {
  return hasAvx2() ? chooseWithAvx2(bytes, h, allowed, chosen) : ChooseExchangesPlain(bytes, h, allowed, chosen);
}

void ExchangeScreens(Picture& pic, const LineMasks& chosen) {
  if (hasAvx2()) exchangeWithAvx2(pic, chosen);
  else ExchangeScreensPlain(pic, chosen);
}

}  // namespace cs
