#include "formats/ini_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <system_error>

#include "formats/file_io.h"

namespace cs {

namespace {

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The section name of a "[name]" line.
std::optional<std::string_view> sectionOf(std::string_view line) {
  const std::string_view t = trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
  return trim(t.substr(1, t.size() - 2));
}

// The key and value of a "key=value" line.
std::optional<std::pair<std::string_view, std::string_view>> keyValueOf(std::string_view line) {
  const std::string_view t = trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return std::pair{trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string_view::size_type start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
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
      const auto kv = keyValueOf(lines[i]);
      if (kv && sameName(kv->first, key)) {
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

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  doc.lines_ = splitLines(text);
  return doc;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    if (const auto name = sectionOf(line)) {
      inSection = sameName(*name, section);
      continue;
    }
    if (!inSection) continue;
    if (const auto kv = keyValueOf(line); kv && sameName(kv->first, key)) return std::string(kv->second);
  }
  return std::nullopt;
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto v = value(section, key);
  if (!v) return fallback;
  std::string_view s = *v;
  // One optional sign: "+-5" is not a number.
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (!s.empty() && s.front() == '-') return fallback;
  }
  int result = 0;
  const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), result);
  if (s.empty() || err != std::errc() || end != s.data() + s.size()) return fallback;
  return result;
}

FileError ReadIniText(const std::string& path, std::string& text) {
  std::vector<uint8_t> bytes;
  FileError err = ReadWholeFile(path, kMaxIniFileSize, bytes);
  text.assign(bytes.begin(), bytes.end());
  if (err.kind == FileErrorKind::FileNotFound) return {};
  return err;
}

}  // namespace cs
