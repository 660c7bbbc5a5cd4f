#include "app/language.h"

#include <cstring>

#include "model/translatable.h"

namespace cs {

Language LanguageFromEnvironment(const EnvironmentReader& env) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = env(name);
    if (value == nullptr || *value == '\0') continue;
    return std::strncmp(value, "ru", 2) == 0 ? Language::Russian : Language::English;
  }
  return Language::English;
}

std::optional<Language> LanguageFromName(std::string_view name) {
  if (name == "en") return Language::English;
  if (name == "ru") return Language::Russian;
  return std::nullopt;
}

LanguageOption TakeLanguageOption(int argc, char** argv) {
  LanguageOption out;
  constexpr std::string_view kOption = "--language";
  for (int i = 0; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i == 0 || !arg.starts_with(kOption)) {
      out.rest.push_back(argv[i]);
      continue;
    }
    std::string_view value;
    if (arg == kOption) {
      if (i + 1 >= argc) {
        out.error = CS_TRANSLATE_NOOP("Core", "--language needs en or ru");
        continue;
      }
      value = argv[++i];
    } else if (arg[kOption.size()] == '=') {
      value = arg.substr(kOption.size() + 1);
    } else {
      out.rest.push_back(argv[i]);  // some other option that shares the prefix
      continue;
    }
    out.language = LanguageFromName(value);
    if (!out.language)
      out.error =
          FormatText(CS_TRANSLATE_NOOP("Core", "--language needs en or ru, not '%1'"), {std::string(value)});
  }
  return out;
}

Language ChooseLanguage(const LanguageOption& option, const EnvironmentReader& env) {
  return option.language ? *option.language : LanguageFromEnvironment(env);
}

}  // namespace cs
