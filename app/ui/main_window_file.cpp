// The File menu's picture commands: New, Convert, the native file, the
// multicolour files and the Spectrum screens. The formats never show
// anything; their errors reach the user here.
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#include "app/ui/core_text.h"
#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "app/ui/reference_controller.h"
#include "app/ui/status_bar.h"
#include "emulator/snapshot_export.h"
#include "formats/formats.h"

namespace cs {

namespace {

constexpr const char* kMgsFilter = "*.mgs|*.mgs";
constexpr const char* kSnapshotFilter = "*.szx|*.szx|*.z80|*.z80|*.sna|*.sna";

// "Open *.mgs" offers, beside its own filter, every kind the editor reads.
QString openFilter() {
  return QString(kMgsFilter) + "|" + MainWindow::tr("All pictures") + "|" +
         QString::fromStdString(AllPicturePatterns());
}
constexpr const char* kMgFilter = "*.mg1/mg2/mg4/mg8|*.mg1;*.mg2;*.mg4;*.mg8";

}  // namespace

void MainWindow::NewPicture(int cellHeight) {
  cs::NewPicture(state_.picture, cellHeight);
  reference_->pictureNew();
  SetZoom(1);
  RefreshPicture(true);
  history_->record(tr("New 8x%1").arg(cellHeight));
}

void MainWindow::ConvertPicture(int cellHeight) {
  cs::ConvertPicture(state_.picture, cellHeight);
  SetZoom(1);
  RefreshPicture(true);
  history_->record(tr("Convert to 8x%1").arg(cellHeight));
}

bool MainWindow::reportOpenError(const FileError& error, const std::string& path, bool nameAlways) {
  if (error.ok()) return false;
  // A reason about the file itself (not a regular file, a loop of links)
  // says which file it is; a format's reason already names its kind.
  const bool name = nameAlways || (!error.reason.empty() && error.kind != FileErrorKind::Format);
  return reportFileError(name ? error.naming(QFile::decodeName(path.c_str()).toStdString()) : error);
}

bool MainWindow::reportFileError(const FileError& error) {
  if (error.ok()) return false;
  showMessage(error.kind == FileErrorKind::Format ? MessageKind::FormatError : MessageKind::Error,
              TrCore(error.text()));
  return true;
}

bool MainWindow::runOpenDialog(const QString& filter) {
  openDialog_->filter = filter;
  if (!openDialog_->execute()) return false;
  // The click that closed the dialog must not paint on the new picture.
  state_.clickGuard = true;
  return true;
}

std::optional<std::string> MainWindow::runSaveDialog(const char* filter, const char* extension) {
  saveDialog_->filter = filter;
  // The last name offered again, with this command's own extension: an
  // export to PNG never proposes the .mg8 file it was loaded from.
  if (!saveDialog_->fileName.empty())
    saveDialog_->fileName = RemoveExtension(saveDialog_->fileName) + extension;
  if (!saveDialog_->execute()) return std::nullopt;
  const std::string name = EnsureExtension(saveDialog_->fileName, extension);
  // The dialog does not ask about overwriting: the name as typed may not be
  // the file written, so the question is asked here about the file itself.
  if (!mayReplace({name})) return std::nullopt;
  return name;
}

bool MainWindow::mayReplace(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    struct stat st {};
    if (::stat(name.c_str(), &st) == 0)
      return confirm(tr("%1 already exists.\nDo you want to replace it?").arg(QFile::decodeName(name.c_str())));
  }
  return true;
}

void MainWindow::pictureReplaced(const std::string& name) {
  SetZoom(1);
  RefreshPicture(true);
  emit borderChanged();
  if (name.empty()) return;
  setFileCaption(name);
  reference_->pictureOpened(name);
  openDialog_->fileName = name;
  saveDialog_->fileName = name;
}

bool MainWindow::loadPictureFile(const std::string& path, FileError (*load)(const std::string&, Picture&),
                                 bool nameAlways) {
  if (reportOpenError(load(path, state_.picture), path, nameAlways)) return false;
  pictureReplaced(path);
  // The picture is what its file holds: nothing to save yet.
  const QString file = QFileInfo(QFile::decodeName(path.c_str())).fileName();
  history_->record((load == cs::LoadMgsFile ? tr("Open %1") : tr("Import %1")).arg(file));
  history_->markSaved();
  return true;
}

bool MainWindow::LoadMgsFile(const QString& name) {
  return loadPictureFile(QFile::encodeName(name).toStdString(), cs::LoadMgsFile);
}

bool MainWindow::LoadMgFile(const QString& name) {
  return loadPictureFile(QFile::encodeName(name).toStdString(), cs::LoadMgFile);
}

void MainWindow::openPicture() {
  openDialog_->filter = openFilter();
  if (!openDialog_->execute()) return;
  // The click that closed the dialog must not paint on the new picture.
  state_.clickGuard = true;
  openPictureFile(openDialog_->fileName);
}

bool MainWindow::openPictureFile(const std::string& path, bool nameAlways) {
  const PictureKind* kind = PictureKindOf(path);
  if (kind && kind->extension == ".mgs") return loadPictureFile(path, cs::LoadMgsFile, nameAlways);
  if (kind && kind->extension.starts_with(".mg")) return loadPictureFile(path, cs::LoadMgFile, nameAlways);
  std::string note;
  if (reportOpenError(LoadPicture(path, state_.picture, note), path, nameAlways)) return false;
  pictureReplaced({});
  history_->record(tr("Import %1").arg(QFileInfo(QFile::decodeName(path.c_str())).fileName()));
  // What the file holds that the picture cannot show; a file without such a
  // thing takes the last one's remark away.
  statusBar_->notice()->setText(TrCore(note));
  return true;
}

void MainWindow::ExportPictureKind(const PictureWriter& writer) {
  const std::string ext(writer.extension);
  const std::string filter = "*" + ext + "|*" + ext;
  const auto name = runSaveDialog(filter.c_str(), ext.c_str());
  if (name) reportFileError(WritePicture(writer, *name, state_.picture));
}

void MainWindow::ExportSnapshot() {
  saveDialog_->filter = kSnapshotFilter;
  if (!saveDialog_->fileName.empty()) saveDialog_->fileName = RemoveExtension(saveDialog_->fileName) + ".szx";
  if (!saveDialog_->execute()) return;
  // The kind the name asks for; any other name becomes an SZX file.
  std::string name = saveDialog_->fileName;
  SnapshotKind kind = SnapshotKind::Szx;
  if (!SnapshotKindOfName(name, kind)) name = EnsureExtension(name, ".szx");
  if (!mayReplace({name})) return;
  reportFileError(WriteViewerSnapshot(name, state_.picture, kind));
}

void MainWindow::SaveMgsFile() {
  const auto name = runSaveDialog(kMgsFilter, ".mgs");
  if (!name) return;
  // The caption names the file only once it has been written.
  if (reportFileError(cs::SaveMgsFile(*name, state_.picture))) return;
  setFileCaption(*name);
  reference_->pictureSaved(*name);
  history_->markSaved();
}

void MainWindow::ImportMgFile() {
  if (runOpenDialog(kMgFilter)) loadPictureFile(openDialog_->fileName, cs::LoadMgFile);
}

void MainWindow::ImportScreenFile(bool withHeader, bool singleScreen, const char* filter) {
  if (!runOpenDialog(filter)) return;
  const std::string& name = openDialog_->fileName;
  if (reportOpenError(cs::ImportScreenFile(name, withHeader, singleScreen, state_.picture), name, false))
    return;
  pictureReplaced({});
  history_->record(tr("Import %1").arg(QFileInfo(QFile::decodeName(name.c_str())).fileName()));
}

void MainWindow::ExportMgFile(const char* filter, const char* extension, bool mg1Layout) {
  const auto name = runSaveDialog(filter, extension);
  if (!name) return;
  reportFileError(mg1Layout ? WriteMg1File(*name, state_.picture) : WriteMgFile(*name, state_.picture));
}

void MainWindow::ExportImgFile() {
  const auto name = runSaveDialog("*.img|*.img", ".img");
  if (name) reportFileError(cs::ExportImgFile(*name, state_.picture));
}

void MainWindow::openCommandLineFile(const QByteArrayList& arguments) {
  if (arguments.size() != 1) {
    // An installed program's folder holds no pictures: there the dialogs
    // start in the current folder, as the desktop or the shell left it.
    if (folders_.installed) return;
    QString dir = programDir_;
    if (dir.size() > 1 && dir.endsWith('/')) dir.chop(1);
    openDialog_->initialDir = dir;
    saveDialog_->initialDir = dir;
    return;
  }
  // Any kind the editor opens, its extension in any case. The loader gets
  // the name's own bytes: decoding a name that is not valid UTF-8 would
  // change it, and the file would not be found. No dialog showed which file
  // was meant, so a failure names it; the empty picture stays.
  // An empty argument (a launcher's blank field) names no file.
  if (!arguments.front().isEmpty()) openPictureFile(arguments.front().toStdString(), true);
}

}  // namespace cs
