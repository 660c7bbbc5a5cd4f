// Composing core texts and translating them back from their patterns, and
// the choice of the language.
#include <gtest/gtest.h>

#include <map>

#include "app/language.h"
#include "model/translatable.h"

namespace cs {
namespace {

const std::map<std::string, std::string> kRussian = {
    {"File not found", "Файл не найден"},
    {"The image is %1 x %2 pixels", "Картинка %1 на %2 точек"},
    {"%1 of %1", "%1 из %1"},
    {"Step %1", "Шаг %1"},
    {"Cannot open %1", "Не открыть: %1"},
};

std::optional<std::string> russian(const std::string& text) {
  const auto it = kRussian.find(text);
  return it == kRussian.end() ? std::nullopt : std::optional(it->second);
}

const std::vector<std::string> kPatterns = {"The image is %1 x %2 pixels", "%1 of %1", "Step %1",
                                            "Cannot open %1", "%1: %2"};

std::string translate(const std::string& text) { return TranslateText(text, russian, kPatterns); }

TEST(FormatText, FillsPlaceholdersAndLeavesTheRest) {
  EXPECT_EQ(FormatText("%1 x %2, %1", {"3", "4"}), "3 x 4, 3");
  EXPECT_EQ(FormatText("%10 and %3 stay", {"a"}), "a0 and %3 stay");
  EXPECT_EQ(FormatText("%1%", {"%2"}), "%2%");  // a value is not read again
  EXPECT_EQ(FormatText("", {}), "");
  const auto patterns = ComposedPatterns();
  EXPECT_NE(std::find(patterns.begin(), patterns.end(), "%1 x %2, %1"), patterns.end());
}

TEST(TranslateText, WholeComposedNestedAndLineByLine) {
  EXPECT_EQ(translate("File not found"), "Файл не найден");
  EXPECT_EQ(translate("The image is 300 x 200 pixels"), "Картинка 300 на 200 точек");
  // A value that is itself a core text is translated; a file name stays.
  EXPECT_EQ(translate("Cannot open a: b.png: File not found"), "Не открыть: a: b.png: Файл не найден");
  EXPECT_EQ(translate("Step Step 2"), "Шаг Шаг 2");
  EXPECT_EQ(translate("File not found\nx.mgs: File not found"), "Файл не найден\nx.mgs: Файл не найден");
  // A repeated placeholder holds one value; texts that do not fit stay English.
  EXPECT_EQ(translate("7 of 7"), "7 из 7");
  EXPECT_EQ(translate("7 of 8"), "7 of 8");
  EXPECT_EQ(translate("The image is 300 pixels"), "The image is 300 pixels");
  EXPECT_EQ(translate(""), "");
  // A placeholder left as it was for want of a value still reads back.
  EXPECT_EQ(translate("Step %1"), "Шаг %1");
}

TEST(Language, EnvironmentAndOption) {
  const auto env = [](std::map<std::string, std::string> vars) {
    return [vars](const char* name) -> const char* {
      const auto it = vars.find(name);
      return it == vars.end() ? nullptr : it->second.c_str();
    };
  };
  EXPECT_EQ(LanguageFromEnvironment(env({})), Language::English);
  EXPECT_EQ(LanguageFromEnvironment(env({{"LANG", "ru_RU.UTF-8"}})), Language::Russian);
  EXPECT_EQ(LanguageFromEnvironment(env({{"LANGUAGE", ""}, {"LC_ALL", "en_GB"}, {"LANG", "ru_RU"}})),
            Language::English);
  EXPECT_EQ(LanguageFromEnvironment(env({{"LANGUAGE", "ru:en"}, {"LC_ALL", "C"}})), Language::Russian);

  std::vector<std::string> words = {"prog", "a", "--language", "ru", "--language-x", "--language=en", "b"};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  const LanguageOption taken = TakeLanguageOption(int(argv.size()), argv.data());
  EXPECT_EQ(taken.language, Language::English);  // the last one counts
  EXPECT_FALSE(taken.error);
  ASSERT_EQ(taken.rest.size(), 4u);
  EXPECT_STREQ(taken.rest[2], "--language-x");
  EXPECT_EQ(ChooseLanguage(taken, env({{"LANG", "ru"}})), Language::English);
  EXPECT_EQ(ChooseLanguage(LanguageOption{}, env({{"LANG", "ru"}})), Language::Russian);

  char* bad[] = {words[0].data(), words[2].data()};
  EXPECT_TRUE(TakeLanguageOption(2, bad).error);
  std::string de = "--language=de";
  char* unknown[] = {words[0].data(), de.data()};
  EXPECT_TRUE(TakeLanguageOption(2, unknown).error);
}

}  // namespace
}  // namespace cs
