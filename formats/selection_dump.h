// The selection dump: the selected cells as raw Spectrum data for
// Spectrum-side code. Five files beside each other, named from the chosen name
// without its extension (base):
//   base + "_selection.ini"  section "chromaSmithSelection": x, y, width,
//                            height, MGS_VertSize, pixMode, pixModeString
//   base + "_pix_0.bin"      screen 0's pixel bytes, width x height x cell
//   base + "_pix_1.bin"      height bytes, line after line
//   base + "_attr_0.bin"     ZX attribute bytes, width x height, row after row
//   base + "_attr_1.bin"
// The INI file keeps its other sections and keys.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/editor_state.h"
#include "model/picture.h"
#include "model/translatable.h"

namespace cs {

enum PixMode : int {
  kPixModeLinear = 0,    // lines top to bottom
  kPixModeAsScreen = 1,  // row positions of the ZX display file
};

// The pixel and attribute bytes of one screen for the selection, which is
// clipped to the Picture first.
struct SelectionBytes {
  std::vector<uint8_t> pixels;
  std::vector<uint8_t> attributes;
};
SelectionBytes SelectionDumpBytes(const Picture& pic, const Selection& sel, int pixMode, int screen);

// `ini` with the dump's section set for the selection (clipped to a Picture
// of that cell height, 8, 4, 2 or 1), every other section and key kept: the
// text of the "_selection.ini" file that WriteSelectionDump writes over `ini`.
std::string SelectionIniText(const std::string& ini, const Selection& sel, int cellHeight, int pixMode);

// Whether any of the selection's cells lies inside a Picture of that cell
// height: a rectangle chosen at a larger cell height may not, after Convert.
bool SelectionHasCells(const Selection& sel, int cellHeight);
// What the user is told when it does not; nothing is written then.
inline constexpr const char* kSelectionOutsideText =
    CS_TRANSLATE_NOOP("Core", "The selection lies outside the picture; nothing was saved.");

// Writes the five files; the files written before a failure stay. A
// selection with no cell inside the Picture writes nothing (Format error). The
// selection's `visible` flag is not looked at: the caller offers the dump only
// while there is a selection.
FileError WriteSelectionDump(const Picture& pic, const Selection& sel, int pixMode, const std::string& name);

}  // namespace cs
