// The font the Brush panel loaded last, remembered in the INI file under
// the key "font" of the section "text", so the next run letters with it.
#pragma once

#include <string>

#include "formats/file_error.h"

namespace cs {

inline constexpr const char* kTextIniSection = "text";
inline constexpr const char* kFontIniKey = "font";

// The font file's path, or empty for the built-in font (also when the INI
// file is missing or unreadable).
std::string ReadFontSetting(const std::string& iniPath);
// Sets the key, keeping everything else in the file; empty for the built-in
// font. The file is replaced whole or not at all.
FileError SaveFontSetting(const std::string& iniPath, const std::string& fontPath);

}  // namespace cs
