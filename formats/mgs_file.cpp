#include "formats/mgs_file.h"

#include <algorithm>

#include "formats/file_io.h"
#include "formats/screen_strips.h"
#include "formats/zx_screen.h"

namespace cs {

namespace {

constexpr uint8_t kSignature[3] = {'M', 'G', 'S'};

// The file holds every plane byte once, line-major for both kinds of plane;
// within an attribute entry the PAP index comes first.
void planesToFile(const Picture& pic, uint8_t* out) {
  for (int s = 0; s < 2; ++s) {
    const uint8_t* plane = pic.pixels(s);
    for (int line = 0; line < kLines; ++line)
      for (int column = 0; column < kColumns; ++column) *out++ = plane[pixelIndex(column, line)];
  }
  for (int s = 0; s < 2; ++s) {
    const uint8_t* plane = pic.attrs(s);
    for (int line = 0; line < kLines; ++line)
      for (int column = 0; column < kColumns; ++column) {
        const int a = attrIndex(column, line);
        *out++ = plane[a + 1];
        *out++ = plane[a];
      }
  }
}

// The same, the other way, strip by strip.
void fileToPlanes(const uint8_t* in, Picture& pic) {
  for (int s = 0; s < 2; ++s, in += kPixelPlaneSize) LinearBitmapToPlane(in, pic.pixels(s));
  for (int s = 0; s < 2; ++s, in += kAttrPlaneSize)
    for (int line = 0; line < kLines; line += 8)
      for (int column = 0; column < kColumns; column += 8)
        PapFirstEntryStrip(in + line * 2 * kColumns + 2 * column, 2 * kColumns, pic.attrs(s) + attrIndex(column, line));
}

}  // namespace

FileError DecodeMgs(std::span<const uint8_t> bytes, Picture& pic) {
  const FileError shortFile{FileErrorKind::ReadBeyondEnd};
  const FileError badFormat{FileErrorKind::Format};
  if (bytes.size() < 3) return shortFile;
  if (!std::equal(kSignature, kSignature + 3, bytes.begin())) return badFormat;
  if (bytes.size() < 5) return shortFile;
  const uint8_t version = bytes[3];
  const uint8_t cellHeight = bytes[4];
  if (!isValidCellHeight(cellHeight)) return badFormat;
  // Any version above 0 has the border pair; only 1 is ever written.
  const std::size_t header = version == 0 ? 5 : 7;
  if (bytes.size() < header) return shortFile;
  if (version != 0 && (bytes[5] > 7 || bytes[6] > 7)) return badFormat;
  if (bytes.size() < header + kPlanesSize) return shortFile;
  const uint8_t* planes = bytes.data() + header;
  const uint8_t* attrs = planes + kPixelBlockSize;
  if (LargestByte(attrs, kAttrBlockSize) > 14) return badFormat;

  // Every byte is checked: the file goes straight into the Picture.
  pic.vertSize = cellHeight;
  if (version != 0) {
    pic.borderIndex0 = bytes[5];
    pic.borderIndex1 = bytes[6];
  }
  fileToPlanes(planes, pic);
  return {};
}

std::vector<uint8_t> EncodeMgs(const Picture& pic) {
  std::vector<uint8_t> out(kMgsFileSize);
  out[0] = kSignature[0];
  out[1] = kSignature[1];
  out[2] = kSignature[2];
  out[3] = 1;
  out[4] = pic.vertSize;
  out[5] = pic.borderIndex0;
  out[6] = pic.borderIndex1;
  planesToFile(pic, out.data() + 7);
  return out;
}

FileError LoadMgsFile(const std::string& name, Picture& pic) {
  FileBytes file;
  if (FileError err = ReadFileHead(name, kMgsFileSize, file)) return err;
  return DecodeMgs(file.bytes(), pic);
}

FileError SaveMgsFile(const std::string& name, const Picture& pic) {
  return WriteFileAtomic(name, EncodeMgs(pic));
}

}  // namespace cs
