#include "app/ui/file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>
#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace cs {

QString FileDialog::shownName() const { return QFile::decodeName(fileName.c_str()); }

std::string SystemFileName(const QString& chosen, const std::string& offered) {
  if (!offered.empty() && chosen == QFile::decodeName(offered.c_str())) return offered;
  const std::string encoded = QFile::encodeName(chosen).toStdString();
  struct stat st {};
  if (::lstat(encoded.c_str(), &st) == 0 || !chosen.contains(QChar::ReplacementCharacter)) return encoded;
  const std::string::size_type slash = encoded.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : encoded.substr(0, slash + 1);
  const QString leaf = QFileInfo(chosen).fileName();
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return encoded;
  while (const dirent* e = ::readdir(dir.get()))
    if (QFile::decodeName(e->d_name) == leaf)
      return slash == std::string::npos ? std::string(e->d_name) : folder + e->d_name;
  return encoded;
}

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
    if (!fileName.empty()) {
      const QFileInfo info(shownName());
      if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
      dialog.selectFile(info.fileName());
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      chosen = dialog.selectedFiles().first();
  }
  if (!chosen) return false;
  fileName = SystemFileName(*chosen, fileName);
  return true;
}

}  // namespace cs
