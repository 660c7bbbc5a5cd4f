#include "app/ui/core_text.h"

#include <QCoreApplication>
#include <string>

namespace cs {

QString TrCore(std::string_view english) {
  const std::string text(english);
  return QCoreApplication::translate("Core", text.c_str());
}

}  // namespace cs
