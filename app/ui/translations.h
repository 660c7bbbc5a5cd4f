// Loads the editor's translation and Qt's own (file dialogs, message box
// buttons) for the chosen language; English needs none, so every text stays
// as the program writes it.
#pragma once

#include <QString>
#include <QStringList>

#include "app/language.h"

class QCoreApplication;

namespace cs {

// Where the editor's .qm files are looked for, in order: the installed
// share/chromasmith/translations beside the program's bin folder, then the
// build's own output.
QStringList TranslationFolders(const QString& programDir);

// Installs the translators of `language` into the application; false when
// the editor's own translation was not found (the program then stays English).
bool InstallTranslations(QCoreApplication& app, Language language, const QString& programDir);

}  // namespace cs
