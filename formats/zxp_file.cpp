#include "formats/zxp_file.h"

#include <cstring>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "formats/zx_screen.h"
#include "model/translatable.h"

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
  // The same, found without a search when the line has `length`
  // characters, as every line of pixels has.
  bool next(std::string_view& line, std::size_t length) {
    const std::size_t end = pos_ + length;
    const std::size_t eol = end < text_.size() && text_[end] == '\n' && (length == 0 || text_[end - 1] != '\r') ? 1
                            : end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n'          ? 2
                                                                                                          : 0;
    if (eol == 0) return next(line);
    line = text_.substr(pos_, length);
    pos_ = end + eol;
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

// A line's 256 characters '0' and '1' as its 32 pixel bytes, the first
// character bit 7 of the first byte; false for any other character.
bool pixelBytes(const char* chars, uint8_t* bytes) {
#if defined(__SSE2__)
  // Sixteen characters at once: each half of eight reversed (words, then
  // the bytes in them), so the low bits gathered are two pixel bytes. The
  // characters are checked once for the whole line.
  __m128i valid = _mm_set1_epi8(-1);
  for (int k = 0; k < kWidth / 16; ++k) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + 16 * k));
    valid = _mm_and_si128(valid, _mm_cmpeq_epi8(_mm_or_si128(v, _mm_set1_epi8(1)), _mm_set1_epi8('1')));
    v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B);
    v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
    const uint16_t pair = static_cast<uint16_t>(_mm_movemask_epi8(_mm_slli_epi16(v, 7)));
    std::memcpy(bytes + 2 * k, &pair, 2);
  }
  if (_mm_movemask_epi8(valid) != 0xFFFF) return false;
#else
  for (int column = 0; column < kColumns; ++column) {
    // Eight characters at once: each must be '0' or '1', and their low
    // bits are the pixel byte, the first character its bit 7.
    uint64_t word;
    std::memcpy(&word, chars + column * 8, 8);
    if ((word & ~0x0101010101010101ull) != 0x3030303030303030ull) return false;
    bytes[column] = static_cast<uint8_t>(((word & 0x0101010101010101ull) * 0x8040201008040201ull) >> 56);
  }
#endif
  return true;
}

FileError lineError(const Lines& lines, const std::string& what) {
  return FileError::format(
      FormatText(CS_TRANSLATE_NOOP("Core", "line %1 %2"), {std::to_string(lines.number()), what}));
}

}  // namespace

FileError DecodeZxp(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  Lines lines(bytes);
  std::string_view line;
  if (!lines.next(line) || (line != "ZX-Paintbrush image" && line != "ZX-Paintbrush extended image"))
    return FileError::format(CS_TRANSLATE_NOOP("Core", "a .zxp file starts with \"ZX-Paintbrush image\""));
  if (!lines.next(line)) return {FileErrorKind::ReadBeyondEnd};
  if (!line.empty()) return lineError(lines, CS_TRANSLATE_NOOP("Core", "should be empty"));

  // Pixels and attributes are gathered first; the Picture changes only once
  // the whole text has been read.
  uint8_t pixels[kLines][kColumns];
  for (int y = 0; y < kLines; ++y) {
    if (!lines.next(line, kWidth)) return {FileErrorKind::ReadBeyondEnd};
    if (line.size() != kWidth)
      return lineError(lines, FormatText(CS_TRANSLATE_NOOP("Core", "should have 256 pixels, it has %1"),
                                         {std::to_string(line.size())}));
    if (!pixelBytes(line.data(), pixels[y]))
      return lineError(lines, CS_TRANSLATE_NOOP("Core", "holds a pixel other than 0 or 1"));
  }
  if (!lines.next(line)) return {FileErrorKind::ReadBeyondEnd};
  if (!line.empty())
    return lineError(lines, CS_TRANSLATE_NOOP("Core", "should be empty after 192 lines of pixels"));

  uint8_t rows[kLines][kColumns];
  int count = 0;
  while (lines.next(line) && !line.empty()) {
    if (count == kLines) return lineError(lines, CS_TRANSLATE_NOOP("Core", "is one attribute line too many"));
    if (!parseAttributes(line, rows[count]))
      return lineError(lines, CS_TRANSLATE_NOOP("Core", "should hold 32 attributes"));
    ++count;
  }
  if (count != kLines && count != kLines / 8)
    return FileError::format(
        FormatText(CS_TRANSLATE_NOOP("Core", "a .zxp file has 24 or 192 lines of attributes, this one %1"),
                   {std::to_string(count)}));
  const int rowHeight = kLines / count;
  pic.vertSize = static_cast<uint8_t>(rowHeight == 8 ? 8 : 1);
  LinearBitmapToPlane(&pixels[0][0], pic.pixels(0));
  AttributeRowsToPlane(&rows[0][0], rowHeight, pic.attrs(0));
  if (rowHeight == 1 && OuterColumnsHideColours(pic.attrs(0))) note = kOuterColumnsNote;
  if (!lines.atEnd())
    note = note.empty() ? CS_TRANSLATE_NOOP("Core", "The palette after the attributes was left out") : note;
  CopyScreen0ToScreen1(pic);
  return {};
}

}  // namespace cs
