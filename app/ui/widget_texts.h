// Every text the user can read in a tree of widgets: captions, labels,
// buttons, menu items, hints, list and combo entries. The texts are what a
// translation must cover, so the language check of the tests reads them, and
// a run with CHROMASMITH_TEXT_DUMP set writes them to that file for the
// end-to-end tests, which cannot reach into a running program otherwise.
#pragma once

#include <QString>
#include <QStringList>

class QObject;

namespace cs {

// The texts of `root` and everything under it, hidden or shown, each once.
// Each entry reads "objectName: text", so a failing check says where.
QStringList WidgetTexts(const QObject* root);

// The texts of every top-level window of the application that is shown
// (the main window, message boxes, dialogs), with the main window's menus.
QStringList ShownWindowTexts();

// With CHROMASMITH_TEXT_DUMP naming a file, writes ShownWindowTexts() to it
// a few times a second (whole files only, by rename); otherwise nothing.
void StartTextDumpIfAsked();

}  // namespace cs
