#include "formats/ini_text.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace cs {

namespace {

std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The section name of a "[name]" line.
std::optional<std::string> sectionOf(const std::string& line) {
  const std::string t = trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
  return trim(t.substr(1, t.size() - 2));
}

// The key of a "key=value" line.
std::optional<std::string> keyOf(const std::string& line) {
  const std::string t = trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return trim(t.substr(0, eq));
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string SetIniKeys(const std::string& text, const std::string& section, const IniKeys& keys) {
  std::vector<std::string> lines = splitLines(text);
  const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";

  // The section's header line and the line after its last key.
  std::optional<std::size_t> header;
  std::size_t end = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionOf(lines[i]);
    if (!name) continue;
    if (header) {
      end = i;
      break;
    }
    if (sameName(*name, section)) header = i;
  }
  if (!header) {
    if (!lines.empty() && !trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + section + "]");
    header = lines.size() - 1;
    end = lines.size();
  }
  // Keys go after the section's last key line, before any blank lines that
  // separate it from the next section.
  std::size_t insertAt = end;
  while (insertAt > *header + 1 && trim(lines[insertAt - 1]).empty()) --insertAt;

  for (const auto& [key, value] : keys) {
    bool replaced = false;
    for (std::size_t i = *header + 1; i < insertAt; ++i) {
      const auto k = keyOf(lines[i]);
      if (k && sameName(*k, key)) {
        lines[i] = key + "=" + value;
        replaced = true;
        break;
      }
    }
    if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt++), key + "=" + value);
  }

  std::string out;
  for (const std::string& line : lines) out += line + eol;
  return out;
}

}  // namespace cs
