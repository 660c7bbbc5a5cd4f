// Reading a plain INI text: [section] headers and key=value lines. Section
// and key names compare without regard to case, as Windows profile files do.
// (Writing keys back goes through SetIniKeys, which keeps every other line.)
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cs {

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

// The whole text of a file; nothing when it is missing or unreadable.
std::optional<std::string> ReadTextFile(const std::string& path);

}  // namespace cs
