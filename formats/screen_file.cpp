#include "formats/screen_file.h"

#include <algorithm>
#include <array>

#include "formats/file_io.h"
#include "formats/zx_screen.h"

namespace cs {

namespace {

constexpr int kCellAttributes = kColumns * kLines / 8;  // 768
// Attribute byte of a screen that has none: INK 0, PAP 13 once split.
constexpr uint8_t kPlainAttribute = 0x07;

}  // namespace

FileError DecodeScreen(std::span<const uint8_t> bytes, bool withHeader, bool singleScreen, Picture& pic) {
  const std::size_t skip = withHeader ? kHobetaHeaderSize : 0;
  if (bytes.size() < skip) return {FileErrorKind::ReadBeyondEnd};
  std::span<const uint8_t> data = bytes.subspan(skip);
  // A file may end right after the first screen's pixels, an SCR also after
  // their top third or two thirds; the screen then gets plain attributes. A
  // second screen must be complete.
  const bool pixelsOnly =
      data.size() == kPixelPlaneSize || (singleScreen && IsPartialDisplayFile(data.size()));
  const std::size_t screenSize = kPixelPlaneSize + kCellAttributes;
  const std::size_t needed = !singleScreen ? 2 * screenSize : pixelsOnly ? data.size() : screenSize;
  if (data.size() < needed) return {FileErrorKind::ReadBeyondEnd};
  // A partial display file holds the top thirds in full, since each third is
  // one run of bytes; zeros after it clear the lines it does not reach.
  std::array<uint8_t, kPixelPlaneSize> padded{};
  if (pixelsOnly && data.size() < kPixelPlaneSize) {
    std::copy(data.begin(), data.end(), padded.begin());
    data = padded;
  }

  // Every size is checked: the screens go straight into the Picture.
  pic.vertSize = 8;
  const std::array<uint8_t, kCellAttributes> plain = [] {
    std::array<uint8_t, kCellAttributes> a;
    a.fill(kPlainAttribute);
    return a;
  }();
  for (int s = 0; s < (singleScreen ? 1 : 2); ++s) {
    const uint8_t* screen = data.data() + s * screenSize;
    DisplayFileToPlane(screen, pic.pixels(s));
    AttributeRowsToPlane(pixelsOnly ? plain.data() : screen + kPixelPlaneSize, 8, pic.attrs(s));
  }
  if (singleScreen) CopyScreen0ToScreen1(pic);
  return {};
}

std::vector<uint8_t> EncodeImg(const Picture& pic) {
  std::vector<uint8_t> out(kImgFileSize);
  uint8_t* p = out.data();
  for (int s = 0; s < 2; ++s) {
    PlaneToDisplayFile(pic.pixels(s), p);
    p += kPixelPlaneSize;
    for (int row = 0; row < kLines / 8; ++row)
      for (int column = 0; column < kColumns; ++column) *p++ = AttributeAt(pic.attrs(s), column, row * 8);
  }
  return out;
}

std::vector<uint8_t> EncodeScr(const Picture& pic) {
  std::vector<uint8_t> out = EncodeImg(pic);
  out.resize(kScrFileSize);
  return out;
}

FileError ImportScreenFile(const std::string& name, bool withHeader, bool singleScreen, Picture& pic) {
  FileBytes file;
  if (FileError err = ReadFileHead(name, kHobetaHeaderSize + kImgFileSize, file)) return err;
  return DecodeScreen(file.bytes(), withHeader, singleScreen, pic);
}

FileError ExportImgFile(const std::string& name, const Picture& pic) {
  return WriteFileAtomic(name, EncodeImg(pic));
}

}  // namespace cs
