// The main window's two file dialogs, OpenDialog1 and SaveDialog1. Each keeps
// its filter, the file name it offers and its starting folder between runs,
// as every file command shares them. The filter is written as
// "description|pattern" pairs, several patterns separated by ";".
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace cs {

class FileDialog : public QObject {
  Q_OBJECT
 public:
  enum class Kind { Open, Save };
  FileDialog(const QString& name, Kind kind, QWidget* owner);

  QString filter;
  QString fileName;
  QString initialDir;

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

// "*.mgs|*.mgs" -> "*.mgs (*.mgs)"; pairs become separate entries.
QString QtNameFilters(const QString& filter);

}  // namespace cs
