// The converter's --help text, in this run's language.
#pragma once

#include <string>

namespace cs {

std::string ConvertHelp();

}  // namespace cs
