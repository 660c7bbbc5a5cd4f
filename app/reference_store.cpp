#include "app/reference_store.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <unordered_map>

#include "app/program_folders.h"
#include "formats/file_io.h"

namespace cs {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool plainByte(unsigned char c) {
  return c > 0x20 && c < 0x7F && c != '%' && c != '[' && c != ']' && c != '=' && c != ';' && c != '#';
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<int> integerIn(std::string_view text, int low, int high) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high) return std::nullopt;
  return v;
}

// Sets one key of an entry; false when the key's value is bad. Keys this
// version does not know are passed over, for a later one's sake.
bool setKey(ReferenceEntry& e, std::string_view key, std::string_view value, bool& hasReference) {
  ReferencePlacement& p = e.placement;
  const auto number = [&](int& field, int low, int high) {
    const auto v = integerIn(value, low, high);
    if (v) field = *v;
    return v.has_value();
  };
  const auto flag = [&](bool& field) {
    int v = 0;
    if (!number(v, 0, 1)) return false;
    field = v == 1;
    return true;
  };
  if (key == "reference") {
    const auto name = UnescapeReferenceName(value);
    if (!name || name->empty()) return false;
    e.reference = *name;
    hasReference = true;
    return true;
  }
  if (key == "fit") {
    if (value != "fit" && value != "cover") return false;
    p.fit = value == "fit" ? ReferenceFit::Fit : ReferenceFit::Cover;
    return true;
  }
  if (key == "opacity") return number(p.opacity, 0, 100);
  if (key == "scale") return number(p.scale, kMinReferenceScale, kMaxReferenceScale);
  if (key == "x") return number(p.offsetX, -kMaxReferenceOffset, kMaxReferenceOffset);
  if (key == "y") return number(p.offsetY, -kMaxReferenceOffset, kMaxReferenceOffset);
  if (key == "shown") return flag(e.shown);
  if (key == "preview") return flag(e.onPreview);
  return true;
}

}  // namespace

std::string EscapeReferenceName(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (plainByte(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::optional<std::string> UnescapeReferenceName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '%') {
      if (!plainByte(static_cast<unsigned char>(c))) return std::nullopt;
      out += c;
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

std::string FormatReferenceEntries(const std::vector<ReferenceEntry>& entries) {
  std::string out = "; chromaSmith: the reference image of each picture, oldest first\n";
  for (const ReferenceEntry& e : entries) {
    const ReferencePlacement& p = e.placement;
    out += "\n[" + EscapeReferenceName(e.picture) + "]\n";
    out += "reference=" + EscapeReferenceName(e.reference) + "\n";
    out += "opacity=" + std::to_string(p.opacity) + "\n";
    out += std::string("fit=") + (p.fit == ReferenceFit::Fit ? "fit" : "cover") + "\n";
    out += "scale=" + std::to_string(p.scale) + "\n";
    out += "x=" + std::to_string(p.offsetX) + "\n";
    out += "y=" + std::to_string(p.offsetY) + "\n";
    out += std::string("shown=") + (e.shown ? "1" : "0") + "\n";
    out += std::string("preview=") + (e.onPreview ? "1" : "0") + "\n";
  }
  return out;
}

std::optional<std::vector<ReferenceEntry>> ParseReferenceEntries(std::string_view text) {
  std::vector<ReferenceEntry> entries;
  bool hasReference = true;  // before the first section there is nothing to lack
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.size() < 3 || line.back() != ']' || !hasReference) return std::nullopt;
      const auto name = UnescapeReferenceName(line.substr(1, line.size() - 2));
      if (!name) return std::nullopt;
      entries.push_back({*name, {}, {}, true, false});
      hasReference = false;
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || entries.empty()) return std::nullopt;
    if (!setKey(entries.back(), line.substr(0, eq), line.substr(eq + 1), hasReference)) return std::nullopt;
  }
  if (!hasReference) return std::nullopt;
  // A picture named twice keeps its later entry, in the later place.
  std::unordered_map<std::string, std::size_t> last;
  for (std::size_t i = 0; i < entries.size(); ++i) last[entries[i].picture] = i;
  std::vector<ReferenceEntry> kept;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (last[entries[i].picture] == i) kept.push_back(std::move(entries[i]));
  if (kept.size() > kMaxReferenceEntries)
    kept.erase(kept.begin(), kept.end() - std::ptrdiff_t(kMaxReferenceEntries));
  return kept;
}

bool ReferenceStore::read(std::vector<ReferenceEntry>& entries, StoreProblem& problem) {
  entries.clear();
  if (!usable()) return false;
  std::vector<uint8_t> bytes;
  const FileError err = ReadWholeFile(path_, kMaxReferencesFileBytes, bytes);
  if (err.kind == FileErrorKind::FileNotFound) return true;
  std::optional<std::vector<ReferenceEntry>> parsed;
  if (!err)
    parsed =
        ParseReferenceEntries(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!parsed) {
    usable_ = false;
    problem = StoreProblem::Unreadable;
    return false;
  }
  entries = std::move(*parsed);
  return true;
}

void ReferenceStore::write(const std::vector<ReferenceEntry>& entries, StoreProblem& problem) {
  const std::string text = FormatReferenceEntries(entries);
  const auto slash = path_.rfind('/');
  FileError err;
  if (slash != std::string::npos && slash > 0) err = MakeFolder(path_.substr(0, slash));
  if (!err)
    err = WriteFileAtomic(path_, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (err) {
    usable_ = false;
    problem = StoreProblem::Unwritable;
  }
}

std::optional<ReferenceEntry> ReferenceStore::find(const std::string& picture, StoreProblem& problem) {
  std::vector<ReferenceEntry> entries;
  if (!read(entries, problem)) return std::nullopt;
  for (ReferenceEntry& e : entries)
    if (e.picture == picture) return std::move(e);
  return std::nullopt;
}

void ReferenceStore::put(const ReferenceEntry& entry, StoreProblem& problem) {
  std::vector<ReferenceEntry> entries;
  if (!read(entries, problem)) return;
  std::erase_if(entries, [&](const ReferenceEntry& e) { return e.picture == entry.picture; });
  entries.push_back(entry);
  if (entries.size() > kMaxReferenceEntries)
    entries.erase(entries.begin(), entries.end() - std::ptrdiff_t(kMaxReferenceEntries));
  write(entries, problem);
}

void ReferenceStore::remove(const std::string& picture, StoreProblem& problem) {
  std::vector<ReferenceEntry> entries;
  if (!read(entries, problem)) return;
  if (std::erase_if(entries, [&](const ReferenceEntry& e) { return e.picture == picture; }) == 0) return;
  write(entries, problem);
}

std::string AbsoluteFileName(const std::string& name, const std::string& cwd) {
  const std::string whole = !name.empty() && name.front() == '/' ? name : cwd + "/" + name;
  std::vector<std::string_view> parts;
  std::string_view rest = whole;
  while (!rest.empty()) {
    const std::size_t slash = rest.find('/');
    const std::string_view part = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string out;
  for (const std::string_view part : parts) {
    out += '/';
    out += part;
  }
  return out.empty() ? "/" : out;
}

}  // namespace cs
