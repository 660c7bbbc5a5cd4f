// File-name rules shared by the save dialogs, the selection dump and the
// converter.
#pragma once

#include <string>

namespace cs {

// Appends ext (".mgs") unless the name is longer than 4 characters and already
// ends with it exactly (case-sensitive): "pic" gives "pic.mgs", "pic.mgs"
// stays, "PIC.MGS" gives "PIC.MGS.mgs".
std::string EnsureExtension(const std::string& name, const std::string& ext);

// The name without its extension: everything from the last dot of the last
// path component on is dropped; a component without a dot stays whole.
// "a.b.c" gives "a.b", "dir.x/sel" stays.
std::string RemoveExtension(const std::string& name);

// The extension of the last path component in lower case, with its dot
// (".$scr"), or empty.
std::string LowerExtension(const std::string& name);

}  // namespace cs
