#include "formats/tap_file.h"

#include <cstring>

#include "formats/screen_file.h"
#include "formats/zx_screen.h"
#include "model/translatable.h"

namespace cs {

FileError DecodeTap(std::span<const uint8_t> bytes, Picture& pic, std::string& note) {
  note.clear();
  // Flag, screen, checksum.
  constexpr std::size_t kScreenBlock = kScrFileSize + 2;
  const uint8_t* screens[2] = {nullptr, nullptr};
  int found = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    if (bytes.size() - at < 2)
      return FileError::format(FormatText(
          CS_TRANSLATE_NOOP("Core", "the last block's length is cut off at byte %1"), {std::to_string(at)}));
    const std::size_t length = bytes[at] | static_cast<std::size_t>(bytes[at + 1]) << 8;
    const std::size_t start = at + 2;
    if (bytes.size() - start < length) return {FileErrorKind::ReadBeyondEnd};
    if (length == kScreenBlock && found < 2) {
      // Eight bytes at a time, then the last few.
      uint64_t wide = 0;
      std::size_t i = 0;
      for (; i + 8 <= length; i += 8) {
        uint64_t chunk;
        std::memcpy(&chunk, bytes.data() + start + i, 8);
        wide ^= chunk;
      }
      uint8_t sum = 0;
      for (int k = 0; k < 8; ++k) sum ^= static_cast<uint8_t>(wide >> (8 * k));
      for (; i < length; ++i) sum ^= bytes[start + i];
      if (sum != 0)
        return FileError::format(
            FormatText(CS_TRANSLATE_NOOP("Core", "the screen block at byte %1 fails its checksum"),
                       {std::to_string(at)}));
      screens[found++] = bytes.data() + start + 1;
    }
    at = start + length;
  }
  if (found == 0)
    return FileError::format(CS_TRANSLATE_NOOP("Core", "the tape holds no block of 6912 bytes"));
  // The whole tape is checked: the screens go straight into the Picture.
  pic.vertSize = 8;
  for (int s = 0; s < found; ++s) ScreenToPlanes(screens[s], 8, pic, s);
  if (found == 1) CopyScreen0ToScreen1(pic);
  return {};
}

}  // namespace cs
