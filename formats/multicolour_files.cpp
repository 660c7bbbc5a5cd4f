#include "formats/multicolour_files.h"

#include <cstring>

#include "formats/zx_screen.h"
#include "model/translatable.h"

namespace cs {

// Each decoder checks the whole file before it writes the Picture, so it
// decodes straight into it: the files are small and a copy of the Picture
// would cost more than the decoding.

FileError DecodeIfl(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kIfl2FileSize && bytes.size() != kIfl4FileSize)
    return FileError::format(
        SizeMismatch(".ifl", CS_TRANSLATE_NOOP("Core", "9216 (8x2) or 7680 (8x4)"), bytes.size()));
  const int cellHeight = bytes.size() == kIfl2FileSize ? 2 : 4;
  pic.vertSize = static_cast<uint8_t>(cellHeight);
  ScreenToPlanes(bytes.data(), cellHeight, pic, 0);
  CopyScreen0ToScreen1(pic);
  return {};
}

FileError DecodeMlt(std::span<const uint8_t> bytes, bool linearBitmap, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kMltFileSize)
    return FileError::format(SizeMismatch(linearBitmap ? ".mc" : ".mlt", "12288", bytes.size()));
  pic.vertSize = 1;
  if (linearBitmap) LinearBitmapToPlane(bytes.data(), pic.pixels(0));
  else DisplayFileToPlane(bytes.data(), pic.pixels(0));
  AttributeRowsToPlane(bytes.data() + kPixelPlaneSize, 1, pic.attrs(0));
  if (OuterColumnsHideColours(pic.attrs(0))) note = kOuterColumnsNote;
  CopyScreen0ToScreen1(pic);
  return {};
}

FileError DecodeBmc4(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kBmc4FileSize) return FileError::format(SizeMismatch(".bmc4", "11904", bytes.size()));
  pic.vertSize = 4;
  DisplayFileToPlane(bytes.data(), pic.pixels(0));
  // The two blocks' rows interleaved: one row of attributes per 4 lines.
  const uint8_t* top = bytes.data() + kPixelPlaneSize;
  const uint8_t* bottom = top + 768;
  uint8_t rows[2 * 768];
  for (int row = 0; row < kLines / 8; ++row) {
    std::memcpy(rows + row * 64, top + row * 32, 32);
    std::memcpy(rows + row * 64 + 32, bottom + row * 32, 32);
  }
  AttributeRowsToPlane(rows, 4, pic.attrs(0));
  const uint8_t border = bytes[kIfl4FileSize] & 7;
  pic.borderIndex0 = border;
  pic.borderIndex1 = border;
  note = CS_TRANSLATE_NOOP("Core",
                           "The border's changing colours were left out; the border takes the first of them");
  CopyScreen0ToScreen1(pic);
  return {};
}

FileError DecodeAtr(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kAtrFileSize) return FileError::format(SizeMismatch(".atr", "768", bytes.size()));
  pic.vertSize = 8;
  std::memset(pic.pixels(0), 0, kPixelPlaneSize);
  AttributeRowsToPlane(bytes.data(), 8, pic.attrs(0));
  CopyScreen0ToScreen1(pic);
  return {};
}

std::vector<uint8_t> EncodeIfl(const Picture& pic) {
  const int h = pic.cellHeight();
  const int rowHeight = h <= 2 ? 2 : 4;
  std::vector<uint8_t> out(rowHeight == 2 ? kIfl2FileSize : kIfl4FileSize);
  PlaneToDisplayFile(pic.pixels(0), out.data());
  uint8_t* p = out.data() + kPixelPlaneSize;
  for (int line = 0; line < kLines; line += rowHeight)
    for (int column = 0; column < kColumns; ++column)
      *p++ = AttributeAt(pic.attrs(0), column, attributeLine(h, column, line));
  return out;
}

std::vector<uint8_t> EncodeMlt(const Picture& pic) {
  const int h = pic.cellHeight();
  std::vector<uint8_t> out(kMltFileSize);
  PlaneToDisplayFile(pic.pixels(0), out.data());
  uint8_t* p = out.data() + kPixelPlaneSize;
  for (int line = 0; line < kLines; ++line)
    for (int column = 0; column < kColumns; ++column)
      *p++ = AttributeAt(pic.attrs(0), column, h == 1 ? line : attributeLine(h, column, line));
  return out;
}

}  // namespace cs
