// The thin layer between the formats and the file system. Formats decode from
// and encode into byte buffers; these functions move whole buffers.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/file_error.h"

namespace cs {

// Reads the first `maxBytes` bytes of the file (all of it when shorter).
// Anything but a regular file (a folder, a FIFO, a device) is refused with
// AccessDenied at once, without waiting on it.
// Loaders ask for their largest layout, so a huge file of the wrong kind is
// never read whole; bytes past the layout are ignored anyway.
FileError ReadFileHead(const std::string& name, std::size_t maxBytes, std::vector<uint8_t>& out);

// A file's bytes in storage that is not cleared before the read fills it,
// so reading a large file costs no more than the read itself.
class FileBytes {
 public:
  std::span<const uint8_t> bytes() const { return {data_.get(), size_}; }
  uint8_t* data() { return data_.get(); }
  // Keeps the first bytes, and room for `size`.
  void resize(std::size_t size);

 private:
  std::unique_ptr<uint8_t[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};
FileError ReadFileHead(const std::string& name, std::size_t maxBytes, FileBytes& out);

// Reads the whole file. A file of more than `maxBytes` bytes is refused with
// Format, never cut short, so whoever rewrites what was read loses nothing.
FileError ReadWholeFile(const std::string& name, std::size_t maxBytes, std::vector<uint8_t>& out);

// The system calls WriteFileAtomic goes through. Tests swap single calls to
// provoke a full disk, a denied folder or a failing flush; each call reports
// failure the system's way (-1 and errno).
struct FileSystemOps {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, std::size_t size);
  int (*fsync)(int fd);
  int (*rename)(const char* from, const char* to);
  // Whether the caller may access `path` (access(2) with the effective ids).
  int (*access)(const char* path, int mode);
};
const FileSystemOps& SystemFileOps();

// Replaces the file `name` with `bytes` or leaves it as it was. The bytes go
// to a new temporary file in the same folder, which is flushed to the disk and
// then renamed over the target; on any failure the temporary file is removed.
// Temporary files that earlier saves into that folder left behind when their
// process was killed are removed first; nothing else there is touched.
// A symbolic link is written through: the file it names (created if the link
// dangles) is replaced, and the link stays.
// A new file gets the usual permissions; a replaced one keeps its own. A file
// the user may not write is refused with AccessDenied and stays as it was.
FileError WriteFileAtomic(const std::string& name, std::span<const uint8_t> bytes,
                          const FileSystemOps& ops = SystemFileOps());

// The name of the file that a temporary file of WriteFileAtomic was to
// replace (".pic.mgs.chromasmith-12-ab.tmp" gives "pic.mgs"), or empty when
// `entry` is not one of ours.
std::string TemporaryFileTarget(std::string_view entry);

// Many files written in a row (the converter's batch): while a batch is
// alive, WriteFileAtomic flushes each file before its rename as always, but
// leaves the flush of the folder after the rename, and the look for stale
// temporary files, to once per folder: the folder is searched on its first
// write and flushed when the batch ends. Every file is whole or absent at any
// moment; the renames of the batch become durable together at its end. Only
// the outermost of nested batches counts.
class FolderSyncBatch {
 public:
  explicit FolderSyncBatch(const FileSystemOps& ops = SystemFileOps());
  ~FolderSyncBatch();
  FolderSyncBatch(const FolderSyncBatch&) = delete;
  FolderSyncBatch& operator=(const FolderSyncBatch&) = delete;

 private:
  const FileSystemOps& ops_;
  bool outermost_;
};

}  // namespace cs
