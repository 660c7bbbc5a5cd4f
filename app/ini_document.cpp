#include "app/ini_document.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

namespace cs {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The name inside "[name]", or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return trim(line.substr(1, line.size() - 2));
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    doc.lines_.emplace_back(trim(text.substr(start, end - start)));
    start = end + 1;
  }
  return doc;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    if (const auto name = sectionName(line)) {
      inSection = sameName(*name, section);
      continue;
    }
    if (!inSection || line.empty() || line.front() == ';') continue;
    const auto eq = line.find('=');
    if (eq != std::string::npos && sameName(trim(std::string_view(line).substr(0, eq)), key))
      return std::string(trim(std::string_view(line).substr(eq + 1)));
  }
  return std::nullopt;
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto v = value(section, key);
  if (!v) return fallback;
  std::string_view s = *v;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int result = 0;
  const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), result);
  if (s.empty() || err != std::errc() || end != s.data() + s.size()) return fallback;
  return result;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return ss.str();
}

}  // namespace cs
