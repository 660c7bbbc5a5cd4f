// What the main window is given at start: its command line, where the
// program lives, and how it reaches the user with messages and questions
// (message boxes by default; tests answer them themselves).
#pragma once

#include <QByteArrayList>
#include <QString>
#include <functional>
#include <optional>

namespace cs {

class ImportImageDialog;

// How messages reach the user: an error box by default; tests collect them.
enum class MessageKind { Error, FormatError };
using MessageSink = std::function<void(MessageKind kind, const QString& text)>;
// Asks a yes/no question (overwriting a file); true for yes.
using ConfirmSink = std::function<bool(const QString& text)>;
// Runs the "Import image..." dialog; true for OK. Tests answer it themselves.
using ImportDialogRunner = std::function<bool(ImportImageDialog& dialog)>;

struct StartupOptions {
  // The command-line arguments after the program name, as the system's 8-bit
  // names: a file name goes to the loaders byte for byte, valid UTF-8 or not.
  // By default the application's own, as Qt decoded them.
  std::optional<QByteArrayList> arguments;
  // Where the program lives; by default the executable's directory. It
  // decides where the INI file and the zxview folder are (ProgramFolders):
  // beside the program, or in the user's folders for an installed program.
  QString programDir;
  MessageSink messages;
  ConfirmSink confirm;
  // Where recovery copies go; by default the user's state folder.
  QString recoveryFolder;
};

}  // namespace cs
