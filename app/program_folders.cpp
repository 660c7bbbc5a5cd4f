#include "app/program_folders.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace cs {

namespace fs = std::filesystem;

namespace {

std::string withoutSeparator(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

FileError fromErrorCode(const std::error_code& ec) {
  return ec ? FileError::fromErrno(ec.value()) : FileError{};
}

// Copies one file beside its target name first and renames it into place.
FileError copyFile(const fs::path& from, const fs::path& to) {
  std::string hidden = ".";
  hidden += to.filename().string();
  hidden += ".part";
  const fs::path part = to.parent_path() / hidden;
  std::error_code ec;
  fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(part, to, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(part, ignored);
  }
  return fromErrorCode(ec);
}

}  // namespace

std::string SharedDataDir(const std::string& programDir) {
  return (fs::path(withoutSeparator(programDir)) / ".." / "share" / "chromasmith")
      .lexically_normal()
      .string();
}

ProgramDirFacts ProbeProgramDir(const std::string& programDir) {
  ProgramDirFacts facts;
  facts.writable = ::access(withoutSeparator(programDir).c_str(), W_OK) == 0;
  std::error_code ec;
  facts.installedTree = fs::is_directory(SharedDataDir(programDir), ec);
  return facts;
}

ProgramFolders ChooseProgramFolders(const std::string& programDir, const ProgramDirFacts& facts,
                                    const std::string& userConfigDir, const std::string& userDataDir) {
  ProgramFolders folders;
  folders.installed = !facts.writable || facts.installedTree;
  if (!folders.installed) {
    folders.iniDir = withoutSeparator(programDir);
    folders.zxviewDir = (fs::path(folders.iniDir) / kZxviewFolderName).string();
    return folders;
  }
  folders.iniDir = withoutSeparator(userConfigDir);
  folders.zxviewDir = (fs::path(withoutSeparator(userDataDir)) / kZxviewFolderName).string();
  folders.zxviewSource = (fs::path(SharedDataDir(programDir)) / kZxviewFolderName).string();
  return folders;
}

FileError MakeFolder(const std::string& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  return fromErrorCode(ec);
}

FileError FillMissingFiles(const std::string& source, const std::string& target) {
  if (FileError err = MakeFolder(target)) return err;
  std::error_code ec;
  if (!fs::is_directory(source, ec)) return {};
  fs::recursive_directory_iterator it(source, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const fs::path to = fs::path(target) / it->path().lexically_relative(source);
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      if (FileError err = MakeFolder(to.string())) return err;
    } else if (it->is_regular_file(typeError) && !fs::exists(fs::symlink_status(to, typeError))) {
      if (FileError err = copyFile(it->path(), to)) return err;
    }
  }
  return fromErrorCode(ec);
}

}  // namespace cs
