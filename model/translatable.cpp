#include "model/translatable.h"

#include <vector>

namespace cs {

std::string FormatText(const char* pattern, std::initializer_list<std::string> args) {
  const std::vector<std::string> values(args);
  std::string out;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && std::size_t(p[1] - '1') < values.size()) {
      out += values[std::size_t(p[1] - '1')];
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace cs
