// The command-line tools' side of the translation. They link no Qt, so they
// read the Russian texts from a gettext catalogue (chromasmith.mo, made at
// build time from the editor's translation) through glibc: their own texts
// in the context "Tools", the core's texts in "Core", refilled from their
// patterns as the editor does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"

namespace cs {

// Where the catalogue is looked for, in order: share/locale beside the
// program's bin folder (an install), then the build's own output.
std::vector<std::string> ToolLocaleFolders(const std::string& programDir);

// Makes this run speak `language`. For Russian, gettext is told to read the
// catalogue in Russian even where the machine has no Russian locale (the
// messages' and characters' locales become the user's, else C.UTF-8); the
// numbers' locale stays "C", so printed numbers and written files are the
// same in every language. English changes nothing. False when Russian was
// asked for and no catalogue was found (the run then stays English).
bool UseToolLanguage(Language language);

// A text of the tools' own, in this run's language; the English text when
// the catalogue lacks it. The pointer lives as long as the program.
const char* TrTool(const char* english);

// A text the core made (a FileError's line() or text(), a note, a composed
// message), in this run's language.
std::string TrCoreText(std::string_view english);

}  // namespace cs
