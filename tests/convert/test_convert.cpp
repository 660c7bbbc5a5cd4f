// Runs the chromasmith-convert program as a script would and checks its exit
// status, its messages and the files it leaves.
#include <sys/stat.h>

#include "colour/flicker.h"
#include "emulator/snapshot_export.h"
#include "formats/formats.h"
#include "formats/image_file.h"
#include "photo/image_import.h"
#include "render/compose.h"
#include "tests/convert/convert_runner.h"
#include "tests/core/format_test_util.h"
#include "tests/core/png_reader.h"

namespace cs {
namespace {

using testing::convert;
using testing::Outcome;
using testing::RandomPicture;
using testing::ReadBytes;
using testing::SamePicture;
using testing::ScratchDir;
using testing::TestData;
using testing::WithHeader;

TEST(Convert, MgsToEveryOutputKindMatchesTheLibraryWriters) {
  ScratchDir dir;
  const Picture pic = RandomPicture(1, 4);
  ASSERT_FALSE(SaveMgsFile(dir.file("in.mgs"), pic));
  for (const char* out : {"out.mgs", "out.mg1", "out.MG4", "out.img"}) {
    const Outcome r = convert(dir, {dir.file("in.mgs"), dir.file(out)});
    EXPECT_EQ(r.status, 0) << out << r.err;
    EXPECT_EQ(r.err, "") << out;
  }
  EXPECT_EQ(ReadBytes(dir.file("out.mgs")), EncodeMgs(pic));
  EXPECT_EQ(ReadBytes(dir.file("out.mg1")), EncodeMg1(pic));
  EXPECT_EQ(ReadBytes(dir.file("out.MG4")), EncodeMg(pic));
  EXPECT_EQ(ReadBytes(dir.file("out.img")), EncodeImg(pic));
}

// Every kind other tools read is written as the library writes it, and read
// back as INPUT as the library reads it; the snapshots are the viewer's.
TEST(Convert, OtherToolsKindsAndSnapshotsGoOutAndComeBack) {
  ScratchDir dir;
  const Picture pic = RandomPicture(2, 2);
  ASSERT_FALSE(SaveMgsFile(dir.file("in.mgs"), pic));
  for (const PictureWriter& writer : PictureWriters()) {
    const std::string out = dir.file("out" + std::string(writer.extension));
    ASSERT_EQ(convert(dir, {dir.file("in.mgs"), out}).status, 0) << out;
    EXPECT_EQ(ReadBytes(out), writer.encode(pic)) << out;
    const Outcome r = convert(dir, {out, dir.file("back.mgs")});
    Picture want, back;
    std::string note;
    ASSERT_FALSE(LoadPicture(out, want, note) || LoadMgsFile(dir.file("back.mgs"), back)) << r.err;
    EXPECT_TRUE(SamePicture(back, want)) << out;
    EXPECT_NE(r.err.find(note), std::string::npos) << "a note reaches stderr: " << r.err;
  }
  for (auto [out, kind] : {std::pair{"out.szx", SnapshotKind::Szx}, {"out.z80", SnapshotKind::Z80}, {"o.SNA", SnapshotKind::Sna}})
    EXPECT_TRUE(convert(dir, {dir.file("in.mgs"), dir.file(out)}).status == 0 &&
                ReadBytes(dir.file(out)) == EncodeViewerSnapshot(pic, kind)) << out;
}

TEST(Convert, OptionsChangeCellHeightBorderAndPngSize) {
  ScratchDir dir;
  const Picture pic = RandomPicture(2, 8);
  ASSERT_FALSE(SaveMgsFile(dir.file("in.mgs"), pic));
  Outcome r = convert(dir, {"--cell-height", "2", "--border=5,6", dir.file("in.mgs"), dir.file("out.mgs")});
  ASSERT_EQ(r.status, 0) << r.err;
  Picture back;
  ASSERT_FALSE(LoadMgsFile(dir.file("out.mgs"), back));
  Picture want = pic;
  want.vertSize = 2;
  want.borderIndex0 = 5;
  want.borderIndex1 = 6;
  EXPECT_TRUE(SamePicture(back, want)) << "the planes stay as loaded";

  r = convert(dir, {"--png-mode", "11", dir.file("out.mgs"), dir.file("out.png")});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto png = testing::ReadPng(dir.file("out.png"));
  ASSERT_TRUE(png);
  ComposedImages images;
  ComposePicture(want, ColourTables{}, images);
  const RgbImage expected = BuildPngImage(images.composite, 5, 6, 11);
  ASSERT_EQ(png->width(), 384);
  ASSERT_EQ(png->height(), 300);
  EXPECT_TRUE(std::equal(expected.data(), expected.data() + 384 * 300, png->data()));
}

TEST(Convert, EightByOneToMgTwoWritesTheMg1Layout) {
  ScratchDir dir;
  const Outcome r = convert(dir, {TestData("zx-image/example.mg1"), dir.file("out.mg2")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadBytes(dir.file("out.mg2")), ReadBytes(TestData("zx-image/example.mg1")));
}

TEST(Convert, PngInputIsConvertedAsTheLibraryImportsIt) {
  ScratchDir dir;
  const std::string photo = TestData("photos/rocket.png");
  Outcome r = convert(dir, {"--cell-height=2", "--dither", "ordered", "--fit=border", photo, dir.file("a.mgs")});
  ASSERT_EQ(r.status, 0) << r.err;
  RgbImage image;
  ASSERT_FALSE(ReadImageFile(photo, image));
  Picture want;
  ASSERT_TRUE(ImportImage(image, {2, Dither::Ordered, 100, FitMode::Border}, want));
  EXPECT_EQ(ReadBytes(dir.file("a.mgs")), EncodeMgs(want));

  // Without options: cell height 1 as in a fresh picture, full diffusion, cover.
  ASSERT_EQ(convert(dir, {photo, dir.file("b.mgs")}).status, 0);
  ASSERT_TRUE(ImportImage(image, {1, Dither::Diffusion, 100, FitMode::Cover}, want));
  EXPECT_EQ(ReadBytes(dir.file("b.mgs")), EncodeMgs(want));

  r = convert(dir, {"--strength=50", dir.file("b.mgs"), dir.file("c.mgs")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("need an image INPUT"), std::string::npos) << r.err;
  testing::WriteBytes(dir.file("bad.png"), std::vector<uint8_t>(100, 'x'));
  r = convert(dir, {dir.file("bad.png"), dir.file("d.mgs")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(": Error file format: The file is not a PNG, JPEG, GIF or BMP image.\n"), std::string::npos) << r.err;
  std::vector<uint8_t> cut = testing::ReadBytes(TestData("images/small.jpg"));
  cut.resize(450);  // its scan begins at 303 of 750 bytes
  testing::WriteBytes(dir.file("cut.jpg"), cut);
  r = convert(dir, {dir.file("cut.jpg"), dir.file("e.mgs")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(": Error file format: The JPEG image is damaged.\n"), std::string::npos) << r.err;
}

TEST(Convert, InfoPrintsKindCellHeightBorderAndFlickerScore) {
  ScratchDir dir;
  Outcome r = convert(dir, {"--info", TestData("zx-image/example.mg2")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "kind: MG multicolour picture\ncell height: 2\nborder: 1,1\nflicker score: 24.5\n");
  r = convert(dir, {"--info", TestData("zx-image/monochrome.scr")});
  EXPECT_EQ(r.out, "kind: SCR screen\ncell height: 8\nborder: 0,0\nflicker score: 0.0\n") << "a fresh Picture's border";
  EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

TEST(Convert, BalancesFlickerAndWritesPngInTheGallerysPalette) {
  ScratchDir dir;
  const std::string img = TestData("zx-image/example.img");
  Outcome r = convert(dir, {"--balance-flicker", img, dir.file("a.mgs")});
  ASSERT_EQ(r.status, 0) << r.err;
  Picture want;
  ASSERT_FALSE(ImportScreenFile(img, false, false, want));
  const double before = FlickerScore(want);
  BalanceFlicker(want, ComputeMixTable(), WholePicture(want));
  EXPECT_EQ(ReadBytes(dir.file("a.mgs")), EncodeMgs(want));
  EXPECT_LT(FlickerScore(want), before);

  // The balanced picture still shows the gallery's own render, pixel for pixel.
  r = convert(dir, {"--palette", "pulsar", dir.file("a.mgs"), dir.file("a.png")});
  const auto png = testing::ReadPng(dir.file("a.png"));
  ASSERT_TRUE(r.status == 0 && png) << r.err;
  const auto gallery = testing::ReadPng(TestData("zx-image/expected/gigascreen-pulsar.png"));
  EXPECT_TRUE(gallery && std::equal(gallery->data(), gallery->data() + 256 * 192, png->data()));

  r = convert(dir, {"--palette=sepia", img, dir.file("b.png")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("unknown palette 'sepia'"), std::string::npos) << r.err;
}

TEST(Convert, HobetaInputsSkipTheirHeader) {
  ScratchDir dir;
  testing::WriteBytes(dir.file("in.$SCR"), WithHeader(17, 0x55, ReadBytes(TestData("zx-image/example.scr"))));
  ASSERT_EQ(convert(dir, {dir.file("in.$SCR"), dir.file("a.img")}).status, 0);
  ASSERT_EQ(convert(dir, {TestData("zx-image/example.scr"), dir.file("b.img")}).status, 0);
  EXPECT_EQ(ReadBytes(dir.file("a.img")), ReadBytes(dir.file("b.img")));
}

TEST(Convert, FileErrorsExitWithOneAndLeaveNoOutput) {
  ScratchDir dir;
  Outcome r = convert(dir, {dir.file("missing.mgs"), dir.file("out.img")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "chromasmith-convert: " + dir.file("missing.mgs") + ": File not found\n");

  testing::WriteBytes(dir.file("bad.mg4"), std::vector<uint8_t>(20000, 'x'));
  r = convert(dir, {dir.file("bad.mg4"), dir.file("out.img")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(": Error file format\n"), std::string::npos) << r.err;

  testing::WriteBytes(dir.file("short.img"), std::vector<uint8_t>(13000, 0));
  r = convert(dir, {dir.file("short.img"), dir.file("out.mgs")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(": Read beyond end of file\n"), std::string::npos) << r.err;

  r = convert(dir, {TestData("zx-image/example.img"), dir.file("bad.mg4/out.png")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(": I/O error 20: " + dir.file("bad.mg4") + " is not a folder\n"), std::string::npos)
      << r.err;
  // The output's missing folder is named, not taken for a missing input.
  r = convert(dir, {TestData("zx-image/example.img"), dir.file("nonexistent/dir/x.mgs")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(": File not found: The folder " + dir.file("nonexistent/dir") + " does not exist\n"),
            std::string::npos)
      << r.err;

  // A FIFO as OUTPUT stays a FIFO.
  ASSERT_EQ(::mkfifo(dir.file("fifo.png").c_str(), 0644), 0);
  r = convert(dir, {TestData("zx-image/example.img"), dir.file("fifo.png")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(": File access denied: It is not a regular file; nothing was written.\n"), std::string::npos)
      << r.err;
  EXPECT_TRUE(std::filesystem::is_fifo(dir.file("fifo.png")));
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"bad.mg4", "fifo.png", "short.img"}));
}

TEST(Convert, BatchConvertsEveryFileIntoTheFolderAndListsTheFailures) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "in/sub");
  std::filesystem::create_directories(dir.path() / "out");
  const Picture pic = RandomPicture(3, 2);
  ASSERT_FALSE(SaveMgsFile(dir.file("in/pic.mgs"), pic));
  std::vector<uint8_t> top = ReadBytes(TestData("zx-image/monochrome.scr"));
  top.resize(4096);
  testing::WriteBytes(dir.file("in/top.scr"), top);
  testing::WriteBytes(dir.file("in/short.img"), std::vector<uint8_t>(13000, 0));
  testing::WriteBytes(dir.file("in/sub/pic.img"), EncodeImg(pic));  // the same output name as pic.mgs
  const std::vector<std::string> files = {dir.file("in/pic.mgs"),     TestData("zx-image/example.mg4"),
                                          dir.file("in/top.scr"),     dir.file("in/short.img"),
                                          dir.file("in/sub/pic.img"), dir.file("in/pic.tga")};
  std::vector<std::string> args = {"--border=2,3", "--to", "MG1", "--output-dir", dir.file("out")};
  args.insert(args.end(), files.begin(), files.end());
  const Outcome r = convert(dir, args);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "chromasmith-convert: " + files[3] + ": Read beyond end of file\n" + "chromasmith-convert: " +
                files[4] + ": not converted, as an earlier FILE was written to " + dir.file("out/pic.MG1") +
                "\n" + "chromasmith-convert: " + files[5] + ": cannot tell its kind from its extension\n" +
                "chromasmith-convert: converted 3 of 6 files, 3 failed\n")
      << "no progress line when stderr is not a terminal";
  std::vector<std::string> outputs;
  for (const auto& e : std::filesystem::directory_iterator(dir.path() / "out"))
    outputs.push_back(e.path().filename().string());
  std::sort(outputs.begin(), outputs.end());
  EXPECT_EQ(outputs, (std::vector<std::string>{"example.MG1", "pic.MG1", "top.MG1"}));
  Picture want = pic;
  want.borderIndex0 = 2;
  want.borderIndex1 = 3;
  EXPECT_EQ(ReadBytes(dir.file("out/pic.MG1")), EncodeMg1(want)) << "each file gets the options";
}

TEST(Convert, BatchNeverReplacesAnotherFileOfTheRunAndNeedsItsFolder) {
  ScratchDir dir;
  const Picture pic = RandomPicture(4, 8);
  ASSERT_FALSE(SaveMgsFile(dir.file("a.mgs"), pic));
  testing::WriteBytes(dir.file("a.scr"), ReadBytes(TestData("zx-image/example.scr")));
  // a.scr would be written to a.mgs before a.mgs is read; a.mgs itself is
  // converted in place.
  Outcome r = convert(dir, {"--cell-height=4", "--to=.mgs", "--output-dir", dir.file(""), dir.file("a.scr"),
                            dir.file("a.mgs")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "chromasmith-convert: " + dir.file("a.scr") + ": not converted, as " + dir.file("a.mgs") +
                " is another FILE of this run\nchromasmith-convert: converted 1 of 2 files, 1 failed\n");
  Picture want = pic;
  ConvertPicture(want, 4);
  EXPECT_EQ(ReadBytes(dir.file("a.mgs")), EncodeMgs(want));

  const std::vector<std::string> before = dir.entries();
  r = convert(dir, {"--to", "png", "--output-dir", dir.file("none"), dir.file("a.mgs")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "chromasmith-convert: " + dir.file("none") + ": File not found\n");
  r = convert(dir, {"--to", "png", "--output-dir", dir.file("a.scr"), dir.file("a.mgs")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "chromasmith-convert: " + dir.file("a.scr") + ": I/O error 20\n");
  EXPECT_EQ(dir.entries(), before);
}

TEST(Convert, BatchShowsItsProgressOnATerminal) {
  ScratchDir dir;
  const Outcome r = convert(dir,
                            {"--to", "img", "--output-dir", dir.file(""), TestData("zx-image/example.mg1"),
                             TestData("zx-image/example.mg2")},
                            true);
  EXPECT_EQ(r.status, 1) << "both are written to example.img";
  EXPECT_NE(r.err.find("\rconverting 1 of 2\rconverting 2 of 2\r"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("\rchromasmith-convert: " + TestData("zx-image/example.mg2") + ": not converted"),
            std::string::npos)
      << "the progress line is cleared first: " << r.err;
}

TEST(Convert, WrongArgumentsExitWithTwoBeforeTouchingAnyFile) {
  ScratchDir dir;
  const std::string in = TestData("zx-image/example.img");
  const std::string out = dir.file("out.mgs");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {in},
           {in, out, out},
           {"--cell-height", "3", in, out},
           {"--cell-height", in, out},
           {"--png-mode", "12", in, out},
           {"--png-mode=0", in, out},
           {"--border", "8,0", in, out},
           {"--border", "1", in, out},
           {"--info", in, out},
           {"--info", "--border", "1,1", in},
           {"--frobnicate", in, out},
           {dir.file("in.tga"), out},
           {in, dir.file("out.tap")},
           {"--to", "png", in},
           {"--output-dir", dir.file(""), in},
           {"--to", "png", "--output-dir", dir.file("")},
           {"--to", "bmp", "--output-dir", dir.file(""), in},
           {"--to", "p/ng", "--output-dir", dir.file(""), in},
       }) {
    const Outcome r = convert(dir, args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
    EXPECT_NE(r.err.find("Try 'chromasmith-convert --help'."), std::string::npos) << r.err;
  }
  EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

TEST(Convert, HelpExplainsEveryOptionAndPngSize) {
  ScratchDir dir;
  const Outcome r = convert(dir, {"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* text : {"--cell-height", "--png-mode", "--border", "--info", "--to", "--output-dir",
                           ".$scr", ".mg8", "Exit status"})
    EXPECT_NE(r.out.find(text), std::string::npos) << text;
  for (int mode = 1; mode <= kPngModeCount; ++mode)
    EXPECT_NE(r.out.find(PngSizeOf(mode).caption), std::string::npos) << mode;
}

}  // namespace
}  // namespace cs
