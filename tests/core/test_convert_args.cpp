// The converter's command line, for the cases its process tests leave out:
// where an argument stops being an option, and which check comes first.
#include <gtest/gtest.h>

#include "app/convert_args.h"

namespace cs {
namespace {

ConvertArgs parse(std::vector<const char*> args) { return ParseConvertArgs(args); }

TEST(ConvertArgs, FileNamesThatLookLikeOptions) {
  ConvertArgs r = parse({"-", "--", "--info"});
  ASSERT_FALSE(r.error) << *r.error;
  EXPECT_EQ(r.options.files, (std::vector<std::string>{"-", "--info"}));
  EXPECT_FALSE(r.options.info);

  r = parse({"--png-mode", "--info", "in.mgs"});
  ASSERT_TRUE(r.error);
  EXPECT_EQ(*r.error, "PNG mode must be 1 ... 11, not '--info'")
      << "the value is the next argument, whatever it is";

  r = parse({"--to", ".PNG", "--output-dir", "--to", "a.mgs"});
  ASSERT_FALSE(r.error) << *r.error;
  EXPECT_EQ(r.options.to, "PNG") << "the dot is optional";
  EXPECT_EQ(r.options.outputDir, "--to");
  EXPECT_EQ(r.options.files, std::vector<std::string>{"a.mgs"});
}

TEST(ConvertArgs, WrongValuesAndTheirMessages) {
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"a.mgs", "b.mgs", "--border"}, "option --border needs a value"},
      {{"--border=1,2,3", "a.mgs", "b.mgs"}, "border must be two colours 0 ... 7 as B0,B1, not '1,2,3'"},
      {{"--border=,1", "a.mgs", "b.mgs"}, "border must be two colours 0 ... 7 as B0,B1, not ',1'"},
      {{"--cell-height=", "a.mgs", "b.mgs"}, "cell height must be 8, 4, 2 or 1, not ''"},
      {{"--cell-height=99999999999", "a.mgs", "b.mgs"},
       "cell height must be 8, 4, 2 or 1, not '99999999999'"},
      {{"--help=1"}, "option --help takes no value"},
      {{"--Help"}, "unknown option --Help"},
      {{"--to=.", "a.mgs"}, "--to takes an extension such as png, not '.'"},
      {{"--to=p.ng", "a.mgs"}, "--to takes an extension such as png, not 'p.ng'"},
      {{"--to", "png", "a.mgs"}, "--to and --output-dir go together"},
      {{"--to", "png", "--output-dir="}, "option --output-dir needs a folder"},
      {{"--to", "png", "--output-dir", "d"}, "expected the FILEs to convert"},
      {{"--info", "--to", "png", "--output-dir", "d", "a.mgs"}, "--info takes one INPUT and no other option"},
      {{"--dither=floyd", "a.png", "b.mgs"}, "dither must be none, ordered or diffusion, not 'floyd'"},
      {{"--strength", "101", "a.png", "b.mgs"}, "strength must be 0 ... 100, not '101'"},
      {{"--fit=contain", "a.png", "b.mgs"}, "fit must be cover or border, not 'contain'"},
      {{"--info", "--fit=cover", "a.png"}, "--info takes one INPUT and no other option"},
  };
  for (const auto& [args, message] : cases) {
    const ConvertArgs r = parse(args);
    ASSERT_TRUE(r.error) << message;
    EXPECT_EQ(*r.error, message);
  }
}

TEST(ConvertArgs, ImportOptions) {
  const ConvertArgs r = parse({"--dither", "ordered", "--strength=0", "--fit", "border", "a.png", "b.mgs"});
  ASSERT_FALSE(r.error) << *r.error;
  EXPECT_EQ(r.options.dither, Dither::Ordered);
  EXPECT_EQ(r.options.strength, 0);
  EXPECT_EQ(r.options.fit, FitMode::Border);
  EXPECT_FALSE(parse({"a.png", "b.mgs"}).options.dither) << "unset options leave the defaults to the import";
}

TEST(ConvertArgs, HelpNeedsNoFilesButWrongOptionsStillFail) {
  ConvertArgs r = parse({"a", "b", "c", "--help", "--info"});
  ASSERT_FALSE(r.error) << *r.error;
  EXPECT_TRUE(r.options.help);
  r = parse({"--help", "--cell-height=3"});
  EXPECT_TRUE(r.error);
  r = parse({"--version", "a"});
  EXPECT_TRUE(r.options.version && !r.error);
  EXPECT_EQ(parse({"--version=2"}).error, "option --version takes no value");
  r = parse({});
  ASSERT_TRUE(r.error);
  EXPECT_EQ(*r.error, "expected INPUT and OUTPUT");
}

}  // namespace
}  // namespace cs
