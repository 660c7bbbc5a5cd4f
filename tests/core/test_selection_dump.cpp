#include "formats/formats.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

std::string readText(const std::string& name) {
  const std::vector<uint8_t> b = ReadBytes(name);
  return {b.begin(), b.end()};
}

Selection rect(int left, int top, int width, int height) {
  Selection s;
  s.visible = true;
  s.left = left;
  s.top = top;
  s.width = width;
  s.height = height;
  return s;
}

TEST(SelectionDump, WholeEightByEightPictureAsScreenIsAnScrFile) {
  ScratchDir dir;
  const Picture pic = RandomPicture(1, 8);
  ASSERT_FALSE(WriteSelectionDump(pic, rect(0, 0, 32, 24), kPixModeAsScreen, dir.file("sel.bin")));
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"sel_attr_0.bin", "sel_attr_1.bin", "sel_pix_0.bin",
                                                     "sel_pix_1.bin", "sel_selection.ini"}));
  const std::vector<uint8_t> img = EncodeImg(pic);
  EXPECT_EQ(ReadBytes(dir.file("sel_pix_0.bin")), std::vector<uint8_t>(img.begin(), img.begin() + 6144));
  EXPECT_EQ(ReadBytes(dir.file("sel_attr_0.bin")),
            std::vector<uint8_t>(img.begin() + 6144, img.begin() + 6912));
  EXPECT_EQ(ReadBytes(dir.file("sel_pix_1.bin")),
            std::vector<uint8_t>(img.begin() + 6912, img.begin() + 13056));
  EXPECT_EQ(ReadBytes(dir.file("sel_attr_1.bin")), std::vector<uint8_t>(img.begin() + 13056, img.end()));
  EXPECT_EQ(readText(dir.file("sel_selection.ini")),
            "[chromaSmithSelection]\nx=0\ny=0\nwidth=32\nheight=24\nMGS_VertSize=8\npixMode=1\n"
            "pixModeString=as screen\n");
}

TEST(SelectionDump, LinearListsLinesTopToBottom) {
  const Picture pic = RandomPicture(2, 8);
  const SelectionBytes b = SelectionDumpBytes(pic, rect(0, 0, 32, 24), kPixModeLinear, 1);
  ASSERT_EQ(b.pixels.size(), 6144u);
  for (int line = 0; line < kLines; ++line)
    for (int column = 0; column < kColumns; ++column)
      ASSERT_EQ(b.pixels[size_t(line * 32 + column)], pic.pixels(1)[pixelIndex(column, line)]);
}

TEST(SelectionDump, PartOfTheCellsGivesTheirBytesOnly) {
  Picture pic = RandomPicture(3, 4);
  const SelectionBytes b = SelectionDumpBytes(pic, rect(5, 10, 2, 3), kPixModeLinear, 0);
  ASSERT_EQ(b.pixels.size(), 24u);
  ASSERT_EQ(b.attributes.size(), 6u);
  EXPECT_EQ(b.pixels[0], pic.pixels(0)[pixelIndex(5, 40)]);
  EXPECT_EQ(b.pixels[23], pic.pixels(0)[pixelIndex(6, 51)]);
  EXPECT_EQ(b.attributes[0], AttributeAt(pic.attrs(0), 5, 40));
  EXPECT_EQ(b.attributes[5], AttributeAt(pic.attrs(0), 6, 48));
}

TEST(SelectionDump, AsScreenOfPartialHeightTakesTheDisplayFilesRowPositions) {
  const Picture pic = RandomPicture(4, 8);
  const SelectionBytes b = SelectionDumpBytes(pic, rect(0, 1, 1, 2), kPixModeAsScreen, 0);
  ASSERT_EQ(b.pixels.size(), 16u);
  const int want[16] = {1, 9, 17, 25, 33, 41, 49, 57, 2, 10, 18, 26, 34, 42, 50, 58};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(b.pixels[size_t(i)], pic.pixels(0)[pixelIndex(0, want[i])]) << i;
}

TEST(SelectionDump, EightByOneOuterColumnsTakeEachRowsOwnLine) {
  Picture pic;
  pic.vertSize = 1;
  pic.attrs(0)[attrIndex(0, 3)] = 1;  // line 3 of an outer column, not its cell's attribute line
  const SelectionBytes b = SelectionDumpBytes(pic, rect(0, 3, 1, 1), kPixModeLinear, 0);
  EXPECT_EQ(b.attributes, std::vector<uint8_t>{0x08});
}

TEST(SelectionDump, ExtensionIsDroppedFromTheName) {
  ScratchDir dir;
  const Picture pic = RandomPicture(5, 2);
  ASSERT_FALSE(WriteSelectionDump(pic, rect(0, 0, 1, 1), kPixModeAsScreen, dir.file("sel")));
  const std::vector<std::string> files = dir.entries();
  ASSERT_FALSE(WriteSelectionDump(pic, rect(0, 0, 1, 1), kPixModeAsScreen, dir.file("sel.bin")));
  EXPECT_EQ(dir.entries(), files) << "sel and sel.bin name the same five files";
  EXPECT_EQ(files.size(), 5u);

  ASSERT_FALSE(WriteSelectionDump(pic, rect(0, 0, 1, 1), kPixModeAsScreen, dir.file("a.b.c")));
  EXPECT_FALSE(ReadBytes(dir.file("a.b_selection.ini")).empty());
}

TEST(SelectionDump, ExistingIniKeepsItsOtherSections) {
  ScratchDir dir;
  const Picture pic = RandomPicture(6, 2);
  const std::string text = "[mine]\nk=1\n";
  WriteBytes(dir.file("sel_selection.ini"), std::vector<uint8_t>(text.begin(), text.end()));
  ASSERT_FALSE(WriteSelectionDump(pic, rect(1, 2, 3, 4), kPixModeLinear, dir.file("sel.bin")));
  ASSERT_FALSE(WriteSelectionDump(pic, rect(1, 2, 3, 5), kPixModeLinear, dir.file("sel.bin")));
  EXPECT_EQ(readText(dir.file("sel_selection.ini")),
            "[mine]\nk=1\n\n[chromaSmithSelection]\nx=1\ny=2\nwidth=3\nheight=5\nMGS_VertSize=2\npixMode=0\n"
            "pixModeString=linear\n");
  EXPECT_EQ(ReadBytes(dir.file("sel_pix_1.bin")).size(), 3u * 5u * 2u);
}

TEST(SelectionDump, SelectionReachingPastThePictureIsClipped) {
  const Picture pic = RandomPicture(6, 8);
  const SelectionBytes b = SelectionDumpBytes(pic, rect(30, 22, 5, 5), kPixModeLinear, 0);
  EXPECT_EQ(b.pixels.size(), 2u * 2u * 8u);
  EXPECT_EQ(b.attributes.size(), 4u);
}

TEST(SelectionDump, SelectionWhollyOutsideThePictureWritesNothing) {
  // Rows 24.. chosen at cell height 1, then the picture converted to 8x8.
  ScratchDir dir;
  const Picture pic = RandomPicture(6, 8);
  EXPECT_FALSE(SelectionHasCells(rect(0, 24, 4, 10), 8));
  EXPECT_TRUE(SelectionHasCells(rect(0, 24, 4, 10), 1));
  const FileError err = WriteSelectionDump(pic, rect(0, 24, 4, 10), kPixModeLinear, dir.file("sel.bin"));
  EXPECT_EQ(err.text(), std::string("Error file format\n") + kSelectionOutsideText);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

}  // namespace
}  // namespace cs
