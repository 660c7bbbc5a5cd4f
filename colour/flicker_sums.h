// The flicker score's arithmetic, shared by the plain path (which also draws
// the risk map) and the vector path: both sum every pixel's |box sum| by the
// clipped size of its box, in whole numbers, so they give the same score to
// the last bit.
#pragma once

#include <array>
#include <cstdint>

#include "model/picture.h"

namespace cs {

inline constexpr int kFlickerRadius = 8;  // the box is x - 8 ... x + 7

// A colour index's luma level, 0 ... 254: Rec. 709 weights over the ZX
// palette, rounded to the nearest level. Damaged indices count as black.
extern const std::array<uint8_t, 16> kLumaLevel;

// How many pixels the clipped box spans along an axis of `size` pixels:
// 8 ... 16 for both axes of the picture.
constexpr int flickerSpan(int p, int size) {
  return (p + kFlickerRadius < size ? p + kFlickerRadius : size) - (p > kFlickerRadius ? p - kFlickerRadius : 0);
}

// bySpan[w - 8][h - 8]: the sum of |box sum of d| over the pixels whose box
// spans w pixels across and h lines down.
struct FlickerSums {
  std::array<std::array<int64_t, 9>, 9> bySpan{};
};

// The score: every pixel's mean over its box, averaged over the picture.
double ScoreOfSums(const FlickerSums& sums);

// Each byte column's d summed over its 8 pixels, line by line.
using ByteSums = std::array<std::array<int16_t, kLines>, kColumns>;

// The sums of `pic` (and its byte sums when asked), the fastest way the
// processor allows.
FlickerSums SumFlicker(const Picture& pic, ByteSums* bytes = nullptr);

// The vector path; false (and nothing written) where the processor lacks it.
bool SumFlickerVector(const Picture& pic, FlickerSums& sums, ByteSums* bytes);

// d of every pixel of lines `from` ... `to` - 1, line by line: the luma
// level of its screen-0 colour minus that of its screen-1 colour.
void FlickerD(const Picture& pic, int32_t* d, int from = 0, int to = kLines);

// The box sums of lines `from` ... `to` - 1, pixel (x, y) at
// box[y * stride + x]: the sum of d over x - 8 ... x + 7 and y - 8 ... y + 7,
// clipped. `d` holds the lines those boxes take, `rows` is room for their
// window sums across (both kWidth to a line).
void FlickerBoxSums(const int32_t* d, int32_t* rows, int32_t* box, int stride = kWidth, int from = 0,
                    int to = kLines);

// The score by the plain path alone, which the vector path must equal.
double PlainFlickerScore(const Picture& pic);

// Per line of each byte column, all ones or zero, alike on every line of a
// cell: the cells that may exchange their screens, or that do.
using LineMasks = std::array<std::array<int16_t, kLines>, kColumns>;

// The lines of a cell in `column` at cell height `h`: at cell height 1 the
// outer columns keep 8-line cells.
constexpr int cellLines(int h, int column) { return h == 1 && isOuterColumn(column) ? 8 : h; }

// Chooses the cells that exchange their screens, column by column from the
// left. With p the previous column's byte sums after its choice (zero left
// of the picture) and q = p / 16 rounded down, a line's pull is q summed over
// lines y - 8 ... y + 7 plus q of the line itself; a cell that `allowed`
// marks exchanges when its lines' pulls and byte sums add up to the same
// sign, so that it cancels what lies beside it. On whole numbers that fit
// 16 bits, so the vector and the plain path choose alike. Returns whether
// any cell exchanges.
bool ChooseExchanges(const ByteSums& bytes, int h, const LineMasks& allowed, LineMasks& chosen);
bool ChooseExchangesPlain(const ByteSums& bytes, int h, const LineMasks& allowed, LineMasks& chosen);

// Exchanges the pixel bytes and attribute entries of screens 0 and 1 on
// every line `chosen` marks; doing it twice restores the picture.
void ExchangeScreens(Picture& pic, const LineMasks& chosen);
void ExchangeScreensPlain(Picture& pic, const LineMasks& chosen);

}  // namespace cs
