#include "formats/file_error.h"

#include <cerrno>

#include "model/translatable.h"

namespace cs {

std::string FileError::text() const {
  std::string plain = plainText();
  if (!reason.empty()) plain += "\n" + reason;
  return plain;
}

std::string FileError::line() const {
  return reason.empty() ? plainText() : FormatText(kTextColon, {plainText(), reason});
}

std::string FileError::plainText() const {
  switch (kind) {
    case FileErrorKind::None: return {};
    case FileErrorKind::FileNotFound: return CS_TRANSLATE_NOOP("Core", "File not found");
    case FileErrorKind::AccessDenied: return CS_TRANSLATE_NOOP("Core", "File access denied");
    case FileErrorKind::ReadBeyondEnd: return CS_TRANSLATE_NOOP("Core", "Read beyond end of file");
    case FileErrorKind::DiskFull: return CS_TRANSLATE_NOOP("Core", "Disk full");
    case FileErrorKind::Io:
      return FormatText(CS_TRANSLATE_NOOP("Core", "I/O error %1"), {std::to_string(code)});
    case FileErrorKind::Format: return CS_TRANSLATE_NOOP("Core", "Error file format");
  }
  return {};
}

FileError FileError::naming(const std::string& name) const {
  FileError named = *this;
  named.reason = reason.empty() ? name : FormatText(kTextColon, {name, reason});
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
    case ELOOP:
      return {FileErrorKind::Io, err, CS_TRANSLATE_NOOP("Core", "Too many levels of symbolic links")};
    default: return {FileErrorKind::Io, err};
  }
}

}  // namespace cs
