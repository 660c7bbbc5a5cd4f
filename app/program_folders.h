// Where the editor keeps the files it writes: its INI file and the "zxview"
// folder of the emulator preview. A portable program, run from a folder of
// its own, keeps both beside the executable. An installed program may not
// write there (and should not, even when run by root), so it keeps the INI
// file in the user's configuration folder and zxview in the user's data
// folder, filled from the copy installed in <prefix>/share/chromasmith.
#pragma once

#include <string>

#include "formats/file_error.h"

namespace cs {

inline constexpr const char* kZxviewFolderName = "zxview";

// What decides between the two: whether the program's folder is writable,
// and whether it is the bin folder of an install, with the shared data
// folder beside it.
struct ProgramDirFacts {
  bool writable = false;
  bool installedTree = false;
};

// `programDir` with or without its trailing separator.
ProgramDirFacts ProbeProgramDir(const std::string& programDir);
// <programDir>/../share/chromasmith, where an install puts the program's data.
std::string SharedDataDir(const std::string& programDir);

struct ProgramFolders {
  bool installed = false;
  std::string iniDir;        // holds chromasmith.ini
  std::string zxviewDir;     // the emulator preview's folder
  std::string zxviewSource;  // installed: the shared copy zxviewDir is filled from
};

// userConfigDir and userDataDir are the program's own folders within the
// user's configuration and data folders; they need not exist yet.
ProgramFolders ChooseProgramFolders(const std::string& programDir, const ProgramDirFacts& facts,
                                    const std::string& userConfigDir, const std::string& userDataDir);

// Creates `dir` and any missing parents.
FileError MakeFolder(const std::string& dir);

// Copies into `target` (made if missing) every file under `source` that
// `target` lacks, keeping each file's permissions, so the scripts there stay
// runnable. Files already in `target` stay as they are: the user may have
// changed them. A missing `source` leaves an empty `target`. Each file is
// copied under a temporary name and renamed, so an interrupted copy never
// leaves a partial file under the real name.
FileError FillMissingFiles(const std::string& source, const std::string& target);

}  // namespace cs
