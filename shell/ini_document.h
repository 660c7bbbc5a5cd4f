// A plain INI text: [section] headers and key=value lines. Section and key
// names compare without regard to case, as Windows profile files do. Writing
// a key replaces its value in place or appends it to its section, keeping
// every other line (comments included) as it was.
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

  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);

  std::string text() const;

 private:
  // Index of the line holding the section's header, or -1.
  int findSection(std::string_view section) const;
  // Index of the line holding the key within the section starting at
  // `header`, or -1.
  int findKey(int header, std::string_view key) const;
  int sectionEnd(int header) const;

  std::vector<std::string> lines_;
};

// Reads the file; a missing or unreadable file gives an empty document.
IniDocument LoadIniFile(const std::string& path);
// Writes the whole text to a temporary file beside `path` and renames it over
// `path`, so a failed write leaves the old file as it was. False on failure.
bool SaveIniFile(const std::string& path, const IniDocument& doc);

}  // namespace cs
