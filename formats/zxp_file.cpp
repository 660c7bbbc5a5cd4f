#include "formats/zxp_file.h"

#include <cstring>
#include <string_view>

#include "formats/zx_screen.h"

namespace cs {

namespace {

// The file's lines one after another, each without its LF or CR LF.
class Lines {
 public:
  explicit Lines(std::span<const uint8_t> bytes)
      : text_(reinterpret_cast<const char*>(bytes.data()), bytes.size()) {}
  bool atEnd() const { return pos_ >= text_.size(); }
  int number() const { return number_; }
  // The next line; false at the end of the text.
  bool next(std::string_view& line) {
    if (atEnd()) return false;
    const std::size_t end = text_.find('\n', pos_);
    line = text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number_;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 32 attributes "hh hh ... hh" into `out`.
bool parseAttributes(std::string_view line, uint8_t* out) {
  if (line.size() != kColumns * 3 - 1) return false;
  for (int column = 0; column < kColumns; ++column) {
    const std::size_t at = static_cast<std::size_t>(column * 3);
    const int hi = hexDigit(line[at]), lo = hexDigit(line[at + 1]);
    if (hi < 0 || lo < 0 || (column + 1 < kColumns && line[at + 2] != ' ')) return false;
    out[column] = static_cast<uint8_t>(hi << 4 | lo);
  }
  return true;
}

FileError lineError(const Lines& lines, const std::string& what) {
  return FileError::format("line " + std::to_string(lines.number()) + " " + what);
}

}  // namespace

FileError DecodeZxp(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  Lines lines(bytes);
  std::string_view line;
  if (!lines.next(line) || (line != "ZX-Paintbrush image" && line != "ZX-Paintbrush extended image"))
    return FileError::format("a .zxp file starts with \"ZX-Paintbrush image\"");
  if (!lines.next(line)) return {FileErrorKind::ReadBeyondEnd};
  if (!line.empty()) return lineError(lines, "should be empty");

  // Pixels and attributes are gathered first; the Picture changes only once
  // the whole text has been read.
  uint8_t pixels[kPixelPlaneSize];
  for (int y = 0; y < kLines; ++y) {
    if (!lines.next(line)) return {FileErrorKind::ReadBeyondEnd};
    if (line.size() != kWidth) return lineError(lines, "should have 256 pixels, it has " + std::to_string(line.size()));
    for (int column = 0; column < kColumns; ++column) {
      // Eight characters at once: each must be '0' or '1', and their low
      // bits are the pixel byte, the first character its bit 7.
      uint64_t chars;
      std::memcpy(&chars, line.data() + column * 8, 8);
      if ((chars & ~0x0101010101010101ull) != 0x3030303030303030ull)
        return lineError(lines, "holds a pixel other than 0 or 1");
      pixels[pixelIndex(column, y)] = static_cast<uint8_t>(((chars & 0x0101010101010101ull) * 0x8040201008040201ull) >> 56);
    }
  }
  if (!lines.next(line)) return {FileErrorKind::ReadBeyondEnd};
  if (!line.empty()) return lineError(lines, "should be empty after 192 lines of pixels");

  uint8_t rows[kLines][kColumns];
  int count = 0;
  while (lines.next(line) && !line.empty()) {
    if (count == kLines) return lineError(lines, "is one attribute line too many");
    if (!parseAttributes(line, rows[count])) return lineError(lines, "should hold 32 attributes");
    ++count;
  }
  if (count != kLines && count != kLines / 8)
    return FileError::format("a .zxp file has 24 or 192 lines of attributes, this one " + std::to_string(count));
  const int rowHeight = kLines / count;
  pic.vertSize = static_cast<uint8_t>(rowHeight == 8 ? 8 : 1);
  std::memcpy(pic.pixels(0), pixels, kPixelPlaneSize);
  AttributeRowsToPlane(&rows[0][0], rowHeight, pic.attrs(0));
  if (rowHeight == 1 && OuterColumnsHideColours(pic.attrs(0))) note = kOuterColumnsNote;
  if (!lines.atEnd()) note = note.empty() ? "The palette after the attributes was left out" : note;
  CopyScreen0ToScreen1(pic);
  return {};
}

}  // namespace cs
