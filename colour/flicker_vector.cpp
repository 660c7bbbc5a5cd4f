// The flicker sums with AVX2, sixteen lines to a vector. A byte column's 192
// lines lie next to each other in the planes, so each pixel column's d is
// worked out for all its lines at once; the box's width is then a running
// sum from one pixel column to the next, and its height a sum of shifted
// copies down the column. Everything stays in 16 bits: a window across sums
// at most 16 x 254, half a box 128 x 254, and the magnitude of a whole box
// (up to 256 x 254) is taken as the difference of a maximum and a minimum,
// which fits 16 bits unsigned.
#include "colour/flicker_sums.h"

#include "model/colour.h"

#if defined(__x86_64__)
#include "colour/avx2_lines.h"
#endif

namespace cs {

#if defined(__x86_64__)

namespace {

using namespace avx2;

constexpr int kBlocks = kLines / 32;   // a byte column: 6 vectors of 32 lines

// A byte column made ready: each screen's luma levels for clear and set
// bits and its pixel bytes, 32 lines to a vector, their 8-line quarters in
// the order 0, 2, 1, 3, which the byte interleave below puts back in order.
struct ByteColumn {
  __m256i clear[2][kBlocks], set[2][kBlocks], bits[2][kBlocks];
};

struct Scratch {
  alignas(32) int16_t ring[16][kLines];  // d of the last 16 pixel columns
};

// Accumulators by the box's span across (index span - 8). The inner lines
// (16 ... 175) all span 16 lines down, and their magnitudes are summed in
// pairs with 32768 taken off each; the first and last 16 lines keep a lane
// each, as their spans down differ.
struct Accumulators {
  __m256i inner[9];
  int innerVectors[9];
  __m256i first[9][2], last[9][2];
};

CS_AVX2 void prepareColumn(const Picture& pic, int column, ByteColumn& out) {
  // Each line takes the attribute of its cell's first line: a shuffle picks
  // that line's entries, INK (clear bits) to the low half of each 8-line
  // lane and PAP (set bits) to the high half.
  const int h = pic.cellHeight();
  const int keep = ~(h == 1 && isOuterColumn(column) ? 7 : h - 1);
  alignas(32) uint8_t pick[32];
  for (int k = 0; k < 32; ++k) pick[k] = uint8_t(2 * ((k & 7) & keep) + (k >> 3 & 1));
  const __m256i pattern = load(pick);
  const __m256i levels = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kLumaLevel.data())));
  const __m256i damaged = _mm256_set1_epi8(15);
  for (int s = 0; s < 2; ++s)
    for (int b = 0; b < kBlocks; ++b) {
      const uint8_t* a = pic.attrs(s) + attrIndex(column, 32 * b);
      __m256i lo = _mm256_shuffle_epi8(_mm256_min_epu8(load(a), damaged), pattern);
      __m256i hi = _mm256_shuffle_epi8(_mm256_min_epu8(load(a + 32), damaged), pattern);
      lo = _mm256_shuffle_epi8(levels, lo);
      hi = _mm256_shuffle_epi8(levels, hi);
      out.clear[s][b] = _mm256_unpacklo_epi64(lo, hi);
      out.set[s][b] = _mm256_unpackhi_epi64(lo, hi);
      out.bits[s][b] = _mm256_permute4x64_epi64(load(pic.pixels(s) + pixelIndex(column, 32 * b)), 0xD8);
    }
}

// d of the next pixel column (the top bit of each pixel byte), 16 lines to
// each of `d`'s vectors; the bytes move on by one bit.
CS_AVX2 void nextPixelColumn(ByteColumn& col, __m256i* d) {
  const __m256i plusMinus = _mm256_set1_epi16(int16_t(0xFF01));  // bytes 1, -1
  for (int b = 0; b < kBlocks; ++b) {
    const __m256i y0 = _mm256_blendv_epi8(col.clear[0][b], col.set[0][b], col.bits[0][b]);
    const __m256i y1 = _mm256_blendv_epi8(col.clear[1][b], col.set[1][b], col.bits[1][b]);
    col.bits[0][b] = _mm256_add_epi8(col.bits[0][b], col.bits[0][b]);
    col.bits[1][b] = _mm256_add_epi8(col.bits[1][b], col.bits[1][b]);
    d[2 * b] = _mm256_maddubs_epi16(_mm256_unpacklo_epi8(y0, y1), plusMinus);
    d[2 * b + 1] = _mm256_maddubs_epi16(_mm256_unpackhi_epi8(y0, y1), plusMinus);
  }
}

// One pixel column's boxes, from its window sums across, into `acc`. The
// sums over 8 lines down are made in registers from shifted copies.
CS_AVX2 void sumColumn(const __m256i* across, int x, Accumulators& acc) {
  const __m256i zero = _mm256_setzero_si256(), ones = _mm256_set1_epi16(1), half = _mm256_set1_epi16(int16_t(0x8000));
  __m256i down[kVectors + 3];
  sumsOf8Down(across, down);
  const int k = flickerSpan(x, kWidth) - 8;
  __m256i inner = zero;
  for (int v = 0; v < kVectors; ++v) {
    // The box of line y: lines y - 8 ... y - 1 plus lines y ... y + 7.
    const __m256i above = linesFrom<8>(down[v], down[v + 1]);
    const __m256i below = _mm256_sub_epi16(zero, down[v + 1]);
    const __m256i mag = _mm256_sub_epi16(_mm256_max_epi16(above, below), _mm256_min_epi16(above, below));
    if (v == 0 || v == kVectors - 1) {
      __m256i* lanes = v == 0 ? acc.first[k] : acc.last[k];
      lanes[0] = _mm256_add_epi32(lanes[0], _mm256_cvtepu16_epi32(_mm256_castsi256_si128(mag)));
      lanes[1] = _mm256_add_epi32(lanes[1], _mm256_cvtepu16_epi32(_mm256_extracti128_si256(mag, 1)));
    } else {
      inner = _mm256_add_epi32(inner, _mm256_madd_epi16(_mm256_xor_si256(mag, half), ones));
    }
  }
  acc.inner[k] = _mm256_add_epi32(acc.inner[k], inner);
  acc.innerVectors[k] += kVectors - 2;
}

CS_AVX2 void sumWithAvx2(const Picture& pic, FlickerSums& sums, ByteSums* bytes) {
  Scratch s{};
  Accumulators acc;
  for (int k = 0; k < 9; ++k) {
    acc.inner[k] = acc.first[k][0] = acc.first[k][1] = acc.last[k][0] = acc.last[k][1] = _mm256_setzero_si256();
    acc.innerVectors[k] = 0;
  }
  __m256i across[kVectors], d[kVectors], byteSum[kVectors] = {};
  for (__m256i& v : across) v = _mm256_setzero_si256();
  ByteColumn col{};  // set at each byte column; cleared so that the compiler sees it set
  // Pixel column x enters the window of column x - 7 and leaves that of
  // x + 8; seven columns of zeros close the right edge.
  for (int x = 0; x < kWidth + 7; ++x) {
    int16_t* slot = s.ring[x & 15];
    if (x < kWidth) {
      if (x % 8 == 0) {
        prepareColumn(pic, x / 8, col);
        for (__m256i& v : byteSum) v = _mm256_setzero_si256();
      }
      nextPixelColumn(col, d);
      if (bytes) {
        for (int v = 0; v < kVectors; ++v) byteSum[v] = _mm256_add_epi16(byteSum[v], d[v]);
        if (x % 8 == 7)
          for (int v = 0; v < kVectors; ++v) store((*bytes)[std::size_t(x / 8)].data() + 16 * v, byteSum[v]);
      }
    } else {
      for (__m256i& v : d) v = _mm256_setzero_si256();
    }
    for (int v = 0; v < kVectors; ++v) {
      across[v] = _mm256_add_epi16(across[v], _mm256_sub_epi16(d[v], load(slot + 16 * v)));
      store(slot + 16 * v, d[v]);
    }
    if (x >= 7) sumColumn(across, x - 7, acc);
  }

  alignas(32) int32_t lanes[8];
  for (int k = 0; k < 9; ++k) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), acc.inner[k]);
    int64_t inner = int64_t(acc.innerVectors[k]) * 8 * 65536;
    for (int32_t l : lanes) inner += l;
    sums.bySpan[std::size_t(k)][8] += inner;
    for (int part = 0; part < 2; ++part) {
      _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), acc.first[k][part]);
      for (int l = 0; l < 8; ++l) sums.bySpan[std::size_t(k)][std::size_t(flickerSpan(8 * part + l, kLines) - 8)] += lanes[l];
      _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), acc.last[k][part]);
      for (int l = 0; l < 8; ++l)
        sums.bySpan[std::size_t(k)][std::size_t(flickerSpan(kLines - 16 + 8 * part + l, kLines) - 8)] += lanes[l];
    }
  }
}

}  // namespace

bool SumFlickerVector(const Picture& pic, FlickerSums& sums, ByteSums* bytes) {
  if (!__builtin_cpu_supports("avx2")) return false;
  sumWithAvx2(pic, sums, bytes);
  return true;
}

#else

bool SumFlickerVector(const Picture&, FlickerSums&, ByteSums*) { return false; }

#endif

}  // namespace cs
