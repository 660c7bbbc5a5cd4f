// The Edit menu: the selection, the clipboard and the block transforms. The
// rules live in the core; here they meet the clipboard, the mouse cursor and
// the display.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFrame>
#include <QMimeData>
#include <QPushButton>

#include "app/ui/core_text.h"
#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "app/ui/tool_panels.h"
#include "app/ui/view_modes.h"
#include "edit/selection.h"
#include "formats/file_name.h"
#include "formats/selection_dump.h"

namespace cs {

namespace {

// How the history names a transform's step, translated where it is recorded.
const char* TransformName(Transform t) {
  switch (t) {
    case Transform::FlipHorizontal: return QT_TRANSLATE_NOOP("cs::MainWindow", "Flip Horizontal");
    case Transform::FlipVertical: return QT_TRANSLATE_NOOP("cs::MainWindow", "Flip Vertical");
    case Transform::Rotate90: return QT_TRANSLATE_NOOP("cs::MainWindow", "Rotate 90` cw");
    case Transform::RotateRight: return QT_TRANSLATE_NOOP("cs::MainWindow", "Rotate pixels Right");
    case Transform::RotateLeft: return QT_TRANSLATE_NOOP("cs::MainWindow", "Rotate pixels Left");
    case Transform::RotateUp: return QT_TRANSLATE_NOOP("cs::MainWindow", "Rotate pixels Up");
    case Transform::RotateDown: return QT_TRANSLATE_NOOP("cs::MainWindow", "Rotate pixels Down");
  }
  return QT_TRANSLATE_NOOP("cs::MainWindow", "Transform");
}

}  // namespace

bool MainWindow::mouseOverPicture() const {
  for (QWidget* w = QApplication::widgetAt(QCursor::pos()); w; w = w->parentWidget())
    if (w == editPanel_) return true;
  return false;
}

void MainWindow::removeSelection() {
  RemoveSelection(state_);
  RefreshPicture(false);
}

void MainWindow::selectAll() { SelectAll(state_); }

void MainWindow::copySelection() {
  if (CopySelection(state_, mouseOverPicture())) RefreshPicture(false);
  const auto record = SerializeSelectionBlock(state_);
  QByteArray bytes(qsizetype(kSelectionClipboardSize), '\0');
  std::copy(record.begin(), record.end(), bytes.begin());
  auto* mime = new QMimeData;
  mime->setData(kSelectionClipboardFormat, bytes);
  QApplication::clipboard()->setMimeData(mime);
}

void MainWindow::pasteSelection() {
  QByteArray held;
  if (const QMimeData* mime = QApplication::clipboard()->mimeData())
    if (mime->hasFormat(kSelectionClipboardFormat)) held = mime->data(kSelectionClipboardFormat);
  const std::span bytes(reinterpret_cast<const uint8_t*>(held.constData()), size_t(held.size()));
  if (!PasteSelection(state_, bytes, mouseOverPicture())) return;
  viewModes_->keepFlickerLow(history_->recordedPicture(), false);
  RefreshPicture(true);
  history_->record(tr("Paste"));
}

void MainWindow::deleteSelection() {
  if (!DeleteSelection(state_)) return;
  RefreshPicture(true);
  history_->record(tr("Delete"));
}

void MainWindow::transform(Transform t) {
  if (!ApplyTransform(state_, t)) return;
  RefreshPicture(true);
  history_->record(tr(TransformName(t)));
}

void MainWindow::saveSelectionOk() {
  if (!state_.selection.visible) return;
  saveSelectionPanel_->hide();
  if (!SelectionHasCells(state_.selection, state_.picture.cellHeight())) {
    showMessage(MessageKind::Error, TrCore(kSelectionOutsideText));
    return;
  }
  const int pixMode = saveSelectionPanel_->asScreen() ? kPixModeAsScreen : kPixModeLinear;
  saveDialog_->filter = "*.bin|*.bin";
  if (!saveDialog_->fileName.empty()) saveDialog_->fileName = RemoveExtension(saveDialog_->fileName) + ".bin";
  // The dump names its files from the chosen name, which gets no extension
  // and is not written itself: the question is about the files replaced.
  if (!saveDialog_->execute()) return;
  const std::string name = saveDialog_->fileName, base = RemoveExtension(name);
  if (!mayReplace({base + "_pix_0.bin", base + "_pix_1.bin", base + "_attr_0.bin", base + "_attr_1.bin"}))
    return;
  reportFileError(WriteSelectionDump(state_.picture, state_.selection, pixMode, name));
}

}  // namespace cs
