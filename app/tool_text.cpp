#include "app/tool_text.h"

#include <libintl.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "model/translatable.h"

namespace cs {

namespace {

constexpr const char* kDomain = "chromasmith";
bool g_russian = false;

// The translation of `text` in `context`, as gettext keys a message with a
// context: the context, a 0x04 byte, the text.
std::optional<std::string> lookUp(const char* context, const std::string& text) {
  if (!g_russian || text.empty()) return std::nullopt;
  const std::string key = std::string(context) + '\004' + text;
  const char* found = ::dgettext(kDomain, key.c_str());
  if (found == key.c_str()) return std::nullopt;
  return std::string(found);
}

// The user's locale for `category`, or C.UTF-8 where that is "C" or not
// installed: glibc's gettext ignores LANGUAGE under the "C" locale and needs
// a character set that holds Cyrillic.
void useLocale(int category) {
  const char* set = std::setlocale(category, "");
  if (set == nullptr || std::strcmp(set, "C") == 0 || std::strcmp(set, "POSIX") == 0)
    std::setlocale(category, "C.UTF-8");
}

std::string programDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

}  // namespace

std::vector<std::string> ToolLocaleFolders(const std::string& dir) {
  std::vector<std::string> folders{
      (std::filesystem::path(dir) / ".." / "share" / "locale").lexically_normal().string()};
#ifdef CHROMASMITH_BUILD_LOCALE
  folders.emplace_back(CHROMASMITH_BUILD_LOCALE);
#endif
  return folders;
}

bool UseToolLanguage(Language language) {
  g_russian = false;
  if (language != Language::Russian) return true;
  for (const std::string& folder : ToolLocaleFolders(programDir())) {
    const std::string catalogue = folder + "/ru/LC_MESSAGES/" + kDomain + ".mo";
    if (::access(catalogue.c_str(), R_OK) != 0) continue;
    // LANGUAGE names the catalogue whatever the locale's own language is
    // (--language ru under an English locale).
    ::setenv("LANGUAGE", "ru", 1);
    useLocale(LC_MESSAGES);
    useLocale(LC_CTYPE);
    ::bindtextdomain(kDomain, folder.c_str());
    g_russian = true;
    return true;
  }
  return false;
}

const char* TrTool(const char* english) {
  if (!g_russian || *english == '\0') return english;
  const std::string key = std::string("Tools") + '\004' + english;
  const char* found = ::dgettext(kDomain, key.c_str());
  // gettext hands back its own copy of a message it found, and the key it
  // was given otherwise.
  return found == key.c_str() ? english : found;
}

std::string TrCoreText(std::string_view english) {
  if (!g_russian) return std::string(english);
  return TranslateText(english, [](const std::string& text) { return lookUp("Core", text); });
}

}  // namespace cs
