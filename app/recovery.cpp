#include "app/recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "app/program_folders.h"
#include "formats/file_io.h"
#include "formats/mgs_file.h"

namespace cs {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxNameBytes = 4096;

// Opens (creating) the lock file and takes its lock without waiting; -1 when
// another process holds it or it cannot be opened.
int takeLock(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Whether the editor that holds (or held) the lock file `path` has ended:
// its lock is free, or it never took one. The lock is released at once.
bool lockIsFree(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return errno == ENOENT;
  const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return free;
}

}  // namespace

std::string RecoveryFolder(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/chromasmith";
  if (home && home[0]) return std::string(home) + "/.local/state/chromasmith";
  return {};
}

RecoveryStore::RecoveryStore(std::string folder, std::string id)
    : folder_(std::move(folder)), stem_(folder_ + "/" + id) {}

RecoveryStore::~RecoveryStore() {
  if (lockFd_ >= 0) ::close(lockFd_);
  for (int fd : heldLocks_) ::close(fd);
}

FileError RecoveryStore::open() {
  if (lockFd_ >= 0) return {};
  if (folder_.empty()) return FileError{FileErrorKind::FileNotFound};
  if (FileError err = MakeFolder(folder_)) return err;
  lockFd_ = takeLock(stem_ + ".lock");
  return lockFd_ < 0 ? FileError::fromErrno(errno ? errno : EACCES) : FileError{};
}

FileError RecoveryStore::write(const Picture& pic, const std::string& fileName) {
  if (FileError err = open()) return err;
  // The name first: a copy is never without the name it belongs to.
  const std::vector<uint8_t> name(fileName.begin(), fileName.end());
  if (FileError err = WriteFileAtomic(stem_ + ".name", name)) return err;
  return WriteFileAtomic(stem_ + ".mgs", EncodeMgs(pic));
}

void RecoveryStore::remove() {
  ::unlink((stem_ + ".mgs").c_str());
  ::unlink((stem_ + ".name").c_str());
}

void RecoveryStore::close() {
  remove();
  if (lockFd_ < 0) return;
  ::unlink((stem_ + ".lock").c_str());
  ::close(lockFd_);
  lockFd_ = -1;
}

void RecoveryStore::removeTemporariesOfEndedEditors() const {
  std::error_code ec;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    // "<id>.mgs" or "<id>.name": the lock beside it tells whether its
    // editor still runs (and may be writing it right now).
    const std::string target = TemporaryFileTarget(it->path().filename().string());
    if (target.empty()) continue;
    const std::string stem = folder_ + "/" + fs::path(target).stem().string();
    if (stem == stem_ || !lockIsFree(stem + ".lock")) continue;
    ::unlink(it->path().c_str());
  }
}

std::vector<RecoveryCopy> RecoveryStore::orphans() {
  std::vector<RecoveryCopy> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (p.extension() != ".mgs") continue;
    const std::string stem = (p.parent_path() / p.stem()).string();
    if (stem == stem_) continue;
    const int fd = takeLock(stem + ".lock");
    if (fd < 0) continue;  // its editor is still running
    heldLocks_.push_back(fd);
    struct stat st {};
    const int64_t modified = ::lstat(p.c_str(), &st) == 0 ? int64_t(st.st_mtime) : 0;
    found.push_back({stem, modified});
  }
  std::sort(found.begin(), found.end(),
            [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.modified > b.modified; });
  return found;
}

FileError RecoveryStore::read(const RecoveryCopy& copy, RecoveredPicture& out) const {
  // The loader refuses folders, FIFOs and devices without waiting on them.
  if (FileError err = LoadMgsFile(copy.stem + ".mgs", out.picture)) return err;
  std::vector<uint8_t> name;
  const FileError err = ReadWholeFile(copy.stem + ".name", kMaxNameBytes, name);
  if (err.kind == FileErrorKind::FileNotFound) return {};  // a picture that never had a name
  if (err) return err;
  if (std::find(name.begin(), name.end(), uint8_t(0)) != name.end()) return FileError{FileErrorKind::Format};
  out.fileName.assign(name.begin(), name.end());
  return {};
}

std::string RecoveryStore::moveAside(const RecoveryCopy& copy) const {
  std::string target;
  for (int n = 0; n < 1000; ++n) {
    target = copy.stem + ".mgs.bad" + (n ? std::to_string(n) : "");
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec))) continue;
    if (::rename((copy.stem + ".mgs").c_str(), target.c_str()) != 0) return {};
    ::rename((copy.stem + ".name").c_str(), (target + ".name").c_str());
    ::unlink((copy.stem + ".lock").c_str());
    return target;
  }
  return {};
}

void RecoveryStore::discard(const RecoveryCopy& copy) const {
  ::unlink((copy.stem + ".mgs").c_str());
  ::unlink((copy.stem + ".name").c_str());
  ::unlink((copy.stem + ".lock").c_str());
}

}  // namespace cs
