// The multicolour viewers' line code and attribute streams. Every frame
// interrupt the viewer (viewer.asm) flips the screen and runs the code
// generated here for the screen now shown: it waits for the paper and then,
// in step with the 224 T-state Pentagon lines, copies attributes from the
// screen's stream into the attribute row the beam is showing. For 8x1 cells
// that is the 16 central bytes every line (the outer columns keep their 8x8
// cells and stay as the screen bank has them); for 8x4 cells the whole row
// of 32 every fourth or second line.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "emulator/zx_machine.h"

namespace cs {

// Each screen's stream sits at this address while that screen is shown:
// screen 0's in bank 0, screen 1's after its own screen in bank 7 (the bank
// that must be at 0xC000 to write its attributes). 192 lines of 16 bytes.
inline constexpr uint16_t kStreamAddress = 0xDB00;
inline constexpr int kStreamLineBytes = 16;
inline constexpr int kStreamBanks[2] = {0, kScreen1Bank};
// Port 0x7FFD: screen 0 with bank 0 at 0xC000, screen 1 with bank 7.
inline constexpr uint8_t kLinesFlip = 0x0F;

// The line code of both screens, where FillLinesViewer puts it in bank 2.
inline constexpr uint16_t kLineCode[2] = {0x8400, 0x9C00};

// T-states from the interrupt to the start of line 0's code. Measured in
// fuse 1.6.0's Pentagon with the end-to-end check on 8x1 pictures: starts
// from 17,740 to 17,814 T gave every frame exact, 17,738 and 17,818 did not.
// Each line's pushes write column 23 about 118 T and column 8 about 204 T
// into its code, and each column must be written after the line before has
// shown it and before this line does: both edges put the beam at column 0 of
// the first paper line about 17,988 T after the interrupt. The window is as
// wide (76 T) as 224 T-state lines predict; any other line length would
// have narrowed it by its error times 191 lines. Started in the middle.
inline constexpr int kLinesStartT = 17777;

// The stream of one screen: line y's central columns 8..23 at y * 16.
void FillStream(const Picture& pic, int screen, std::span<uint8_t> at);

// Z80 code for one screen, to be placed at kLineCode[screen]: it starts
// `startT` T-states after the interrupt and ends with a jump back into the
// viewer.
std::vector<uint8_t> LineCode(int screen, int startT);

// For 8x4 cells (whole rows of 32 attributes change within a character
// row): T-states from the interrupt to the start of the first row change's
// code. Its writes start 134 T in, and counting each push's write cycles,
// with the paper's first line at 17,988 T as measured above, they fit
// behind and ahead of the beam for starts from 17,623 to 17,644 T. Measured
// in fuse with the end-to-end check on 8x4 pictures: 17,624 to 17,642 T
// showed every frame exact, 17,622 and 17,644 did not. Started in the middle.
inline constexpr int kRowsStartT = 17633;
// The same for 8x2 cells, whose row changes (448 T each) leave no time to
// wait: the first chunk is larger and the room smaller. Predicted from
// 17,643 to 17,654 T; measured: 17,644 to 17,652 T exact, 17,643 and
// 17,653 not. Started in the middle.
inline constexpr int kRowPairsStartT = 17648;

// The stream of one screen for cells of 4 or 2 lines: the 32 attributes of
// every cell row, in order.
void FillRowStream(const Picture& pic, int screen, std::span<uint8_t> at);

// Z80 code for one screen whose whole attribute row changes every
// `cellHeight` lines, to be placed at kLineCode[screen].
std::vector<uint8_t> RowCode(int screen, int cellHeight, int startT);

// Sets up the viewer in its bank for a picture of 8x1, 8x2 or 8x4 cells: the
// flip bits and both screens' line code.
void FillLinesViewer(std::span<uint8_t, kBankSize> bank, int cellHeight);

}  // namespace cs
