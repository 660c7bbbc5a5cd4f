#include "formats/file_name.h"

#include <cctype>

namespace cs {

namespace {

// Position of the extension's dot in the last path component, or npos.
std::string::size_type extensionDot(const std::string& name) {
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) return dot;
  const auto slash = name.rfind('/');
  if (slash != std::string::npos && slash > dot) return std::string::npos;
  return dot;
}

}  // namespace

std::string EnsureExtension(const std::string& name, const std::string& ext) {
  const bool hasIt = name.size() > 4 && name.size() >= ext.size() &&
                     name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
  return hasIt ? name : name + ext;
}

std::string RemoveExtension(const std::string& name) {
  const auto dot = extensionDot(name);
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string LowerExtension(const std::string& name) {
  const auto dot = extensionDot(name);
  if (dot == std::string::npos) return {};
  std::string ext = name.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace cs
