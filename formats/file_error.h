// Errors of file operations, as values. The core never shows UI; the editor
// and the converter turn `text()` into a message box or a line on stderr.
#pragma once

#include <string>

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

  bool ok() const { return kind == FileErrorKind::None; }
  explicit operator bool() const { return !ok(); }  // true when there is an error
  std::string text() const;
  // Maps an errno value to its kind.
  static FileError fromErrno(int err);
  friend bool operator==(const FileError&, const FileError&) = default;
};

}  // namespace cs
