// Marks a text of the Qt-free core for translation where it stands. It is
// the English text itself here; the translation tools find it by this name
// (lupdate takes it for QT_TRANSLATE_NOOP, xgettext reads its second
// argument), and the editor and the command-line tools translate the text
// when they show it.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#define CS_TRANSLATE_NOOP(context, text) text

namespace cs {

// The pattern with %1..%9 replaced by the arguments in order, as a
// translated pattern is filled in by the programs: the core composes its
// messages from marked patterns so that a translation can take the words
// around the values apart from the values. A %N without its argument stays
// as written. Every pattern used is remembered for TranslateText.
std::string FormatText(const char* pattern, std::initializer_list<std::string> args);

// A text and what it is about, "name: reason"; the translation reads both
// parts of such a text on their own.
inline constexpr const char* kTextColon = "%1: %2";

// The patterns FormatText has composed texts from in this run.
std::vector<std::string> ComposedPatterns();

// The translation of one English text or pattern, nullopt when there is none.
using TextLookup = std::function<std::optional<std::string>(const std::string& english)>;

// A text the core made, in the language `lookup` speaks: a text translated
// as a whole, else one composed from a pattern (the translated pattern filled
// with the values, each translated in turn, so a reason inside a message is
// translated too), else each of its lines. What is not found stays English.
std::string TranslateText(std::string_view english, const TextLookup& lookup,
                          const std::vector<std::string>& patterns);
std::string TranslateText(std::string_view english, const TextLookup& lookup);

}  // namespace cs
