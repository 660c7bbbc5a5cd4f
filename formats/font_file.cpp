#include "formats/font_file.h"

#include <vector>

#include "formats/file_io.h"
#include "model/translatable.h"

namespace cs {

FileError DecodeFont(std::span<const uint8_t> bytes, Font& font) {
  if (bytes.empty()) return FileError::format(CS_TRANSLATE_NOOP("Core", "the font file is empty"));
  if (bytes.size() != kFontFileShort && bytes.size() != kFontFileLong)
    return FileError::format(
        FormatText(CS_TRANSLATE_NOOP("Core", "a font file has 768 or 2048 bytes, this one %1"),
                   {std::to_string(bytes.size())}));
  // The short layout leaves out the 32 control characters before the space.
  const char32_t first = bytes.size() == kFontFileShort ? 32 : 0;
  std::map<char32_t, Glyph> glyphs;
  for (std::size_t i = 0; i < bytes.size() / 8; ++i) {
    Glyph g;
    for (std::size_t r = 0; r < 8; ++r) g[r] = bytes[i * 8 + r];
    glyphs.emplace(first + static_cast<char32_t>(i), g);
  }
  font.glyphs = std::move(glyphs);
  return {};
}

FileError LoadFontFile(const std::string& path, Font& font) {
  std::vector<uint8_t> bytes;
  // A larger file is refused before it is read.
  if (FileError err = ReadWholeFile(path, kFontFileLong, bytes)) {
    if (err.kind == FileErrorKind::Format && err.reason.empty())
      err.reason = CS_TRANSLATE_NOOP("Core", "a font file has 768 or 2048 bytes, this one has more");
    return err;
  }
  Font loaded;
  if (FileError err = DecodeFont(bytes, loaded)) return err;
  const std::size_t slash = path.find_last_of('/');
  loaded.name = slash == std::string::npos ? path : path.substr(slash + 1);
  font = std::move(loaded);
  return {};
}

}  // namespace cs
