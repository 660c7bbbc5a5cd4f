#include "formats/mg_file.h"

#include <algorithm>

#include "formats/file_io.h"
#include "formats/screen_strips.h"
#include "formats/zx_screen.h"

namespace cs {

namespace {

constexpr uint8_t kSignature[3] = {'M', 'G', 'H'};
constexpr std::size_t kScreensOffset = kMgHeaderSize;
constexpr std::size_t kAttributesOffset = kMgHeaderSize + 2 * kPixelPlaneSize;  // 12544
// MG1 blocks, per screen: the central columns 8 ... 23 at every line, then the
// outer columns 0 ... 7 and 24 ... 31 at every 8-line character row.
constexpr int kCentralBytes = kLines * 16;    // 3072
constexpr int kOuterBytes = kLines / 8 * 16;  // 384

int outerColumn(int j) { return j < 8 ? j : j + 16; }

std::vector<uint8_t> header(const Picture& pic, uint8_t cellHeight) {
  std::vector<uint8_t> out(MgFileSize(cellHeight), 0);
  std::copy(kSignature, kSignature + 3, out.begin());
  out[3] = 1;
  out[4] = cellHeight;
  out[5] = pic.borderIndex0;
  out[6] = pic.borderIndex1;
  out[255] = 0xFF;
  for (int s = 0; s < 2; ++s)
    PlaneToDisplayFile(pic.pixels(s), out.data() + kScreensOffset + s * kPixelPlaneSize);
  return out;
}

}  // namespace

FileError DecodeMg(std::span<const uint8_t> bytes, Picture& pic) {
  if (bytes.size() < 3) return {FileErrorKind::ReadBeyondEnd};
  if (!std::equal(kSignature, kSignature + 3, bytes.begin())) return {FileErrorKind::Format};
  if (bytes.size() < 5) return {FileErrorKind::ReadBeyondEnd};
  const uint8_t cellHeight = bytes[4];
  if (!isValidCellHeight(cellHeight)) return {FileErrorKind::Format};
  if (bytes.size() < MgFileSize(cellHeight)) return {FileErrorKind::ReadBeyondEnd};

  // Every size is checked: the file goes straight into the Picture.
  Picture& loaded = pic;
  loaded.vertSize = cellHeight;
  if (bytes[5] <= 7 && bytes[6] <= 7) {
    loaded.borderIndex0 = bytes[5];
    loaded.borderIndex1 = bytes[6];
  }
  for (int s = 0; s < 2; ++s)
    DisplayFileToPlane(bytes.data() + kScreensOffset + s * kPixelPlaneSize, loaded.pixels(s));

  const uint8_t* attributes = bytes.data() + kAttributesOffset;
  if (cellHeight == 1) {
    for (int s = 0; s < 2; ++s) {
      const uint8_t* central = attributes + s * kCentralBytes;
      for (int line = 0; line < kLines; line += 8)
        AttributeStrip(central + line * 16, 16, 1, loaded.attrs(s) + attrIndex(8, line));
      const uint8_t* outer = attributes + 2 * kCentralBytes + s * kOuterBytes;
      for (int j = 0; j < 16; ++j) CellColumnToPlane(outer + j, 16, kLines / 8, loaded.attrs(s) + attrIndex(outerColumn(j), 0));
    }
  } else {
    const int rows = kLines / cellHeight;
    for (int s = 0; s < 2; ++s) AttributeRowsToPlane(attributes + s * rows * kColumns, cellHeight, loaded.attrs(s));
  }
  return {};
}

std::vector<uint8_t> EncodeMg1(const Picture& pic) {
  std::vector<uint8_t> out = header(pic, 1);
  uint8_t* p = out.data() + kAttributesOffset;
  for (int s = 0; s < 2; ++s)
    for (int line = 0; line < kLines; ++line)
      for (int column = 8; column < 24; ++column) *p++ = AttributeAt(pic.attrs(s), column, line);
  for (int s = 0; s < 2; ++s)
    for (int row = 0; row < kLines / 8; ++row)
      for (int j = 0; j < 16; ++j) *p++ = AttributeAt(pic.attrs(s), outerColumn(j), row * 8);
  return out;
}

std::vector<uint8_t> EncodeMg(const Picture& pic) {
  const int cellHeight = pic.cellHeight();
  if (cellHeight == 1) return EncodeMg1(pic);
  std::vector<uint8_t> out = header(pic, static_cast<uint8_t>(cellHeight));
  uint8_t* p = out.data() + kAttributesOffset;
  for (int s = 0; s < 2; ++s)
    for (int row = 0; row < kLines / cellHeight; ++row)
      for (int column = 0; column < kColumns; ++column)
        *p++ = AttributeAt(pic.attrs(s), column, row * cellHeight);
  return out;
}

FileError LoadMgFile(const std::string& name, Picture& pic) {
  FileBytes file;
  if (FileError err = ReadFileHead(name, MgFileSize(1), file)) return err;
  return DecodeMg(file.bytes(), pic);
}

FileError WriteMgFile(const std::string& name, const Picture& pic) {
  return WriteFileAtomic(name, EncodeMg(pic));
}

FileError WriteMg1File(const std::string& name, const Picture& pic) {
  return WriteFileAtomic(name, EncodeMg1(pic));
}

}  // namespace cs
