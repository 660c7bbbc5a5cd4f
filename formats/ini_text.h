// INI text: [section] headers and key=value lines, section and key names
// compared without regard to case, as profile files are. Reading looks keys
// up; writing updates one section the way a profile-string writer does: keys
// already there get their new value in place, missing keys are added at the
// end of the section, a missing section at the end of the file, and every
// other line is kept as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/file_error.h"

namespace cs {

using IniKeys = std::vector<std::pair<std::string, std::string>>;

std::string SetIniKeys(const std::string& text, const std::string& section, const IniKeys& keys);

class IniDocument {
 public:
  static IniDocument Parse(std::string_view text);

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // The value as a decimal integer (optional sign, surrounding blanks
  // ignored); `fallback` when the key is missing or not a number in range.
  int readInteger(std::string_view section, std::string_view key, int fallback) const;

 private:
  std::vector<std::string> lines_;
};

// The largest INI file read, and so rewritten: far above any real one, it
// only keeps a wrong name pointing at something huge from being loaded.
inline constexpr std::size_t kMaxIniFileSize = std::size_t{16} << 20;

// The whole text of an INI file; a missing file reads as empty text. Other
// failures, a file larger than kMaxIniFileSize among them (Format), are
// reported, so a caller never overwrites a file it could not read whole.
FileError ReadIniText(const std::string& path, std::string& text);

}  // namespace cs
