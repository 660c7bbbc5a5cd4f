#include "app/window_positions.h"

#include <filesystem>
#include <span>
#include <system_error>

#include "formats/file_io.h"
#include "formats/ini_text.h"

namespace cs {

WindowPositions ReadWindowPositions(const IniDocument& ini) {
  WindowPositions pos;
  for (const auto& k : kWindowPositionKeys) pos.*k.field = ini.readInteger(kIniSection, k.key, pos.*k.field);
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
  return ReadWindowPositions(IniDocument::Parse(ReadTextFile(path).value_or(std::string())));
}

FileError SaveWindowPositions(const std::string& path, const WindowPositions& pos) {
  std::error_code ec;
  const auto old = ReadTextFile(path);
  // A file that is there but cannot be read would lose its other content.
  if (!old && std::filesystem::exists(path, ec)) return FileError{FileErrorKind::AccessDenied};
  const std::string text = WriteWindowPositions(old.value_or(std::string()), pos);
  return WriteFileAtomic(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace cs
