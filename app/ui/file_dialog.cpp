#include "app/ui/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace cs {

FileDialog::FileDialog(const QString& name, Kind kind, QWidget* owner)
    : QObject(owner), kind_(kind), owner_(owner) {
  setObjectName(name);
}

QString QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    entries << QString("%1 (%2)").arg(parts[i], patterns);
  }
  return entries.join(";;");
}

bool FileDialog::execute() {
  std::optional<QString> chosen;
  if (runner_) {
    chosen = runner_(*this);
  } else {
    QFileDialog dialog(owner_);
    dialog.setAcceptMode(kind_ == Kind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(kind_ == Kind::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QtNameFilters(filter));
    // Qt's own dialog, so the behaviour is the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The caller adds the extension and asks about the file really written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!initialDir.isEmpty()) dialog.setDirectory(initialDir);
    if (!fileName.isEmpty()) {
      const QFileInfo info(fileName);
      if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
      dialog.selectFile(info.fileName());
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      chosen = dialog.selectedFiles().first();
  }
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}

}  // namespace cs
