#include "emulator/zx_machine.h"

#include <algorithm>
#include <stdexcept>

#include "formats/zx_screen.h"

namespace cs {

void FillScreenBank(const Picture& pic, int screen, std::span<uint8_t, kBankSize> bank) {
  PlaneToDisplayFile(pic.pixels(screen), bank.data());
  uint8_t* attributes = bank.data() + kPixelPlaneSize;
  for (int row = 0; row < 24; ++row)
    for (int column = 0; column < kColumns; ++column)
      attributes[row * kColumns + column] = AttributeAt(pic.attrs(screen), column, row * 8);
}

void FillViewerBank(const Picture& pic, std::span<const uint8_t> viewer, std::span<uint8_t, kBankSize> bank) {
  if (viewer.size() > bank.size()) throw std::length_error("viewer larger than its bank");
  std::copy(viewer.begin(), viewer.end(), bank.begin());
  // Only the colour bits: the other bits of port 0xFE drive the speaker.
  bank[kViewerBorder0Offset] = pic.borderIndex0 & 7;
  bank[kViewerBorder1Offset] = pic.borderIndex1 & 7;
}

}  // namespace cs
