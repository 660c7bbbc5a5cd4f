#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <thread>

#include "formats/formats.h"
#include "formats/ini_text.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::ReadBytes;
using testing::SamePicture;
using testing::ScratchDir;
using testing::WriteBytes;

TEST(FileError, TextsAreTheOnesUsersSee) {
  EXPECT_EQ(FileError{}.text(), "");
  EXPECT_EQ(FileError::fromErrno(ENOENT).text(), "File not found");
  EXPECT_EQ(FileError::fromErrno(EACCES).text(), "File access denied");
  EXPECT_EQ(FileError::fromErrno(EROFS).text(), "File access denied");
  EXPECT_EQ(FileError{FileErrorKind::ReadBeyondEnd}.text(), "Read beyond end of file");
  EXPECT_EQ(FileError::fromErrno(ENOSPC).text(), "Disk full");
  EXPECT_EQ(FileError::fromErrno(EIO).text(), "I/O error 5");
  EXPECT_EQ(FileError::fromErrno(ENOTDIR).text(), "I/O error 20");
  EXPECT_EQ(FileError{FileErrorKind::Format}.text(), "Error file format");
  EXPECT_FALSE(FileError::fromErrno(0));
  EXPECT_TRUE(FileError::fromErrno(EIO));
}

TEST(FileNames, EnsureExtensionAddsItUnlessTheNameEndsWithItExactly) {
  EXPECT_EQ(EnsureExtension("pic", ".mgs"), "pic.mgs");
  EXPECT_EQ(EnsureExtension("/home/u/pic.mgs", ".mgs"), "/home/u/pic.mgs");
  EXPECT_EQ(EnsureExtension("PIC.MGS", ".mgs"), "PIC.MGS.mgs") << "the comparison is case-sensitive";
  EXPECT_EQ(EnsureExtension(".mgs", ".mgs"), ".mgs.mgs") << "a bare extension is not a name";
  EXPECT_EQ(EnsureExtension("a.png", ".img"), "a.png.img");
}

TEST(FileNames, RemoveExtensionDropsOnlyTheLastComponentsExtension) {
  EXPECT_EQ(RemoveExtension("sel.bin"), "sel");
  EXPECT_EQ(RemoveExtension("sel"), "sel");
  EXPECT_EQ(RemoveExtension("a.b.c"), "a.b");
  EXPECT_EQ(RemoveExtension("/tmp/dir.x/sel"), "/tmp/dir.x/sel");
  EXPECT_EQ(RemoveExtension("/tmp/dir.x/sel.bin"), "/tmp/dir.x/sel");
  EXPECT_EQ(LowerExtension("/x.y/PIC.$SCR"), ".$scr");
  EXPECT_EQ(LowerExtension("/x.y/pic"), "");
}

TEST(ReadFileHead, ReadsAtMostTheLimitAndReportsMissingFiles) {
  ScratchDir dir;
  WriteBytes(dir.file("f"), std::vector<uint8_t>(100, 7));
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(ReadFileHead(dir.file("f"), 40, bytes));
  EXPECT_EQ(bytes.size(), 40u);
  EXPECT_FALSE(ReadFileHead(dir.file("f"), 1000, bytes));
  EXPECT_EQ(bytes.size(), 100u);
  EXPECT_EQ(ReadFileHead(dir.file("missing"), 10, bytes).kind, FileErrorKind::FileNotFound);
  EXPECT_EQ(ReadFileHead(dir.path().string(), 10, bytes).kind, FileErrorKind::AccessDenied)
      << "a folder is not a file";
}

// Runs `read`, which opens the FIFO `fifo`. A reader stuck in open() is set
// free by a writer that comes and goes after a few seconds, so a blocking
// read fails the test instead of hanging it.
template <class Read>
auto WithoutBlocking(const std::string& fifo, Read read) {
  std::promise<void> done;
  std::thread watchdog([&fifo, finished = done.get_future()] {
    if (finished.wait_for(std::chrono::seconds(3)) == std::future_status::ready) return;
    ADD_FAILURE() << "open() blocked on " << fifo;
    while (finished.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
      const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    }
  });
  auto result = read();
  done.set_value();
  watchdog.join();
  return result;
}

TEST(ReadFileHead, RefusesAFifoAtOnceInEveryReadPath) {
  ScratchDir dir;
  const std::string fifo = dir.file("pic.mgs");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  std::vector<uint8_t> bytes;
  const std::string refused = "File access denied\nIt is not a regular file";
  EXPECT_EQ(WithoutBlocking(fifo, [&] { return ReadFileHead(fifo, 10, bytes); }).text(), refused);
  Picture pic = RandomPicture(3);
  const Picture before = pic;
  EXPECT_EQ(WithoutBlocking(fifo, [&] { return LoadMgsFile(fifo, pic); }).text(), refused);
  EXPECT_TRUE(SamePicture(pic, before));
  std::string ini;
  EXPECT_EQ(WithoutBlocking(fifo, [&] { return ReadIniText(fifo, ini); }).text(), refused);
  RgbImage image;
  EXPECT_EQ(WithoutBlocking(fifo, [&] { return ReadImageFile(fifo, image); }).text(), refused);
}

// --- atomic writes --------------------------------------------------------

// Injected system calls. Plain functions, so their state lives here.
int gWriteCalls = 0;

ssize_t writeSomeThenDiskFull(int fd, const void* data, std::size_t size) {
  if (gWriteCalls++ == 0) return ::write(fd, data, std::min<std::size_t>(size, 1000));
  errno = ENOSPC;
  return -1;
}
int openDenied(const char*, int, mode_t) {
  errno = EACCES;
  return -1;
}
int fsyncFails(int) {
  errno = EIO;
  return -1;
}
int renameFails(const char*, const char*) {
  errno = EXDEV;
  return -1;
}
// What was flushed: the folder's path, or "a file" for the temporary files.
std::vector<std::string> gFlushed;
int fsyncRecorded(int fd) {
  std::error_code ec;
  const std::string path = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string();
  gFlushed.push_back(path.ends_with(".tmp") ? "a file" : path);
  return ::fsync(fd);
}
// Write access by the mode bits alone, as for anyone but root.
int accessByModeBits(const char* path, int mode) {
  struct stat st {};
  if (::stat(path, &st) != 0) return -1;
  if ((mode & W_OK) && !(st.st_mode & S_IWUSR)) {
    errno = EACCES;
    return -1;
  }
  return 0;
}

class AtomicWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    gWriteCalls = 0;
    WriteBytes(target, earlier);
  }
  // The earlier file is untouched and nothing else is left in the folder.
  void expectEarlierFileAlone() {
    EXPECT_EQ(ReadBytes(target), earlier);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"pic.mgs"});
  }

  ScratchDir dir;
  const std::string target = dir.file("pic.mgs");
  const std::vector<uint8_t> earlier = std::vector<uint8_t>(500, 0xAA);
  const std::vector<uint8_t> replacement = std::vector<uint8_t>(5000, 0x55);
};

TEST_F(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryFile) {
  ::chmod(target.c_str(), 0640);
  EXPECT_FALSE(WriteFileAtomic(target, replacement));
  EXPECT_EQ(ReadBytes(target), replacement);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"pic.mgs"});
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";
}

TEST_F(AtomicWrite, FullDiskMidwayKeepsTheEarlierFile) {
  FileSystemOps ops = SystemFileOps();
  ops.write = writeSomeThenDiskFull;
  EXPECT_EQ(WriteFileAtomic(target, replacement, ops).text(), "Disk full");
  EXPECT_EQ(gWriteCalls, 2) << "the first part was really written";
  expectEarlierFileAlone();
}

TEST_F(AtomicWrite, FailingFlushOrRenameKeepsTheEarlierFile) {
  FileSystemOps ops = SystemFileOps();
  ops.fsync = fsyncFails;
  EXPECT_EQ(WriteFileAtomic(target, replacement, ops).text(), "I/O error 5");
  expectEarlierFileAlone();
  ops = SystemFileOps();
  ops.rename = renameFails;
  EXPECT_EQ(WriteFileAtomic(target, replacement, ops).text(), "I/O error 18");
  expectEarlierFileAlone();
}

TEST_F(AtomicWrite, ABatchFlushesEveryFileButItsFolderOnceAtTheEnd) {
  FileSystemOps ops = SystemFileOps();
  ops.fsync = fsyncRecorded;
  const std::string folder = std::filesystem::canonical(dir.path()).string();
  gFlushed.clear();
  ASSERT_FALSE(WriteFileAtomic(target, replacement, ops));
  EXPECT_EQ(gFlushed, (std::vector<std::string>{"a file", folder}));
  gFlushed.clear();
  {
    FolderSyncBatch batch(ops);
    { FolderSyncBatch nested(ops); }
    for (const char* name : {"a.img", "b.img", "pic.mgs"})
      ASSERT_FALSE(WriteFileAtomic(dir.file(name), earlier, ops));
    EXPECT_EQ(gFlushed, std::vector<std::string>(3, "a file")) << "the nested batch's end changes nothing";
  }
  EXPECT_EQ(gFlushed, (std::vector<std::string>{"a file", "a file", "a file", folder}));
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"a.img", "b.img", "pic.mgs"}));
  EXPECT_EQ(ReadBytes(target), earlier);
}

TEST_F(AtomicWrite, DeniedFolderKeepsTheEarlierFile) {
  FileSystemOps ops = SystemFileOps();
  ops.open = openDenied;
  EXPECT_EQ(WriteFileAtomic(target, replacement, ops).text(), "File access denied");
  expectEarlierFileAlone();
}

TEST_F(AtomicWrite, WriteProtectedFileIsRefusedAndKept) {
  ::chmod(target.c_str(), 0444);
  FileSystemOps ops = SystemFileOps();
  if (::geteuid() == 0) ops.access = accessByModeBits;  // root may write anything
  EXPECT_EQ(WriteFileAtomic(target, replacement, ops).text(), "File access denied");
  expectEarlierFileAlone();
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST_F(AtomicWrite, SymlinksAreWrittenThroughAndStayLinks) {
  ScratchDir links;
  const std::string link = links.file("link.mgs");
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  EXPECT_FALSE(WriteFileAtomic(link, replacement));
  EXPECT_EQ(ReadBytes(target), replacement);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(links.entries(), std::vector<std::string>{"link.mgs"});
  // A dangling relative link names a file beside it, which is created.
  const std::string dangling = dir.file("dangling.mgs");
  ASSERT_EQ(::symlink("new.mgs", dangling.c_str()), 0);
  EXPECT_FALSE(WriteFileAtomic(dangling, replacement));
  EXPECT_EQ(ReadBytes(dir.file("new.mgs")), replacement);
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
}

TEST_F(AtomicWrite, TargetsThatAreNoRegularFileAreRefusedAndKept) {
  // A FIFO directly and through a link, a device through a link, a folder:
  // each stays what it was, and nothing is left beside it.
  const std::string fifo = dir.file("fifo.png");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  ScratchDir links;
  ASSERT_EQ(::symlink(fifo.c_str(), links.file("to-fifo.png").c_str()), 0);
  ASSERT_EQ(::symlink("/dev/null", links.file("to-null.png").c_str()), 0);
  std::filesystem::create_directory(dir.file("folder.png"));
  for (const std::string& name : {fifo, links.file("to-fifo.png"), links.file("to-null.png"), dir.file("folder.png")}) {
    const FileError err = WriteFileAtomic(name, replacement);
    EXPECT_EQ(err.kind, FileErrorKind::AccessDenied) << name;
    EXPECT_NE(err.text().find("not a regular file"), std::string::npos) << err.text();
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"fifo.png", "folder.png", "pic.mgs"}));
  EXPECT_EQ(links.entries(), (std::vector<std::string>{"to-fifo.png", "to-null.png"}));
}

TEST_F(AtomicWrite, ASaveClearsTheFolderOfStaleTemporariesOfOursOnly) {
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ::waitpid(ended, nullptr, 0);
  const auto ours = [](const char* file, pid_t pid) {
    return std::string(".") + file + ".chromasmith-" + std::to_string(pid) + "-5eed.tmp";
  };
  const auto put = [&](const std::string& name, int ageSeconds) {
    WriteBytes(dir.file(name), {1, 2, 3});
    const timespec then{::time(nullptr) - ageSeconds, 0};
    const timespec times[2] = {then, then};
    ::utimensat(AT_FDCWD, dir.file(name).c_str(), times, 0);
  };
  put(ours("old.mgs", ended), 120);  // the only one to go
  std::vector<std::string> kept = {ours("new.mgs", ended), ours("old.mgs", ::getpid()),
                                   ".old.mgs." + std::to_string(ended) + ".5eed.tmp", "notes.tmp"};
  put(kept[0], 5);  // its writer may have just ended
  for (std::size_t i = 1; i < kept.size(); ++i) put(kept[i], 120);
  EXPECT_FALSE(WriteFileAtomic(target, replacement));
  kept.push_back("pic.mgs");
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(dir.entries(), kept);
}

TEST_F(AtomicWrite, ReadOnlyFolderRefusesTheSave) {
  // Root ignores folder permissions, as in CI; there the injected denial
  // above stands in for it.
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_EQ(SaveMgsFile(target, Picture{}).text(), "File access denied");
  ::chmod(dir.path().c_str(), 0755);
  expectEarlierFileAlone();
}

TEST_F(AtomicWrite, FolderThatIsAFileRefusesEverySave) {
  const std::string inside = target + "/pic.mgs";
  const std::string notAFolder = "I/O error 20\n" + target + " is not a folder";
  EXPECT_EQ(SaveMgsFile(inside, Picture{}).text(), notAFolder);
  EXPECT_EQ(WriteMgFile(inside, Picture{}).text(), notAFolder);
  EXPECT_EQ(ExportImgFile(inside, Picture{}).text(), notAFolder);
  EXPECT_EQ(WritePngFile(inside, RgbImage(4, 4)).text(), notAFolder);
  EXPECT_EQ(SaveMgsFile(dir.file("no/such/folder/pic.mgs"), Picture{}).text(),
            "File not found\nThe folder " + dir.file("no/such/folder") + " does not exist");
  expectEarlierFileAlone();
}

TEST(IniText, ReplacesKeysInPlaceAndKeepsEverythingElse) {
  const std::string before =
      "; notes\n[other]\nx=9\n\n[chromaSmithSelection]\nY=5\ncomment=keep\n\n[last]\na=1\n";
  EXPECT_EQ(SetIniKeys(before, "chromasmithselection", {{"x", "1"}, {"y", "2"}}),
            "; notes\n[other]\nx=9\n\n[chromaSmithSelection]\ny=2\ncomment=keep\nx=1\n\n[last]\na=1\n");
}

TEST(IniText, AddsAMissingSectionAtTheEndInTheFilesLineEndings) {
  EXPECT_EQ(SetIniKeys("", "s", {{"a", "1"}, {"b", "as screen"}}), "[s]\na=1\nb=as screen\n");
  EXPECT_EQ(SetIniKeys("[t]\r\nk=v", "s", {{"a", "1"}}), "[t]\r\nk=v\r\n\r\n[s]\r\na=1\r\n");
}

}  // namespace
}  // namespace cs
