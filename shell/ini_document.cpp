#include "shell/ini_document.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
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

struct KeyValue {
  std::string_view key, value;
};
std::optional<KeyValue> keyValue(std::string_view line) {
  const auto t = trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyValue{trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    doc.lines_.emplace_back(line);
    start = end + 1;
  }
  return doc;
}

int IniDocument::findSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = sectionName(lines_[i]);
    if (name && sameName(*name, section)) return static_cast<int>(i);
  }
  return -1;
}

int IniDocument::sectionEnd(int header) const {
  int i = header + 1;
  while (i < static_cast<int>(lines_.size()) && !sectionName(lines_[static_cast<size_t>(i)])) ++i;
  return i;
}

int IniDocument::findKey(int header, std::string_view key) const {
  const int end = sectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    const auto kv = keyValue(lines_[static_cast<size_t>(i)]);
    if (kv && sameName(kv->key, key)) return i;
  }
  return -1;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  const int header = findSection(section);
  if (header < 0) return std::nullopt;
  const int line = findKey(header, key);
  if (line < 0) return std::nullopt;
  return std::string(keyValue(lines_[static_cast<size_t>(line)])->value);
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto v = value(section, key);
  if (!v) return fallback;
  std::string_view s = trim(*v);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int result = 0;
  const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), result);
  if (err != std::errc() || end != s.data() + s.size() || s.empty()) return fallback;
  return result;
}

void IniDocument::writeString(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  int header = findSection(section);
  if (header < 0) {
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(line));
    return;
  }
  const int existing = findKey(header, key);
  if (existing >= 0) {
    lines_[static_cast<size_t>(existing)] = std::move(line);
    return;
  }
  // After the section's last non-blank line, so a blank separator stays last.
  int at = sectionEnd(header);
  while (at > header + 1 && trim(lines_[static_cast<size_t>(at - 1)]).empty()) --at;
  lines_.insert(lines_.begin() + at, std::move(line));
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

std::string IniDocument::text() const {
  std::string out;
  for (const auto& l : lines_) out += l + "\n";
  return out;
}

IniDocument LoadIniFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream ss;
  ss << in.rdbuf();
  return IniDocument::Parse(ss.str());
}

bool SaveIniFile(const std::string& path, const IniDocument& doc) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string text = doc.text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace cs
