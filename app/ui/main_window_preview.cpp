// The emulator preview: the Picture goes into the zxview folder and the
// script of its cell height is started there, detached, so the editor goes
// on at once. The script turns the picture into a snapshot and runs the
// emulator; whatever the editor can see is missing is reported with the way
// to fix it, since a detached script has no way to reach the user.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

#include "app/emulator_preview.h"
#include "app/ui/core_text.h"
#include "app/ui/main_window.h"

namespace cs {

namespace {

constexpr const char* kEmulator = "fuse";
constexpr const char* kEmulatorInstall = "sudo apt-get install fuse-emulator-gtk";

}  // namespace

void MainWindow::previewInEmulator() {
  const auto files = PreviewFilesFor(state_.picture.vertSize);
  if (!files) return;
  const QString dir = QFile::decodeName(folders_.zxviewDir.c_str());
  const QString picture = dir + "/" + files->picture;
  const QString script = dir + "/" + files->script;
  if (const FileError err = prepareZxviewFolder()) {
    showMessage(MessageKind::Error,
                tr("Unable to write to %1: %2\nMake the folder writable.").arg(dir, TrCore(err.text())));
    return;
  }
  if (const FileError err = WritePreviewPicture(folders_.zxviewDir, *files, state_.picture)) {
    showMessage(MessageKind::Error,
                tr("Unable to write to %1: %2\nMake the folder %3 writable, or run chromaSmith from a "
                   "folder you may write to.")
                    .arg(picture, TrCore(err.text()), dir));
    return;
  }
  // The folder's own bytes reach the system: a name that is not valid UTF-8
  // is shown with replacement characters but still found.
  const std::string scriptPath = folders_.zxviewDir + "/" + files->script;
  struct stat st {};
  if (::stat(scriptPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    showMessage(MessageKind::Error,
                tr("The emulator preview script %1 is missing.\nCopy the zxview folder that comes with "
                   "chromaSmith to %2.")
                    .arg(script, dir));
    return;
  }
  // The zxview folder becomes the editor's current folder too, and stays so:
  // relative names given afterwards resolve against it.
  if (::chdir(folders_.zxviewDir.c_str()) != 0) {
    showMessage(MessageKind::Error, tr("Unable to write to %1").arg(dir));
    return;
  }
  if (QStandardPaths::findExecutable(kEmulator).isEmpty()) {
    showMessage(MessageKind::Error, tr("The emulator %1 is not installed.\nInstall it with: %2")
                                        .arg(QString(kEmulator), QString(kEmulatorInstall)));
    return;
  }
  QProcess process;
  // Started from the current folder, which it inherits.
  process.setProgram(QString("./") + files->script);
  // The script finds the snapshot maker beside the program that started it.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("CHROMASMITH_BIN", programDir_);
  process.setProcessEnvironment(env);
  if (!process.startDetached())
    showMessage(MessageKind::Error, tr("The emulator preview script %1 could not be started.\n"
                                       "Make it executable with: chmod +x \"%1\"")
                                        .arg(script));
}

}  // namespace cs
