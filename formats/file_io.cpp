#include "formats/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string_view>
#include <system_error>
#include <utility>

#include "model/translatable.h"

namespace cs {

namespace {

int systemOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
int systemAccess(const char* path, int mode) { return ::faccessat(AT_FDCWD, path, mode, AT_EACCESS); }

std::string folderOf(const std::string& name) {
  const auto slash = name.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return name.substr(0, slash);
}

std::string fileNameOf(const std::string& name) {
  const auto slash = name.rfind('/');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Temporary files are ours when named ".<target>.chromasmith-<pid>-<hex>.tmp";
// that pattern alone lets a later save tell a stale one from anything else.
constexpr std::string_view kTemporaryTag = ".chromasmith-";
constexpr std::string_view kTemporaryEnd = ".tmp";
// A temporary file not written to for this long, whose process is gone, was
// left by a save that never finished.
constexpr time_t kStaleTemporarySeconds = 60;

// A hidden name beside the target that no other writer picks: the target's
// name, the process id and a random tail.
std::string temporaryNameFor(const std::string& name, unsigned salt) {
  static std::minstd_rand rng(
      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
  std::string dir = folderOf(name);
  if (dir.back() != '/') dir += '/';
  char tail[16];
  std::snprintf(tail, sizeof tail, "%x", static_cast<unsigned>(rng() ^ salt));
  // Shortened so the temporary name stays within the file-name limit.
  return dir + "." + fileNameOf(name).substr(0, 200) + std::string(kTemporaryTag) +
         std::to_string(::getpid()) + "-" + tail + std::string(kTemporaryEnd);
}

// The process that made `entry`, when it is a temporary file of ours.
std::optional<pid_t> temporaryOwner(std::string_view entry) {
  if (!entry.starts_with('.') || !entry.ends_with(kTemporaryEnd)) return std::nullopt;
  entry.remove_suffix(kTemporaryEnd.size());
  const auto tag = entry.rfind(kTemporaryTag);
  if (tag == std::string_view::npos || tag == 0) return std::nullopt;
  const std::string_view rest = entry.substr(tag + kTemporaryTag.size());
  const auto dash = rest.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::string_view hex = rest.substr(dash + 1);
  if (hex.empty() || hex.size() > 8 || hex.find_first_not_of("0123456789abcdef") != std::string_view::npos)
    return std::nullopt;
  pid_t pid = 0;
  const auto [end, err] = std::from_chars(rest.data(), rest.data() + dash, pid);
  if (err != std::errc() || end != rest.data() + dash || pid <= 0) return std::nullopt;
  return pid;
}

// Removes what saves killed midway left in `folder`: temporary files of ours,
// owned by this user, not written to for a minute, whose process has ended.
// Anything that cannot be removed stays; the save goes on regardless.
void removeStaleTemporaries(const std::string& folder) {
  DIR* d = ::opendir(folder.c_str());
  if (!d) return;
  const time_t now = ::time(nullptr);
  while (const dirent* e = ::readdir(d)) {
    const auto pid = temporaryOwner(e->d_name);
    if (!pid || *pid == ::getpid()) continue;
    struct stat st {};
    if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid() || now - st.st_mtime <= kStaleTemporarySeconds)
      continue;
    if (::kill(*pid, 0) == 0 || errno != ESRCH) continue;  // still running, or not ours to ask
    ::unlinkat(::dirfd(d), e->d_name, 0);
  }
  ::closedir(d);
}

// The file a save to `name` replaces: symbolic links are followed to the
// file they name, which need not exist yet (a dangling link names the file to
// create). A relative link is read from the link's own folder.
FileError resolveLinks(const std::string& name, std::string& path) {
  path = name;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    // Whatever stops the walk (a missing file or folder) is met again, and
    // reported, when the file is written.
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0) return FileError::fromErrno(errno);
    if (static_cast<std::size_t>(n) >= link.size()) return FileError::fromErrno(ENAMETOOLONG);
    link.resize(static_cast<std::size_t>(n));
    if (link.empty()) return FileError::fromErrno(ENOENT);
    path = link.front() == '/' ? link : folderOf(path) + "/" + link;
  }
  return FileError::fromErrno(ELOOP);
}

// The folders written to in the current batch, if one is alive.
std::set<std::string>* g_batchFolders = nullptr;

void syncFolder(const FileSystemOps& ops, const std::string& folder) {
  // A folder that cannot be flushed does not undo writes that have already
  // succeeded.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ops.fsync(dirFd);
    ::close(dirFd);
  }
}

FileError writeAll(const FileSystemOps& ops, int fd, std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ops.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FileError::fromErrno(errno);
    }
    if (n == 0) return FileError::fromErrno(ENOSPC);  // no progress: nothing more fits
    done += static_cast<std::size_t>(n);
  }
  return {};
}

// Reads the regular file `name`: its first `maxBytes` bytes, or with `whole`
// all of it, refusing a file of more than `maxBytes` bytes as not of its kind.
// `out` is a byte buffer: resize(n) keeps its first bytes and gives room for
// n, data() points at them.
template <typename Buffer>
FileError readRegularFile(const std::string& name, std::size_t maxBytes, bool whole, Buffer& out) {
  out.resize(0);
  // Without O_NONBLOCK, opening a FIFO waits for a writer that may never
  // come; anything but a regular file is refused before it is read.
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return FileError::fromErrno(errno);
  struct stat st {};
  FileError err;
  if (::fstat(fd, &st) != 0)
    err = FileError::fromErrno(errno);
  else if (!S_ISREG(st.st_mode))
    err = {FileErrorKind::AccessDenied, 0, CS_TRANSLATE_NOOP("Core", "It is not a regular file")};
  else if (whole && static_cast<std::uintmax_t>(st.st_size) > maxBytes)
    err = {FileErrorKind::Format};
  if (err) {
    ::close(fd);
    return err;
  }
  // A whole read asks for a byte more, to notice a file grown past the limit.
  const std::size_t limit = whole ? maxBytes + 1 : maxBytes;
  // Room for the file as it is now and a byte more; more as the bytes come.
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  std::size_t room = std::min(limit, size + 1);
  out.resize(room);
  std::size_t got = 0;
  while (got < limit) {
    if (got == room) out.resize(room = std::min(limit, 2 * room));
    const ssize_t n = ::read(fd, out.data() + got, room - got);
    if (n < 0) {
      const int error = errno;
      if (error == EINTR) continue;
      // O_NONBLOCK means nothing to a regular file on most file systems;
      // one that says it would wait is read the blocking way.
      const int flags = error == EAGAIN ? ::fcntl(fd, F_GETFL) : -1;
      if (flags >= 0 && (flags & O_NONBLOCK) && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) continue;
      err = FileError::fromErrno(error);
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
    // As many bytes as the file had when it was opened: the whole file as it
    // was then, so the read that would only find its end is saved. A size
    // of 0 (files the system makes as they are read) reads to the end.
    if (got == size) break;
  }
  ::close(fd);
  if (!err && whole && got > maxBytes) err = {FileErrorKind::Format};
  out.resize(err ? 0 : got);
  return err;
}

}  // namespace

const FileSystemOps& SystemFileOps() {
  static const FileSystemOps ops{systemOpen, ::write, ::fsync, ::rename, systemAccess};
  return ops;
}

FileError ReadFileHead(const std::string& name, std::size_t maxBytes, std::vector<uint8_t>& out) {
  return readRegularFile(name, maxBytes, false, out);
}

FileError ReadWholeFile(const std::string& name, std::size_t maxBytes, std::vector<uint8_t>& out) {
  return readRegularFile(name, maxBytes, true, out);
}

void FileBytes::resize(std::size_t size) {
  if (size > capacity_) {
    auto larger = std::make_unique_for_overwrite<uint8_t[]>(size);
    if (size_) std::memcpy(larger.get(), data_.get(), size_);
    data_ = std::move(larger);
    capacity_ = size;
  }
  size_ = size;
}

std::string TemporaryFileTarget(std::string_view entry) {
  if (!temporaryOwner(entry)) return {};
  return std::string(entry.substr(1, entry.rfind(kTemporaryTag) - 1));
}

FileError ReadFileHead(const std::string& name, std::size_t maxBytes, FileBytes& out) {
  return readRegularFile(name, maxBytes, false, out);
}

FileError WriteFileAtomic(const std::string& name, std::span<const uint8_t> bytes, const FileSystemOps& ops) {
  if (name.empty() || name.back() == '/') return FileError::fromErrno(EISDIR);
  // A link stays a link: the file it names is replaced, beside itself.
  std::string path;
  if (FileError err = resolveLinks(name, path)) return err;
  if (path.back() == '/') return FileError::fromErrno(EISDIR);

  // The rename would replace a file the user may not write, as it asks only
  // for the folder's permission; such a file is refused instead.
  struct stat old {};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  // A FIFO, a device or a folder is never replaced by a regular file.
  if (exists && !S_ISREG(old.st_mode))
    return {FileErrorKind::AccessDenied, 0,
            CS_TRANSLATE_NOOP("Core", "It is not a regular file; nothing was written.")};
  if (exists && ops.access(path.c_str(), W_OK) != 0 && errno != ENOENT) return FileError::fromErrno(errno);

  const std::string folder = folderOf(path);
  if (!g_batchFolders || g_batchFolders->insert(folder).second) removeStaleTemporaries(folder);
  std::string tmp;
  int fd = -1;
  for (unsigned attempt = 0; fd < 0 && attempt < 16; ++attempt) {
    tmp = temporaryNameFor(path, attempt);
    fd = ops.open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      // "File not found" alone reads as if the picture were missing: say
      // that it is the folder to write into.
      FileError err = FileError::fromErrno(errno);
      if (errno == ENOENT)
        err.reason = FormatText(CS_TRANSLATE_NOOP("Core", "The folder %1 does not exist"), {folder});
      if (errno == ENOTDIR)
        err.reason = FormatText(CS_TRANSLATE_NOOP("Core", "%1 is not a folder"), {folder});
      return err;
    }
  }
  if (fd < 0) return FileError::fromErrno(EEXIST);

  // A replaced file keeps its permissions.
  if (exists && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);

  FileError err = writeAll(ops, fd, bytes);
  if (!err && ops.fsync(fd) != 0) err = FileError::fromErrno(errno);
  if (::close(fd) != 0 && !err) err = FileError::fromErrno(errno);
  if (!err && ops.rename(tmp.c_str(), path.c_str()) != 0) err = FileError::fromErrno(errno);
  if (err) {
    ::unlink(tmp.c_str());
    return err;
  }
  // Make the rename itself durable, now or at the end of the batch.
  if (!g_batchFolders) syncFolder(ops, folder);
  return {};
}

FolderSyncBatch::FolderSyncBatch(const FileSystemOps& ops) : ops_(ops), outermost_(!g_batchFolders) {
  if (outermost_) g_batchFolders = new std::set<std::string>;
}

FolderSyncBatch::~FolderSyncBatch() {
  if (!outermost_) return;
  const std::unique_ptr<std::set<std::string>> folders(std::exchange(g_batchFolders, nullptr));
  for (const std::string& folder : *folders) syncFolder(ops_, folder);
}

}  // namespace cs
