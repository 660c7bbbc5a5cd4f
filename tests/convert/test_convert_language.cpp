// The converter's language: Russian under a Russian locale (installed or
// not) or with --language ru, the English texts byte for byte otherwise, and
// the same exit status and files in both.
#include "tests/convert/convert_runner.h"

namespace cs {
namespace {

using testing::convert;
using testing::Outcome;
using testing::ScratchDir;
using testing::TestData;

Outcome run(const ScratchDir& dir, const std::vector<std::string>& args,
            const std::vector<std::string>& env) {
  return convert(dir, args, false, &env);
}

const std::vector<std::string> kRussian = {"LANGUAGE=ru"};
// A locale this machine need not have; LANGUAGE unset.
const std::vector<std::string> kRussianLocale = {"LANG=ru_RU.UTF-8"};
const std::vector<std::string> kNoLocale = {};

TEST(ConvertLanguage, RussianMessagesKeepTheExitStatusAndNumbers) {
#ifndef CHROMASMITH_TOOL_CATALOGUE
  GTEST_SKIP() << "built without the tools' catalogue";
#endif
  ScratchDir dir;
  const Outcome help = run(dir, {"--help"}, kRussian);
  EXPECT_EQ(help.status, 0);
  for (const char* text : {"Использование: chromasmith-convert", "Параметры:", "--language L",
                           "256 x 192 без бордюра", "Код возврата"})
    EXPECT_NE(help.out.find(text), std::string::npos) << text;

  // A damaged file: its reason in Russian too, and nothing left behind.
  std::ofstream(dir.file("bad.png"), std::ios::binary) << "\x89PNG\r\n\x1a\nxxxxxxxx";
  const Outcome english = run(dir, {dir.file("bad.png"), dir.file("out.mgs")}, kNoLocale);
  const Outcome russian = run(dir, {dir.file("bad.png"), dir.file("out.mgs")}, kRussianLocale);
  EXPECT_EQ(english.err, "chromasmith-convert: " + dir.file("bad.png") +
                             ": Error file format: The PNG image is damaged.\n");
  EXPECT_EQ(russian.err, "chromasmith-convert: " + dir.file("bad.png") +
                             ": Неверный формат файла: Изображение PNG повреждено.\n");
  EXPECT_EQ(russian.status, english.status);
  EXPECT_EQ(russian.status, 1);

  const Outcome usage = run(dir, {"--png-mode", "12", "a.mgs", "b.png"}, kRussian);
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.err,
            "chromasmith-convert: режим PNG должен быть от 1 до 11, а не «12»\n"
            "Подробнее: «chromasmith-convert --help».\n");

  // Numbers are printed as in English, with a decimal point.
  const Outcome info = run(dir, {"--info", TestData("zx-image/example.img")}, {"LC_ALL=ru_RU.UTF-8"});
  EXPECT_EQ(info.out,
            "вид: Картинка GigaScreen IMG\nвысота знакоместа: 8\nбордюр: 0,0\nоценка мерцания: 17.8\n");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"bad.png"});
}

TEST(ConvertLanguage, EnglishWithoutALocaleAndTheOptionOverTheLocale) {
  ScratchDir dir;
  const std::string in = TestData("zx-image/example.img");
  const Outcome plain = run(dir, {"--help"}, kNoLocale);
  EXPECT_EQ(plain.out.rfind("Usage: chromasmith-convert [--cell-height N]", 0), 0u);
  for (const std::vector<std::string>& env : {std::vector<std::string>{"LANGUAGE=en", "LANG=ru_RU.UTF-8"},
                                              std::vector<std::string>{"LC_ALL=C"}, kRussian})
    EXPECT_EQ(run(dir, {"--language", "en", "--help"}, env).out, plain.out);
  EXPECT_EQ(run(dir, {"--help", "--language=ru"}, kNoLocale).out, run(dir, {"--help"}, kRussian).out);

  const Outcome info = run(dir, {"--info", in}, kNoLocale);
  EXPECT_EQ(info.out, "kind: IMG GigaScreen picture\ncell height: 8\nborder: 0,0\nflicker score: 17.8\n");
  const Outcome wrong = run(dir, {"--language", "de", in}, kRussian);
  EXPECT_EQ(wrong.status, 2);
  EXPECT_NE(wrong.err.find("--language"), std::string::npos) << wrong.err;
}

}  // namespace
}  // namespace cs
