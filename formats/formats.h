// The file formats the editor reads and writes. Loaders read and validate the
// whole file before they change the Picture: on any error the Picture (planes,
// cell height, border) is exactly as it was. Writers build the whole file in
// memory, write it to a temporary file in the target's folder and rename it
// over the target, so a failure leaves any earlier file intact and no partial
// file behind.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/editor_state.h"
#include "model/picture.h"
#include "model/rgb_image.h"

namespace cs {

// Offset of pixel line `line` in a ZX display file.
constexpr int ScreenRowOffset(int line) {
  return (line & 7) * 256 + (line & 0x38) * 4 + (line & 0xC0) * 32;
}

// Appends ext (".mgs") unless the name is longer than 4 characters and already
// ends with it exactly (case-sensitive).
std::string EnsureExtension(const std::string& name, const std::string& ext);

// --- native *.mgs ----------------------------------------------------------
FileError LoadMgsFile(const std::string& name, Picture& pic);
FileError SaveMgsFile(const std::string& name, const Picture& pic);
FileError DecodeMgs(std::span<const uint8_t> bytes, Picture& pic);
std::vector<uint8_t> EncodeMgs(const Picture& pic);

// --- *.mg1, *.mg2, *.mg4, *.mg8 ----------------------------------------------
FileError LoadMgFile(const std::string& name, Picture& pic);
FileError WriteMgFile(const std::string& name, const Picture& pic);   // layout of the cell height
FileError WriteMg1File(const std::string& name, const Picture& pic);  // MG1 layout
FileError DecodeMg(std::span<const uint8_t> bytes, Picture& pic);
std::vector<uint8_t> EncodeMg(const Picture& pic);
std::vector<uint8_t> EncodeMg1(const Picture& pic);

// --- *.scr, *.$scr, *.img, *.$img -------------------------------------------
FileError ImportScreenFile(const std::string& name, bool withHeader, bool singleScreen, Picture& pic);
FileError ExportImgFile(const std::string& name, const Picture& pic);
FileError DecodeScreen(std::span<const uint8_t> bytes, bool withHeader, bool singleScreen, Picture& pic);
std::vector<uint8_t> EncodeImg(const Picture& pic);

// --- PNG export ----------------------------------------------------------------
// The eleven sizes, in the order of the export panel's radio buttons, top to
// bottom; mode 1..11.
struct PngSize {
  const char* caption;
  int w, h, x, t, b;
};
inline constexpr int kPngModeCount = 11;
const PngSize& PngSizeOf(int mode);
// The export image: the border colour everywhere, the composite (256 x 192
// used) scaled by w / 256 at (x, t).
RgbImage BuildPngImage(const RgbImage& composite, uint8_t borderIndex0, uint8_t borderIndex1, int mode);
FileError WritePngFile(const std::string& name, const RgbImage& image);

// --- selection dump ----------------------------------------------------------
// pixMode 0 = linear, 1 = as screen. Writes base + "_selection.ini",
// "_pix_0.bin", "_pix_1.bin", "_attr_0.bin", "_attr_1.bin", base being the
// name without its extension.
FileError WriteSelectionDump(const Picture& pic, const Selection& sel, int pixMode, const std::string& name);

}  // namespace cs
