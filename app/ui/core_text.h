// The editor's side of the core's texts: a text the Qt-free core made from a
// marked pattern (CS_TRANSLATE_NOOP("Core", ...)) is shown in the user's
// language through the "Core" context of the translation.
#pragma once

#include <QString>
#include <string_view>

namespace cs {

QString TrCore(std::string_view english);

}  // namespace cs
