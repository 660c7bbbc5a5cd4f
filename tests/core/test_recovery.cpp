#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/recovery.h"
#include "formats/mgs_file.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::SamePicture;
using testing::ScratchDir;

TEST(RecoveryFolder, FollowsXdgStateHomeElseTheHomeFolder) {
  EXPECT_EQ(RecoveryFolder("/state", "/home/u"), "/state/chromasmith");
  EXPECT_EQ(RecoveryFolder("relative", "/home/u"), "/home/u/.local/state/chromasmith");
  EXPECT_EQ(RecoveryFolder(nullptr, "/home/u"), "/home/u/.local/state/chromasmith");
  EXPECT_EQ(RecoveryFolder(nullptr, nullptr), "");
}

TEST(RecoveryStore, OffersOnlyTheCopiesOfEditorsNoLongerRunningAndRestoresThemWhole) {
  ScratchDir dir;
  const std::string folder = dir.file("state/chromasmith");
  const Picture pic = RandomPicture(5, 2);
  RecoveryStore self(folder, "1-1"), running(folder, "2-2");
  ASSERT_TRUE(running.write(RandomPicture(6), "/pics/other.mgs").ok());
  // Its process ends without a clean close: the lock goes, the copy stays.
  ASSERT_TRUE(RecoveryStore(folder, "3-3").write(pic, "/pics/caf\xe9.mgs").ok());
  const auto orphans = self.orphans();
  ASSERT_EQ(orphans.size(), 1u);
  EXPECT_EQ(orphans[0].stem, folder + "/3-3");
  EXPECT_TRUE(RecoveryStore(folder, "4-4").orphans().empty());  // taken by the first to look
  RecoveredPicture back;
  ASSERT_TRUE(self.read(orphans[0], back).ok());
  EXPECT_TRUE(SamePicture(back.picture, pic));
  EXPECT_EQ(back.fileName, "/pics/caf\xe9.mgs");
  self.discard(orphans[0]);
  running.close();
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(RecoveryStore, AStartRemovesTheTemporaryFilesOfEndedEditorsOnly) {
  ScratchDir dir;
  const std::string folder = dir.file("state");
  RecoveryStore running(folder, "2-2"), ended(folder, "3-3");
  ASSERT_TRUE(running.write(RandomPicture(6), "a.mgs").ok() && ended.write(RandomPicture(7), "b.mgs").ok());
  ended.close();
  // Writes cut short by a kill: of the running editor, of one that ended
  // (its lock free), of one that never took a lock; and files not ours.
  const std::vector<std::string> kept = {".2-2.mgs.chromasmith-77-1a.tmp", ".2-2.name.chromasmith-77-2b.tmp",
                                         ".3-3.mgs.tmp", "3-3.mgs.chromasmith-88-3c.tmp"};
  const std::vector<std::string> gone = {".3-3.mgs.chromasmith-88-4d.tmp", ".5-5.name.chromasmith-99-5e.tmp"};
  for (const auto& names : {kept, gone})
    for (const std::string& name : names) testing::WriteBytes(folder + "/" + name, {1, 2, 3});
  RecoveryStore(folder, "1-1").removeTemporariesOfEndedEditors();
  for (const std::string& name : kept) EXPECT_TRUE(std::filesystem::exists(folder + "/" + name)) << name;
  for (const std::string& name : gone) EXPECT_FALSE(std::filesystem::exists(folder + "/" + name)) << name;
}

TEST(RecoveryStore, DamagedCopiesAreRefusedAtOnceAndMovedAsideNeverDeleted) {
  ScratchDir dir;
  std::vector<uint8_t> bytes = EncodeMgs(RandomPicture(8));
  testing::WriteBytes(dir.file("empty.mgs"), {});
  testing::WriteBytes(dir.file("short.mgs"), {bytes.begin(), bytes.begin() + 1000});
  bytes[0] = 'X';
  testing::WriteBytes(dir.file("damaged.mgs"), bytes);
  ASSERT_EQ(::mkfifo(dir.file("fifo.mgs").c_str(), 0600), 0);
  std::filesystem::create_directory(dir.file("folder.mgs"));
  RecoveryStore self(dir.path().string(), "1-1");
  const auto orphans = self.orphans();
  ASSERT_EQ(orphans.size(), 5u);
  for (const RecoveryCopy& copy : orphans) {
    RecoveredPicture back;
    EXPECT_FALSE(self.read(copy, back).ok()) << copy.stem;
    EXPECT_EQ(self.moveAside(copy), copy.stem + ".mgs.bad");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(copy.stem + ".mgs.bad")));
  }
  EXPECT_TRUE(self.orphans().empty());
}

}  // namespace
}  // namespace cs
