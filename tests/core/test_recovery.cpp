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
  RecoveryStore self(folder, "1-1");
  {
    RecoveryStore running(folder, "2-2");
    ASSERT_TRUE(running.write(RandomPicture(6), "/pics/other.mgs").ok());
    auto killed = std::make_unique<RecoveryStore>(folder, "3-3");
    ASSERT_TRUE(killed->write(pic, "/pics/caf\xe9.mgs").ok());
    killed.reset();  // its process ends without a clean close: the lock goes, the copy stays
    ASSERT_TRUE(self.write(RandomPicture(7), "").ok());
    const auto orphans = self.orphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].stem, folder + "/3-3");
    // A second editor starting now finds the copy taken.
    RecoveryStore second(folder, "4-4");
    EXPECT_TRUE(second.orphans().empty());
    RecoveredPicture back;
    ASSERT_TRUE(self.read(orphans[0], back).ok());
    EXPECT_TRUE(SamePicture(back.picture, pic));
    EXPECT_EQ(back.fileName, "/pics/caf\xe9.mgs");
    self.discard(orphans[0]);
    running.close();
  }
  self.close();
  EXPECT_TRUE(dir.entries().size() == 1 && std::filesystem::is_empty(folder));
}

TEST(RecoveryStore, DamagedCopiesAreRefusedAtOnceAndMovedAsideNeverDeleted) {
  ScratchDir dir;
  const std::vector<uint8_t> good = EncodeMgs(RandomPicture(8));
  testing::WriteBytes(dir.file("empty.mgs"), {});
  testing::WriteBytes(dir.file("short.mgs"), {good.begin(), good.begin() + 1000});
  std::vector<uint8_t> damaged = good;
  damaged[100] = 'X';
  damaged[0] = 'X';
  testing::WriteBytes(dir.file("damaged.mgs"), damaged);
  ASSERT_EQ(::mkfifo(dir.file("fifo.mgs").c_str(), 0600), 0);
  std::filesystem::create_directory(dir.file("folder.mgs"));
  RecoveryStore self(dir.path().string(), "1-1");
  const auto orphans = self.orphans();
  ASSERT_EQ(orphans.size(), 5u);
  for (const RecoveryCopy& copy : orphans) {
    RecoveredPicture back;
    EXPECT_FALSE(self.read(copy, back).ok()) << copy.stem;
    const std::string aside = self.moveAside(copy);
    EXPECT_EQ(aside, copy.stem + ".mgs.bad");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(aside)));
  }
  EXPECT_TRUE(self.orphans().empty());
}

}  // namespace
}  // namespace cs
