#include "app/ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace cs {

QStringList TranslationFolders(const QString& programDir) {
  QStringList folders{QDir(programDir).filePath("../share/chromasmith/translations")};
#ifdef CHROMASMITH_BUILD_TRANSLATIONS
  folders << QStringLiteral(CHROMASMITH_BUILD_TRANSLATIONS);
#endif
  return folders;
}

bool InstallTranslations(QCoreApplication& app, Language language, const QString& programDir) {
  if (language != Language::Russian) return true;
  // Numbers and dates follow the language too (decimal comma in the fields).
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  auto* qt = new QTranslator(&app);
  if (qt->load(QLocale(QLocale::Russian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  auto* own = new QTranslator(&app);
  for (const QString& folder : TranslationFolders(programDir)) {
    if (own->load("chromasmith_ru", folder)) {
      QCoreApplication::installTranslator(own);
      return true;
    }
  }
  return false;
}

}  // namespace cs
