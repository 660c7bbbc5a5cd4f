#include "formats/file_error.h"

#include <cerrno>

namespace cs {

std::string FileError::text() const {
  std::string plain = plainText();
  if (!reason.empty()) plain += "\n" + reason;
  return plain;
}

std::string FileError::plainText() const {
  switch (kind) {
    case FileErrorKind::None: return {};
    case FileErrorKind::FileNotFound: return "File not found";
    case FileErrorKind::AccessDenied: return "File access denied";
    case FileErrorKind::ReadBeyondEnd: return "Read beyond end of file";
    case FileErrorKind::DiskFull: return "Disk full";
    case FileErrorKind::Io: return "I/O error " + std::to_string(code);
    case FileErrorKind::Format: return "Error file format";
  }
  return {};
}

FileError FileError::naming(const std::string& name) const {
  FileError named = *this;
  named.reason = reason.empty() ? name : name + ": " + reason;
  return named;
}

FileError FileError::fromErrno(int err) {
  switch (err) {
    case 0: return {};
    case ENOENT: return {FileErrorKind::FileNotFound};
    case EACCES:
    case EPERM:
    case EROFS: return {FileErrorKind::AccessDenied};
    case ENOSPC:
    case EDQUOT: return {FileErrorKind::DiskFull};
    // The number alone tells a user nothing here.
    case ELOOP: return {FileErrorKind::Io, err, "Too many levels of symbolic links"};
    default: return {FileErrorKind::Io, err};
  }
}

}  // namespace cs
