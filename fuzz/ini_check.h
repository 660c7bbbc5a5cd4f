// Shared by the INI fuzzers: the input split into INI text and the bytes
// that choose what to write into it, the names an INI text holds, and the
// promise every writer of a section makes: no key outside what it sets
// changes its value.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ini_text.h"

namespace cs::fuzz {

// The text runs up to the input's first NUL byte; the bytes after it are the
// choices. A plain INI file as a seed is then all text, with every choice
// at its default.
struct IniInput {
  std::string text;
  std::span<const uint8_t> choices;
};

inline IniInput SplitIniInput(const uint8_t* data, std::size_t size) {
  std::size_t end = 0;
  while (end < size && data[end] != 0) ++end;
  IniInput in;
  in.text.assign(reinterpret_cast<const char*>(data), end);
  if (end < size) in.choices = std::span<const uint8_t>(data + end + 1, size - end - 1);
  return in;
}

// Section and key names are compared without regard to ASCII case.
inline bool SameIniName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

inline std::string_view TrimIniBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

struct IniName {
  std::string section;
  std::string key;
};

// Every key line of the text with the section it stands in, read line by
// line as an INI reader does: "[name]" starts a section, "key=value" is a
// key unless it starts with ';'. Keys before the first section are left out.
inline std::vector<IniName> IniNamesIn(std::string_view text) {
  std::vector<IniName> names;
  std::string section;
  bool inSection = false;
  while (!text.empty()) {
    const auto eol = text.find('\n');
    const std::string_view line = TrimIniBlanks(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = TrimIniBlanks(line.substr(1, line.size() - 2));
      inSection = true;
    } else if (const auto eq = line.find('=');
               inSection && eq != std::string_view::npos && line.front() != ';') {
      names.push_back({section, std::string(TrimIniBlanks(line.substr(0, eq)))});
    }
  }
  return names;
}

// Every name of `before`'s text not among the `keys` written to `section`
// has the same value in `after` as in `before`.
inline void CheckOtherKeysKept(const IniDocument& before, const IniDocument& after,
                               const std::vector<IniName>& names, std::string_view section,
                               const std::vector<std::string>& keys) {
  for (const IniName& n : names) {
    if (SameIniName(n.section, section))
      if (std::any_of(keys.begin(), keys.end(), [&](const std::string& k) { return SameIniName(k, n.key); }))
        continue;
    if (before.value(n.section, n.key) != after.value(n.section, n.key)) std::abort();
  }
}

}  // namespace cs::fuzz
