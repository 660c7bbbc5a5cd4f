#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "formats/ini_text.h"
#include "app/window_positions.h"

namespace cs {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() / ("cs_ini_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string dir() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

TEST(WindowPositions, MissingFileGivesEveryDefault) {
  TempDir dir;
  const WindowPositions p = LoadWindowPositions(dir.file("absent.ini"));
  EXPECT_EQ(p, WindowPositions{});
  // The defaults a first start shows: the picture window fills the work area,
  // palette, preview and corrector at (3, 43), border palette at (345, 43),
  // zoom preview at (495, 43).
  EXPECT_EQ(p.pictureAlign, 0);
  EXPECT_EQ(p.pictureWidth, 1033);
  EXPECT_EQ(p.pictureHeight, 794);
  EXPECT_EQ(p.borderPaletteX, 345);
  EXPECT_EQ(p.zoomPreviewX, 495);
  EXPECT_EQ(p.correctorY, 43);
}

TEST(WindowPositions, ReadsKeysOfTheSectionWhateverTheirCase) {
  const auto ini = IniDocument::Parse(
      "; saved by hand\r\n[other]\r\npicture_x=999\r\n[Positions]\r\nPICTURE_X = 12\r\npicture_align=1\r\n"
      "palette_y=-7\r\n");
  const WindowPositions p = ReadWindowPositions(ini);
  EXPECT_EQ(p.pictureX, 12);
  EXPECT_EQ(p.pictureAlign, 1);
  EXPECT_EQ(p.paletteY, -7);
  EXPECT_EQ(p.pictureY, 40);
}

TEST(WindowPositions, ValuesThatAreNotIntegersTakeTheDefault) {
  const auto ini = IniDocument::Parse(
      "[positions]\npicture_x=12px\npicture_y=\npicture_width=99999999999\npicture_height= +800 \n"
      "palette_x=0x10\npalette_y=+-5\n");
  const WindowPositions p = ReadWindowPositions(ini);
  EXPECT_EQ(p.pictureX, 0);
  EXPECT_EQ(p.pictureY, 40);
  EXPECT_EQ(p.pictureWidth, 1033);
  EXPECT_EQ(p.pictureHeight, 800);
  EXPECT_EQ(p.paletteX, 3);
  EXPECT_EQ(p.paletteY, 43);  // one sign only
}

TEST(WindowPositions, ValuesOutOfRangeTakeTheDefault) {
  const auto ini = IniDocument::Parse(
      "[positions]\npicture_x=2147483647\npicture_y=-2147483648\npicture_width=523\npicture_height=414\n"
      "picture_align=2\npalette_x=-32767\npalette_y=32768\nborderpal_x=32767\npreview_x=-32768\n"
      "zoompreview_x=0\n");
  const WindowPositions p = ReadWindowPositions(ini);
  EXPECT_EQ(p.pictureX, 0);
  EXPECT_EQ(p.pictureY, 40);
  EXPECT_EQ(p.pictureWidth, 1033) << "narrower than the picture window can be";
  EXPECT_EQ(p.pictureHeight, 414);
  EXPECT_EQ(p.pictureAlign, 0);
  EXPECT_EQ(p.paletteX, -32767);
  EXPECT_EQ(p.paletteY, 43);
  EXPECT_EQ(p.borderPaletteX, 32767);
  EXPECT_EQ(p.previewX, 3);
  EXPECT_EQ(p.zoomPreviewX, 0);
  EXPECT_EQ(ReadWindowPositions(IniDocument::Parse("[positions]\npicture_width=32768\npicture_height=0\n")),
            WindowPositions{});
}

TEST(WindowPositions, WritesAllKeysInTableOrder) {
  WindowPositions p;
  p.pictureX = 5;
  p.pictureAlign = 1;
  EXPECT_EQ(WriteWindowPositions("", p),
            "[positions]\npicture_x=5\npicture_y=40\npicture_width=1033\npicture_height=794\n"
            "picture_align=1\npalette_x=3\npalette_y=43\nborderpal_x=345\nborderpal_y=43\npreview_x=3\n"
            "preview_y=43\nzoompreview_x=495\nzoompreview_y=43\ncolorcorrector_x=3\ncolorcorrector_y=43\n"
            "history_x=780\nhistory_y=43\npatterns_x=660\npatterns_y=43\nbrush_x=800\nbrush_y=43\nreference_x=780\n"
            "reference_y=470\nlow_flicker=0\n");
}

TEST(WindowPositions, RewritingKeepsOtherSectionsCommentsAndKeys) {
  WindowPositions p;
  p.pictureX = 77;
  const std::string t = WriteWindowPositions("; mine\n[positions]\nextra=1\npicture_x=1\n\n[later]\nkey=v\n", p);
  EXPECT_EQ(t.rfind("; mine\n[positions]\nextra=1\npicture_x=77\npicture_y=40\n", 0), 0u) << t;
  EXPECT_NE(t.find("brush_y=43\nreference_x=780\nreference_y=470\nlow_flicker=0\n\n[later]\nkey=v\n"),
            std::string::npos)
      << t;
  EXPECT_EQ(ReadWindowPositions(IniDocument::Parse(t)), p);
}

TEST(WindowPositions, SavedFileReadsBackTheSameValues) {
  TempDir dir;
  const std::string path = WindowPositionsPath(dir.dir());
  EXPECT_EQ(path, dir.dir() + "chromasmith.ini");
  WindowPositions p;
  p.pictureX = 2;
  p.pictureWidth = 640;
  p.previewX = -300;
  ASSERT_TRUE(SaveWindowPositions(path, p).ok());
  EXPECT_EQ(LoadWindowPositions(path), p);
  EXPECT_EQ(fs::directory_iterator(dir.dir())->path().filename(), "chromasmith.ini");  // no temporary left
}

TEST(WindowPositions, AnUnwritablePathFailsAndLeavesNothingBehind) {
  TempDir dir;
  // A directory where the file should be cannot be replaced, even by root.
  fs::create_directory(dir.file("chromasmith.ini"));
  EXPECT_FALSE(SaveWindowPositions(dir.file("chromasmith.ini"), WindowPositions{}).ok());
  EXPECT_FALSE(SaveWindowPositions(dir.file("missing/chromasmith.ini"), WindowPositions{}).ok());
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.dir())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(WindowPositions, SavingKeepsALargeIniWholeAndRefusesOneTooLargeToRead) {
  TempDir dir;
  const std::string path = WindowPositionsPath(dir.dir());
  std::ofstream(path) << "[positions]\npicture_x=1\n[notes]\n" << std::string(2 << 20, 'n') << "\nlast=1\n";
  ASSERT_TRUE(SaveWindowPositions(path, WindowPositions{}).ok());
  std::ifstream in(path);
  const std::string back{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(back.substr(back.size() - 8), "\nlast=1\n");
  EXPECT_GT(back.size(), std::size_t{2 << 20});

  // Above the limit the file is neither cut down nor rewritten.
  const auto tooLarge = static_cast<off_t>(kMaxIniFileSize + 1);
  ASSERT_EQ(::truncate(path.c_str(), tooLarge), 0);
  EXPECT_FALSE(SaveWindowPositions(path, WindowPositions{}).ok());
  EXPECT_EQ(fs::file_size(path), static_cast<std::uintmax_t>(tooLarge));
}

TEST(IniDocument, LastSectionWithoutNewlineAndBlankLinesParse) {
  const auto ini = IniDocument::Parse("\n\n[a]\nk=1");
  EXPECT_EQ(ini.value("A", "K"), "1");
  EXPECT_EQ(ini.value("a", "missing"), std::nullopt);
  EXPECT_EQ(ini.value("b", "k"), std::nullopt);
}

}  // namespace
}  // namespace cs
