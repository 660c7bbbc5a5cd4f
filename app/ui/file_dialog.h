// The main window's two file dialogs, OpenDialog1 and SaveDialog1. Each keeps
// its filter, the file name it offers and its starting folder between runs,
// as every file command shares them. The filter is written as
// "description|pattern" pairs, several patterns separated by ";".
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace cs {

class FileDialog : public QObject {
  Q_OBJECT
 public:
  enum class Kind { Open, Save };
  FileDialog(const QString& name, Kind kind, QWidget* owner);

  QString filter;
  // The name offered and then chosen, as the system spells it: a name that
  // is not valid UTF-8 keeps its own bytes from the open to the write.
  std::string fileName;
  QString initialDir;
  // `fileName` as the dialog shows it (replacement characters where its
  // bytes are not valid UTF-8).
  QString shownName() const;

  // Runs the dialog; on confirmation stores the chosen name in `fileName` and
  // returns true. A save dialog never asks about overwriting: its caller
  // knows the name that will really be written.
  bool execute();

  // Replaces the dialog itself, for tests: gets the dialog, returns the
  // chosen name or nothing for cancel.
  using Runner = std::function<std::optional<QString>(const FileDialog&)>;
  void setRunner(Runner runner) { runner_ = std::move(runner); }

  Kind kind() const { return kind_; }

 private:
  Kind kind_;
  QWidget* owner_;
  Runner runner_;
};

// The system's bytes for a name that a dialog returns. The dialog shows
// names that are not valid UTF-8 with replacement characters and returns
// them so: when `chosen` is how `offered` was shown, it is `offered`; when a
// file in the chosen folder is shown as `chosen`, it is that file's name.
std::string SystemFileName(const QString& chosen, const std::string& offered);

// "*.mgs|*.mgs" -> "*.mgs (*.mgs)"; pairs become separate entries.
QString QtNameFilters(const QString& filter);

}  // namespace cs
