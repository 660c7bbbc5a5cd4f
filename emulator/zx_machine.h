// What the snapshot maker puts into the Pentagon's memory: the two screens
// in the banks the 128K memory port can show, and the viewer with its
// border colours. Banks are 16 KB.
#pragma once

#include <cstdint>
#include <span>

#include "model/picture.h"

namespace cs {

inline constexpr int kBankSize = 16384;
inline constexpr int kScreen0Bank = 5;  // shown with port 0x7FFD bit 3 clear, at 0x4000
inline constexpr int kScreen1Bank = 7;  // shown with bit 3 set
inline constexpr int kViewerBank = 2;   // always at 0x8000

// The viewer's layout, as viewer.asm places it.
inline constexpr uint16_t kViewerStart = 0x8000;
inline constexpr uint16_t kViewerStack = 0xC000;
inline constexpr uint8_t kViewerVectorPage = 0x82;
inline constexpr int kViewerBorder0Offset = 3;
inline constexpr int kViewerBorder1Offset = 4;
inline constexpr int kViewerFlipOffset = 6;       // port 0x7FFD bits flipped each frame
inline constexpr int kViewerLines0Offset = 7;     // line code address per screen, 0 for none
inline constexpr int kViewerLines1Offset = 9;
inline constexpr int kViewerLinesExitOffset = 13; // the line code's way back
inline constexpr uint8_t kViewerPaging = 0x10;  // port 0x7FFD at start: screen 0, bank 0 at 0xC000

// One screen as the Spectrum shows it: its display file and 24 rows of 8x8
// attributes, each cell taking the colours of its first line. For a picture
// of a smaller cell height the viewer rewrites these attributes in time with
// the beam (multicolour.h); the outer 8x8 cells of an 8x1 picture stay.
void FillScreenBank(const Picture& pic, int screen, std::span<uint8_t, kBankSize> bank);

// The viewer code at the start of its bank, with the picture's border pair.
void FillViewerBank(const Picture& pic, std::span<const uint8_t> viewer, std::span<uint8_t, kBankSize> bank);

}  // namespace cs
