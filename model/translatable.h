// Marks a text of the Qt-free core for translation where it stands. It is
// the English text itself here; the translation tools find it by this name
// (lupdate takes it for QT_TRANSLATE_NOOP, xgettext reads its second
// argument), and the editor and the command-line tools translate the text
// when they show it.
#pragma once

#include <initializer_list>
#include <string>

#define CS_TRANSLATE_NOOP(context, text) text

namespace cs {

// The pattern with %1..%9 replaced by the arguments in order, as a
// translated pattern is filled in by the programs: the core composes its
// messages from marked patterns so that a translation can take the words
// around the values apart from the values.
std::string FormatText(const char* pattern, std::initializer_list<std::string> args);

}  // namespace cs
