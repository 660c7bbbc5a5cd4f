#include "formats/multicolour_files.h"

#include <cstring>

#include "formats/zx_screen.h"

namespace cs {

namespace {

// Attributes given as rows of 32, each row for `rowHeight` lines.
void setAttributeRows(Picture& pic, const uint8_t* rows, int rowHeight) {
  for (int row = 0, k = 0; row < kLines / rowHeight; ++row)
    for (int column = 0; column < kColumns; ++column)
      SetCellAttribute(pic.attrs(0), column, row * rowHeight, rowHeight, rows[k++]);
}

}  // namespace

FileError DecodeIfl(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kIfl2FileSize && bytes.size() != kIfl4FileSize)
    return FormatError(SizeMismatch(".ifl", "9216 (8x2) or 7680 (8x4)", bytes.size()));
  const int cellHeight = bytes.size() == kIfl2FileSize ? 2 : 4;
  Picture loaded = pic;
  loaded.vertSize = static_cast<uint8_t>(cellHeight);
  DisplayFileToPlane(bytes.data(), loaded.pixels(0));
  setAttributeRows(loaded, bytes.data() + kPixelPlaneSize, cellHeight);
  CopyScreen0ToScreen1(loaded);
  pic = loaded;
  return {};
}

FileError DecodeMlt(std::span<const uint8_t> bytes, bool linearBitmap, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kMltFileSize)
    return FormatError(SizeMismatch(linearBitmap ? ".mc" : ".mlt", "12288", bytes.size()));
  Picture loaded = pic;
  loaded.vertSize = 1;
  if (linearBitmap) {
    for (int line = 0; line < kLines; ++line)
      for (int column = 0; column < kColumns; ++column)
        loaded.pixels(0)[pixelIndex(column, line)] = bytes[static_cast<std::size_t>(line * kColumns + column)];
  } else {
    DisplayFileToPlane(bytes.data(), loaded.pixels(0));
  }
  setAttributeRows(loaded, bytes.data() + kPixelPlaneSize, 1);
  if (OuterColumnsHideColours(loaded.attrs(0))) note = kOuterColumnsNote;
  CopyScreen0ToScreen1(loaded);
  pic = loaded;
  return {};
}

FileError DecodeBmc4(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kBmc4FileSize) return FormatError(SizeMismatch(".bmc4", "11904", bytes.size()));
  Picture loaded = pic;
  loaded.vertSize = 4;
  DisplayFileToPlane(bytes.data(), loaded.pixels(0));
  const uint8_t* top = bytes.data() + kPixelPlaneSize;
  const uint8_t* bottom = top + 768;
  for (int row = 0, k = 0; row < kLines / 8; ++row)
    for (int column = 0; column < kColumns; ++column, ++k) {
      SetCellAttribute(loaded.attrs(0), column, row * 8, 4, top[k]);
      SetCellAttribute(loaded.attrs(0), column, row * 8 + 4, 4, bottom[k]);
    }
  const uint8_t border = bytes[kIfl4FileSize] & 7;
  loaded.borderIndex0 = border;
  loaded.borderIndex1 = border;
  note = "The border's changing colours were left out; the border takes the first of them";
  CopyScreen0ToScreen1(loaded);
  pic = loaded;
  return {};
}

FileError DecodeAtr(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() != kAtrFileSize) return FormatError(SizeMismatch(".atr", "768", bytes.size()));
  Picture loaded = pic;
  loaded.vertSize = 8;
  std::memset(loaded.pixels(0), 0, kPixelPlaneSize);
  setAttributeRows(loaded, bytes.data(), 8);
  CopyScreen0ToScreen1(loaded);
  pic = loaded;
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
