#include "shell/window_positions.h"

namespace cs {

WindowPositions ReadWindowPositions(const IniDocument& ini) {
  WindowPositions pos;
  for (const auto& k : kWindowPositionKeys) pos.*k.field = ini.readInteger(kIniSection, k.key, pos.*k.field);
  return pos;
}

void WriteWindowPositions(IniDocument& ini, const WindowPositions& pos) {
  for (const auto& k : kWindowPositionKeys) ini.writeInteger(kIniSection, k.key, pos.*k.field);
}

std::string WindowPositionsPath(const std::string& programDir) {
  if (programDir.empty() || programDir.back() == '/') return programDir + kIniFileName;
  return programDir + "/" + kIniFileName;
}

}  // namespace cs
