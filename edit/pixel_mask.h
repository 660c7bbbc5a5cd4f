// A set of picture pixels, one bit each: 192 rows of 256 bits in four 64-bit
// words, the leftmost pixel of each word in its top bit, so that a word's
// bytes (top byte first) are the Picture's pixel bytes of eight columns.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "model/picture.h"

namespace cs {

struct MaskRow {
  std::array<uint64_t, 4> w{};
  bool test(int x) const { return (w[size_t(x >> 6)] >> (63 - (x & 63))) & 1; }
  void set(int x) { w[size_t(x >> 6)] |= uint64_t(1) << (63 - (x & 63)); }
  // Sets the pixels a..b, both inclusive (a <= b).
  void setRun(int a, int b);
  // The pixel byte of byte column c. On a little-endian machine it is read
  // and written in place: column c is byte 7 - (c mod 8) of its word.
  uint8_t byte(int c) const {
    if constexpr (std::endian::native == std::endian::little)
      return reinterpret_cast<const uint8_t*>(w.data())[(c & ~7) + 7 - (c & 7)];
    return uint8_t(w[size_t(c >> 3)] >> (56 - 8 * (c & 7)));
  }
  void setByte(int c, uint8_t v) {
    if constexpr (std::endian::native == std::endian::little) {
      reinterpret_cast<uint8_t*>(w.data())[(c & ~7) + 7 - (c & 7)] = v;
    } else {
      const int shift = 56 - 8 * (c & 7);
      w[size_t(c >> 3)] = (w[size_t(c >> 3)] & ~(uint64_t(0xFF) << shift)) | uint64_t(v) << shift;
    }
  }
  void orByte(int c, uint8_t v) { w[size_t(c >> 3)] |= uint64_t(v) << (56 - 8 * (c & 7)); }
  bool any() const { return (w[0] | w[1] | w[2] | w[3]) != 0; }
  friend bool operator==(const MaskRow&, const MaskRow&) = default;
};

struct PixelMask {
  std::array<MaskRow, kLines> rows{};
  bool test(int x, int y) const { return rows[size_t(y)].test(x); }
  void set(int x, int y) { rows[size_t(y)].set(x); }
  int count() const;
  // Adds the pixels of `o`; takes them away.
  PixelMask& operator|=(const PixelMask& o);
  PixelMask& subtract(const PixelMask& o);
  friend bool operator==(const PixelMask&, const PixelMask&) = default;
};

// The mask turned about the picture's vertical centre line (x -> 255 - x),
// its horizontal centre line (y -> 191 - y), or both.
PixelMask Mirrored(const PixelMask& m, bool leftRight, bool topBottom);

inline void MaskRow::setRun(int a, int b) {
  for (int word = a >> 6; word <= b >> 6; ++word) {
    const int lo = word == a >> 6 ? a & 63 : 0;   // first pixel in this word
    const int hi = word == b >> 6 ? b & 63 : 63;  // last pixel in this word
    const uint64_t fromLo = ~uint64_t(0) >> lo;
    const uint64_t toHi = hi == 63 ? ~uint64_t(0) : ~(~uint64_t(0) >> (hi + 1));
    w[size_t(word)] |= fromLo & toHi;
  }
}

}  // namespace cs
