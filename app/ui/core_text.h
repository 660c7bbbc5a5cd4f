// The editor's side of the core's texts: a text the Qt-free core made, as
// it is or composed from a marked pattern (CS_TRANSLATE_NOOP("Core", ...)
// with FormatText), is shown in the user's language through the "Core"
// context of the translation.
#pragma once

#include <QString>
#include <string_view>

namespace cs {

// Any text the core produced in this run, translated: a message as a whole,
// a composed one with its pattern translated and its values (a file name
// stays, a reason inside is translated too) put back, a FileError's text()
// line by line and its line() part by part. A text the translation does not
// know comes back as it is, in English.
QString TrCore(std::string_view english);

}  // namespace cs
