#include "app/ui/core_text.h"

#include <QCoreApplication>
#include <string>

#include "model/translatable.h"

namespace cs {

QString TrCore(std::string_view english) {
  const TextLookup lookup = [](const std::string& text) -> std::optional<std::string> {
    const QString translated = QCoreApplication::translate("Core", text.c_str());
    if (translated == QString::fromStdString(text)) return std::nullopt;
    return translated.toStdString();
  };
  return QString::fromStdString(TranslateText(english, lookup));
}

}  // namespace cs
