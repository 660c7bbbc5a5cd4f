// Where the INI file and the zxview folder live, for a portable and for an
// installed program, and the filling of the user's zxview folder.
#include "app/program_folders.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

namespace fs = std::filesystem;

TEST(ProgramFolders, PortableKeepsEverythingBesideTheProgramInstalledUsesTheUsersFolders) {
  const std::string config = "/home/u/.config/chromasmith", data = "/home/u/.local/share/chromasmith/";
  ProgramFolders f =
      ChooseProgramFolders("/opt/cs/", {.writable = true, .installedTree = false}, config, data);
  EXPECT_FALSE(f.installed);
  EXPECT_EQ(f.iniDir, "/opt/cs");
  EXPECT_EQ(f.zxviewDir, "/opt/cs/zxview");
  EXPECT_EQ(f.zxviewSource, "");

  // Unwritable, or writable only because root runs an installed copy.
  for (const ProgramDirFacts facts :
       {ProgramDirFacts{false, false}, ProgramDirFacts{false, true}, ProgramDirFacts{true, true}}) {
    f = ChooseProgramFolders("/usr/bin", facts, config, data);
    EXPECT_TRUE(f.installed);
    EXPECT_EQ(f.iniDir, config);
    EXPECT_EQ(f.zxviewDir, "/home/u/.local/share/chromasmith/zxview");
    EXPECT_EQ(f.zxviewSource, "/usr/share/chromasmith/zxview");
  }
}

TEST(ProgramFolders, AnInstallIsRecognisedByTheSharedFolderBesideBin) {
  ScratchDir dir;
  fs::create_directories(dir.path() / "prefix/bin");
  EXPECT_FALSE(ProbeProgramDir(dir.file("prefix/bin/")).installedTree);
  EXPECT_TRUE(ProbeProgramDir(dir.file("prefix/bin")).writable);
  fs::create_directories(dir.path() / "prefix/share/chromasmith");
  EXPECT_TRUE(ProbeProgramDir(dir.file("prefix/bin/")).installedTree);
  EXPECT_EQ(SharedDataDir(dir.file("prefix/bin/")), dir.file("prefix/share/chromasmith"));
  EXPECT_FALSE(ProbeProgramDir(dir.file("missing")).writable);
}

TEST(ProgramFolders, FillingCopiesOnlyMissingFilesAndKeepsScriptsRunnable) {
  ScratchDir dir;
  const std::string source = dir.file("share/zxview"), target = dir.file("user/zxview");
  fs::create_directories(source + "/tools");
  WriteBytes(source + "/view8x1.sh", {'#', '!'});
  fs::permissions(source + "/view8x1.sh", fs::perms::owner_all);
  WriteBytes(source + "/tools/viewer.bin", {1, 2, 3});
  WriteBytes(source + "/image.mg1", {9});
  fs::create_directories(target);
  WriteBytes(target + "/image.mg1", {7, 7});  // the user's own

  ASSERT_FALSE(FillMissingFiles(source, target));
  EXPECT_EQ(ReadBytes(target + "/view8x1.sh"), (std::vector<uint8_t>{'#', '!'}));
  EXPECT_EQ(fs::status(target + "/view8x1.sh").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  EXPECT_EQ(ReadBytes(target + "/tools/viewer.bin"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(ReadBytes(target + "/image.mg1"), (std::vector<uint8_t>{7, 7}));

  // A later use brings back what went missing and adds nothing else.
  fs::remove(target + "/tools/viewer.bin");
  ASSERT_FALSE(FillMissingFiles(source, target));
  EXPECT_EQ(ReadBytes(target + "/tools/viewer.bin"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(target), fs::recursive_directory_iterator()), 4);

  ASSERT_FALSE(FillMissingFiles(dir.file("nothing-installed"), dir.file("empty/zxview")));
  EXPECT_TRUE(fs::is_empty(dir.file("empty/zxview")));
}

TEST(ProgramFolders, FillingStopsAtAFileInTheWayAndLeavesTheUsersNamesAlone) {
  ScratchDir dir;
  fs::create_directories(dir.path() / "share/zxview");
  WriteBytes(dir.file("share/zxview/view8x8.sh"), {1});
  WriteBytes(dir.file("user"), {0});  // a file where the folder should be
  EXPECT_EQ(FillMissingFiles(dir.file("share/zxview"), dir.file("user/zxview")).kind, FileErrorKind::Io);

  fs::create_directories(dir.path() / "user2/zxview/view8x8.sh");  // a folder where the script goes
  EXPECT_TRUE(FillMissingFiles(dir.file("share/zxview"), dir.file("user2/zxview")).ok());
  EXPECT_TRUE(fs::is_directory(dir.file("user2/zxview/view8x8.sh")));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("user2/zxview")), fs::directory_iterator()), 1)
      << "no temporary copy is left beside it";
}

}  // namespace
}  // namespace cs
