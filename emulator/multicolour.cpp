#include "emulator/multicolour.h"

#include <stdexcept>

#include "formats/zx_screen.h"

namespace cs {

namespace {

// T-states from the frame interrupt to the viewer's jump into the line code
// of each screen: the IM 2 acknowledge (19) and the handler up to JP (HL),
// counted by hand from viewer.asm. Screen 1's path takes the two branches
// the other way.
constexpr int kHandlerT[2] = {247, 266};
constexpr int kLineT = 224;
constexpr uint16_t kAttributes[2] = {0x5800, 0xD800};
// A row change of the 8x4 viewer: its registers filled, then written.
constexpr int kRowPreloadT = 134;
constexpr int kRowWindowT = 324;

struct Code {
  uint16_t origin = 0;
  std::vector<uint8_t> bytes;
  void add(std::initializer_list<uint8_t> b) { bytes.insert(bytes.end(), b); }
  void word(uint16_t w) { add({uint8_t(w), uint8_t(w >> 8)}); }
  // Exactly `t` T-states of NOPs (4) and LD A,n (7); t >= 21 or a multiple of 4.
  void pad(int t) {
    int sevens = 3 * t % 4;  // 7 * sevens = t (mod 4)
    t -= 7 * sevens;
    if (t < 0) throw std::logic_error("padding too short");
    for (; sevens > 0; --sevens) add({0x3E, 0x00});
    for (; t > 0; t -= 4) add({0x00});
  }
  // Exactly `t` T-states, t >= 60: LD BC,n then DEC BC; LD A,B; OR C; JP NZ
  // (24 a round), the rest padded.
  void wait(int t) {
    const int rounds = (t - 10 - 24) / 24;
    add({0x01});
    word(uint16_t(rounds));
    const uint16_t loop = uint16_t(origin + bytes.size());
    add({0x0B, 0x78, 0xB1, 0xC2});
    word(loop);
    pad(t - 10 - 24 * rounds);
  }
};

}  // namespace

void FillStream(const Picture& pic, int screen, std::span<uint8_t> at) {
  if (at.size() < size_t(kLines * kStreamLineBytes)) throw std::length_error("stream does not fit");
  for (int y = 0; y < kLines; ++y)
    for (int k = 0; k < kStreamLineBytes; ++k)
      at[size_t(y * kStreamLineBytes + k)] = AttributeAt(pic.attrs(screen), 8 + k, y);
}

std::vector<uint8_t> LineCode(int screen, int startT) {
  Code c{kLineCode[screen], {}};
  c.wait(startT - kHandlerT[screen]);
  for (int y = 0; y < kLines; ++y) {
    // 98 T: the line's 16 bytes into AF BC DE HL BC' DE' HL' IX, in order.
    c.add({0x31});
    c.word(uint16_t(kStreamAddress + y * kStreamLineBytes));
    c.add({0xF1, 0xC1, 0xD1, 0xE1, 0xD9, 0xC1, 0xD1, 0xE1, 0xDD, 0xE1});
    // 106 T: pushed down from column 23 to column 8 of the line's row,
    // behind the beam of the line before and ahead of this one's.
    c.add({0x31});
    c.word(uint16_t(kAttributes[screen] + (y / 8) * kColumns + 24));
    c.add({0xDD, 0xE5, 0xE5, 0xD5, 0xC5, 0xD9, 0xE5, 0xD5, 0xC5, 0xF5});
    c.pad(kLineT - 98 - 106);
  }
  c.add({0xC3});
  c.word(uint16_t(kViewerStart + kViewerLinesExitOffset));
  return c.bytes;
}

std::vector<uint8_t> RowCode(int screen, int cellHeight, int startT) {
  const int blockT = kLineT * cellHeight;
  // Cells of 2 lines leave 448 T a row change: pairs 0-3 then go in one
  // chunk, 10 T sooner done but with less room around the beam.
  const bool oneFirstChunk = kRowPreloadT + kRowWindowT > blockT;
  const int windowT = oneFirstChunk ? kRowWindowT - 10 : kRowWindowT;
  if (kRowPreloadT + windowT > blockT) throw std::logic_error("a row change takes longer than its cell");
  Code c{kLineCode[screen], {}};
  c.wait(startT - kHandlerT[screen]);
  const auto sp = [&c](int address) {
    c.add({0x31});
    c.word(uint16_t(address));
  };
  for (int k = 0; k < kLines / cellHeight; ++k) {
    const int src = kStreamAddress + k * kColumns;
    const int row = kAttributes[screen] + (k * cellHeight / 8) * kColumns;
    // 134 T: column pairs 0-9 into registers, pair 0 in HL, 1 BC, 2 DE,
    // 3 AF, 4-7 BC' DE' HL' AF', 8 IX, 9 IY (pairs in column order, low
    // byte first).
    sp(src);
    c.add({0xE1, 0xC1, 0xD1, 0xF1, 0xD9, 0x08, 0xC1, 0xD1, 0xE1, 0xF1, 0xD9, 0x08, 0xDD, 0xE1, 0xFD, 0xE1});
    // 324 T that start just after the beam has shown column 0 of the last
    // line of the old cells: pushed down in chunks that go rightwards
    // behind the beam (pairs 0, 3-1, 9-4), then pairs 10-15 fetched and
    // pushed (13-10, 15-14). Every column is written after the old line
    // has shown it and before the new one does.
    if (!oneFirstChunk) {
      sp(row + 2);
      c.add({0xE5});
    }
    sp(row + 8);
    c.add({0xF5, 0xD5, 0xC5});
    if (oneFirstChunk) c.add({0xE5});
    sp(row + 20);
    c.add({0xFD, 0xE5, 0xDD, 0xE5, 0xD9, 0x08, 0xF5, 0xE5, 0xD5, 0xC5});
    sp(src + 20);
    c.add({0xC1, 0xD1, 0xE1, 0xF1, 0xD9, 0xC1, 0xD1});
    sp(row + 28);
    c.add({0xD9, 0xF5, 0xE5, 0xD5, 0xC5});
    sp(row + 32);
    c.add({0xD9, 0xD5, 0xC5});
    if (blockT > kRowPreloadT + windowT) c.wait(blockT - kRowPreloadT - windowT);
  }
  c.add({0xC3});
  c.word(uint16_t(kViewerStart + kViewerLinesExitOffset));
  return c.bytes;
}

void FillRowStream(const Picture& pic, int screen, std::span<uint8_t> at) {
  const int h = pic.cellHeight();
  if (at.size() < size_t(kLines / h * kColumns)) throw std::length_error("stream does not fit");
  for (int k = 0; k < kLines / h; ++k)
    for (int column = 0; column < kColumns; ++column)
      at[size_t(k * kColumns + column)] = AttributeAt(pic.attrs(screen), column, k * h);
}

void FillLinesViewer(std::span<uint8_t, kBankSize> bank, int cellHeight) {
  bank[kViewerFlipOffset] = kLinesFlip;
  for (int screen : {0, 1}) {
    const std::vector<uint8_t> code =
        cellHeight == 1   ? LineCode(screen, kLinesStartT)
        : cellHeight == 4 ? RowCode(screen, cellHeight, kRowsStartT)
                          : RowCode(screen, cellHeight, kRowPairsStartT);
    const size_t at = size_t(kLineCode[screen] - kViewerStart);
    if (at + code.size() > (screen == 0 ? size_t(kLineCode[1] - kViewerStart) : bank.size() - 64))
      throw std::length_error("line code does not fit");
    std::copy(code.begin(), code.end(), bank.begin() + std::ptrdiff_t(at));
    const size_t entry = screen == 0 ? kViewerLines0Offset : kViewerLines1Offset;
    bank[entry] = uint8_t(kLineCode[screen]);
    bank[entry + 1] = uint8_t(kLineCode[screen] >> 8);
  }
}

}  // namespace cs
