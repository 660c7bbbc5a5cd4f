#include "app/font_setting.h"

#include <cstdint>
#include <span>

#include "formats/file_io.h"
#include "formats/ini_text.h"

namespace cs {

std::string ReadFontSetting(const std::string& iniPath) {
  std::string text;
  if (ReadIniText(iniPath, text)) return {};
  return IniDocument::Parse(text).value(kTextIniSection, kFontIniKey).value_or("");
}

FileError SaveFontSetting(const std::string& iniPath, const std::string& fontPath) {
  std::string old;
  // A file that is there but cannot be read would lose its other content.
  if (FileError err = ReadIniText(iniPath, old)) return err;
  const std::string text = SetIniKeys(old, kTextIniSection, {{kFontIniKey, fontPath}});
  return WriteFileAtomic(iniPath, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace cs
