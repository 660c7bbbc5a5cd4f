#include "formats/bsp_chr_files.h"

#include <algorithm>
#include <cstring>

#include "formats/screen_file.h"
#include "formats/zx_screen.h"
#include "model/translatable.h"

namespace cs {

namespace {

constexpr uint8_t kGigaScreen = 0x80;
constexpr uint8_t kBorderData = 0x40;
constexpr std::size_t kBorderPairOffset = 5;
constexpr std::size_t kTitleOffset = 6;
constexpr std::size_t kScreenSize = kScrFileSize;  // 6912
constexpr int kCellRows = kLines / 8;

}  // namespace

FileError DecodeBsp(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() < kBspHeaderSize) return {FileErrorKind::ReadBeyondEnd};
  if (std::memcmp(bytes.data(), "bsp", 3) != 0)
    return FileError::format(CS_TRANSLATE_NOOP("Core", "a .bsp file starts with \"bsp\""));
  const uint8_t config = bytes[3];
  const bool giga = config & kGigaScreen;
  const bool border = config & kBorderData;
  const int screens = giga ? 2 : 1;
  // With border data a GigaScreen file puts the offset of screen 1's border
  // data before its screens.
  const std::size_t screensAt = kBspHeaderSize + (giga && border ? 2 : 0);
  const std::size_t screensEnd = screensAt + screens * kScreenSize;
  if (bytes.size() < screensEnd) return {FileErrorKind::ReadBeyondEnd};

  // Everything checked first, so the screens go straight into the Picture.
  uint8_t borders[2];
  if (!border) {
    if (bytes.size() != screensEnd)
      return FileError::format(
          FormatText(CS_TRANSLATE_NOOP("Core", "a .bsp file without border data has %1 bytes, this one %2"),
                     {std::to_string(screensEnd), std::to_string(bytes.size())}));
    borders[0] = bytes[kBorderPairOffset] & 7;
    borders[1] = (bytes[kBorderPairOffset] >> 3) & 7;
  } else {
    if (bytes.size() == screensEnd)
      return FileError::format(CS_TRANSLATE_NOOP("Core", "the border data is missing"));
    std::size_t border1At = screensEnd;
    if (giga) {
      border1At = bytes[kBspHeaderSize] | bytes[kBspHeaderSize + 1] << 8;
      if (border1At <= screensEnd || border1At >= bytes.size())
        return FileError::format(
            FormatText(CS_TRANSLATE_NOOP("Core", "screen 1's border data starts at %1, outside the file"),
                       {std::to_string(border1At)}));
    }
    borders[0] = bytes[screensEnd] & 7;
    borders[1] = bytes[border1At] & 7;
    note = CS_TRANSLATE_NOOP(
        "Core", "The border's changing colours were left out; the border takes the first of them");
  }
  pic.vertSize = 8;
  pic.borderIndex0 = borders[0];
  pic.borderIndex1 = borders[1];
  for (int s = 0; s < screens; ++s) ScreenToPlanes(bytes.data() + screensAt + s * kScreenSize, 8, pic, s);
  if (!giga) CopyScreen0ToScreen1(pic);
  return {};
}

std::vector<uint8_t> EncodeBsp(const Picture& pic) {
  std::vector<uint8_t> out(kBspHeaderSize, ' ');
  std::memcpy(out.data(), "bsp", 3);
  out[3] = kGigaScreen;
  out[4] = 0;
  out[kBorderPairOffset] = static_cast<uint8_t>((pic.borderIndex0 & 7) | (pic.borderIndex1 & 7) << 3);
  static_assert(kTitleOffset + 64 == kBspHeaderSize);
  const std::vector<uint8_t> screens = EncodeImg(pic);
  out.insert(out.end(), screens.begin(), screens.end());
  return out;
}

FileError DecodeChr(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  if (bytes.size() < 4) return {FileErrorKind::ReadBeyondEnd};
  if (std::memcmp(bytes.data(), "chr$", 4) != 0)
    return FileError::format(CS_TRANSLATE_NOOP("Core", "a .ch$ file starts with \"chr$\""));
  if (bytes.size() < kChrHeaderSize) return {FileErrorKind::ReadBeyondEnd};
  const int width = bytes[4], height = bytes[5], cellBytes = bytes[6];
  if (cellBytes != 8 && cellBytes != 9 && cellBytes != 18)
    return FileError::format(
        FormatText(CS_TRANSLATE_NOOP("Core", "a cell has 8, 9 or 18 bytes, this file says %1"),
                   {std::to_string(cellBytes)}));
  const std::size_t size = kChrHeaderSize + static_cast<std::size_t>(width * height * cellBytes);
  if (bytes.size() < size) return {FileErrorKind::ReadBeyondEnd};
  if (bytes.size() > size)
    return FileError::format(FormatText(
        CS_TRANSLATE_NOOP("Core", "a %1 x %2 cell picture has %3 bytes, this one %4"),
        {std::to_string(width), std::to_string(height), std::to_string(size), std::to_string(bytes.size())}));
  // A picture of no cells has nothing to show: taking it would only blank
  // the editor's picture.
  if (width == 0 || height == 0)
    return FileError::format(
        FormatText(CS_TRANSLATE_NOOP("Core", "the picture is %1 x %2 cells: it holds no cells"),
                   {std::to_string(width), std::to_string(height)}));
  if (width > kColumns || height > kCellRows)
    return FileError::format(FormatText(
        CS_TRANSLATE_NOOP("Core", "the picture is %1 x %2 cells, larger than the screen's 32 x 24"),
        {std::to_string(width), std::to_string(height)}));

  pic.vertSize = 8;
  // Cells outside the file's stay black.
  if (width < kColumns || height < kCellRows) std::fill(pic.planes.begin(), pic.planes.end(), uint8_t{0});
  const uint8_t* cell = bytes.data() + kChrHeaderSize;
  const int screens = cellBytes == 18 ? 2 : 1;
  uint8_t rows[2][kCellRows][kColumns] = {};
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column)
      for (int s = 0; s < screens; ++s) {
        // A cell's 8 lines are 8 bytes in a row of the column-major plane.
        std::memcpy(pic.pixels(s) + pixelIndex(column, row * 8), cell, 8);
        // Cells of pixels alone get white on black, as a plain screen has.
        rows[s][row][column] = cellBytes == 8 ? 0x07 : cell[8];
        cell += cellBytes == 8 ? 8 : 9;
      }
  for (int s = 0; s < screens; ++s) AttributeRowsToPlane(&rows[s][0][0], 8, pic.attrs(s));
  if (screens == 1) CopyScreen0ToScreen1(pic);
  return {};
}

std::vector<uint8_t> EncodeChr(const Picture& pic) {
  std::vector<uint8_t> out(kChrHeaderSize + kColumns * kCellRows * 18);
  std::memcpy(out.data(), "chr$", 4);
  out[4] = kColumns;
  out[5] = kCellRows;
  out[6] = 18;
  uint8_t* p = out.data() + kChrHeaderSize;
  for (int row = 0; row < kCellRows; ++row)
    for (int column = 0; column < kColumns; ++column)
      for (int s = 0; s < 2; ++s) {
        for (int y = 0; y < 8; ++y) *p++ = pic.pixels(s)[pixelIndex(column, row * 8 + y)];
        *p++ = AttributeAt(pic.attrs(s), column, row * 8);
      }
  return out;
}

}  // namespace cs
