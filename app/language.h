// Which language the programs speak: Russian or the original English. It
// follows the locale as desktop programs do, and a command-line option
// overrides it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cs {

enum class Language { English, Russian };

// Reads an environment variable; nullptr when it is not set.
using EnvironmentReader = std::function<const char*(const char* name)>;

// The first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not
// empty decides: Russian when it starts with "ru", English otherwise and when
// none is set.
Language LanguageFromEnvironment(const EnvironmentReader& env);

// "en" or "ru", as the command line names them.
std::optional<Language> LanguageFromName(std::string_view name);

struct LanguageOption {
  std::optional<Language> language;  // what "--language X" asked for
  std::optional<std::string> error;  // a missing or unknown X
  std::vector<char*> rest;           // the arguments without the option
};

// Takes "--language X" and "--language=X" out of argv (the program name
// stays first in `rest`); the last one given counts.
LanguageOption TakeLanguageOption(int argc, char** argv);

// The language of this run: the option's, else the environment's.
Language ChooseLanguage(const LanguageOption& option, const EnvironmentReader& env);

}  // namespace cs
