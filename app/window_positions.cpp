#include "app/window_positions.h"

#include <span>

#include "formats/file_io.h"
#include "formats/ini_text.h"

namespace cs {

WindowPositions ReadWindowPositions(const IniDocument& ini) {
  WindowPositions pos;
  for (const auto& k : kWindowPositionKeys) {
    const int v = ini.readInteger(kIniSection, k.key, pos.*k.field);
    if (v >= k.low && v <= k.high) pos.*k.field = v;
  }
  return pos;
}

std::string WriteWindowPositions(const std::string& iniText, const WindowPositions& pos) {
  IniKeys keys;
  for (const auto& k : kWindowPositionKeys) keys.emplace_back(k.key, std::to_string(pos.*k.field));
  return SetIniKeys(iniText, kIniSection, keys);
}

std::string WindowPositionsPath(const std::string& programDir) {
  if (programDir.empty() || programDir.back() == '/') return programDir + kIniFileName;
  return programDir + "/" + kIniFileName;
}

WindowPositions LoadWindowPositions(const std::string& path) {
  std::string text;
  // An unreadable file gives the defaults, like a missing one.
  if (ReadIniText(path, text)) text.clear();
  return ReadWindowPositions(IniDocument::Parse(text));
}

FileError SaveWindowPositions(const std::string& path, const WindowPositions& pos) {
  std::string old;
  // A file that is there but cannot be read would lose its other content.
  if (FileError err = ReadIniText(path, old)) return err;
  const std::string text = WriteWindowPositions(old, pos);
  return WriteFileAtomic(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace cs
