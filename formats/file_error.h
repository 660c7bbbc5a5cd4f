// Errors of file operations, as values. The core never shows UI; the editor
// and the converter turn `text()` into a message box or a line on stderr.
#pragma once

#include <string>
#include <utility>

namespace cs {

enum class FileErrorKind {
  None,
  FileNotFound,   // "File not found"
  AccessDenied,   // "File access denied"
  ReadBeyondEnd,  // "Read beyond end of file": the file is shorter than its layout
  DiskFull,       // "Disk full"
  Io,             // "I/O error %d" with the system error number
  Format,         // "Error file format": the file is not of the kind it claims
};

struct FileError {
  FileErrorKind kind = FileErrorKind::None;
  int code = 0;  // system error number, for Io
  // What exactly is wrong, shown on a line of its own below the kind's text
  // ("Error file format" and why); empty for the plain message.
  std::string reason = {};

  bool ok() const { return kind == FileErrorKind::None; }
  explicit operator bool() const { return !ok(); }  // true when there is an error
  // The kind's message, with the reason below it when there is one.
  std::string text() const;
  std::string plainText() const;
  // Both on one line, for a terminal: "Error file format: why".
  std::string line() const;
  // The same error with the file's name leading its reason line, for a
  // message that would not otherwise say which file it is about.
  FileError naming(const std::string& name) const;
  // Maps an errno value to its kind.
  static FileError fromErrno(int err);
  // A file that is not what its kind needs, and why.
  static FileError format(std::string why) { return {FileErrorKind::Format, 0, std::move(why)}; }
  friend bool operator==(const FileError&, const FileError&) = default;
};

}  // namespace cs
