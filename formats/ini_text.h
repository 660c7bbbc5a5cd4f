// Updating one section of an INI file's text the way the platform's
// profile-string writer does: keys already there get their new value in
// place, missing keys are added at the end of the section, a missing section
// at the end of the file. Every other line is kept as it was. Section and key
// names compare without regard to case.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace cs {

using IniKeys = std::vector<std::pair<std::string, std::string>>;

std::string SetIniKeys(const std::string& text, const std::string& section, const IniKeys& keys);

}  // namespace cs
