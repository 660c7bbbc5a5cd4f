#include "app/ui/history_controller.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "app/ui/core_text.h"
#include "app/ui/history_panel.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "app/ui/status_bar.h"

namespace cs {

namespace {

// The recovery copy follows the last change after this pause, so a burst of
// strokes costs one write.
constexpr int kRecoveryDelayMs = 3000;

QString decode(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

std::string folderOf(std::string folder) {
  if (!folder.empty()) return folder;
  return RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

// This editor's name for its files: the process id, and the start time so
// that a later editor under the same id never takes them for its own.
std::string editorId() {
  return QString("%1-%2")
      .arg(QCoreApplication::applicationPid())
      .arg(QDateTime::currentMSecsSinceEpoch())
      .toStdString();
}

}  // namespace

HistoryController::HistoryController(MainWindow& window, std::string recoveryFolder)
    : QObject(&window),
      w_(window),
      history_(window.state().picture, tr("New 8x%1").arg(window.state().picture.cellHeight()).toStdString()),
      store_(std::make_unique<RecoveryStore>(folderOf(std::move(recoveryFolder)), editorId())) {
  writer_.setMaxThreadCount(1);  // writes and removals in the order they were asked for
  recoveryTimer_ = new QTimer(this);
  recoveryTimer_->setSingleShot(true);
  recoveryTimer_->setInterval(kRecoveryDelayMs);
  connect(recoveryTimer_, &QTimer::timeout, this, &HistoryController::writeRecovery);
  panel_ = new HistoryPanel(history_, window.tables().mix, window.workSpace());
  window.registerPanel(panel_, &WindowPositions::historyX, &WindowPositions::historyY);
  connect(panel_, &HistoryPanel::stepChosen, this, &HistoryController::jumpTo);
}

HistoryController::~HistoryController() {
  // The window goes away: whatever the answer was, no copy is left behind.
  // Only a crash or a kill, which never gets here, leaves one.
  writer_.waitForDone();
  store_->close();
}

void HistoryController::record(const QString& name) {
  if (history_.record(w_.state().picture, name.toStdString())) changed();
}

void HistoryController::markSaved() {
  history_.markClean();
  changed();
}

void HistoryController::stepBackward() {
  record(tr("Edit"));  // a change no command recorded is not lost by the step
  if (history_.current() > 0) jumpTo(history_.current() - 1);
}

void HistoryController::stepForward() { jumpTo(history_.current() + 1); }

void HistoryController::jumpTo(std::size_t step) {
  if (JumpHistory(history_, w_.state(), step)) showJump();
}

void HistoryController::showJump() {
  w_.RefreshPicture(true);
  emit w_.borderChanged();
  changed();
}

void HistoryController::togglePanel() {
  // A hidden panel does not follow the history; it catches up when shown.
  const bool show = panel_->isHidden();
  w_.showOnTop(panel_, show);
  if (show) panel_->refresh();
}

void HistoryController::AddMenuItems(QMenu* edit, MainWindow& window) {
  edit->addSeparator();
  const struct {
    const char* name;
    const char* caption;
    void (HistoryController::*run)();
  } items[] = {
      {"StepBackward1", QT_TR_NOOP("Step Backward (ALT+Z)"), &HistoryController::stepBackward},
      {"StepForward1", QT_TR_NOOP("Step Forward (ALT+SHIFT+Z)"), &HistoryController::stepForward},
      {"History1", QT_TR_NOOP("History (use hotkey 'Y')"), &HistoryController::togglePanel},
  };
  for (const auto& item : items)
    AddMenuItem(edit, item.name, tr(item.caption), &window,
                [&window, run = item.run] { (window.history()->*run)(); });
}

void HistoryController::changed() {
  if (panel_->isVisible()) panel_->refresh();
  if (!history_.clean()) {
    recoveryTimer_->start();
    return;
  }
  recoveryTimer_->stop();
  writer_.start([this] { store_->remove(); });
}

void HistoryController::writeRecovery() {
  if (history_.clean()) return;
  // The worker gets copies: the Picture may change while it writes.
  auto pic = std::make_shared<Picture>(history_.currentPicture());
  const std::string name = w_.state().currentFileName;  // the system's bytes
  writer_.start([this, pic, name] {
    const FileError err = store_->write(*pic, name);
    if (err)
      QMetaObject::invokeMethod(
          this, [this, err] { recoveryFailed(TrCore(err.text())); }, Qt::QueuedConnection);
  });
}

void HistoryController::flushRecovery() {
  if (history_.clean())
    writer_.start([this] { store_->remove(); });
  else
    writeRecovery();
  recoveryTimer_->stop();
  writer_.waitForDone();
}

void HistoryController::recoveryFailed(const QString& why) {
  if (warned_) return;
  warned_ = true;
  w_.statusBar1()->notice()->setText(
      tr("No recovery copies: %1 (%2)").arg(decode(store_->folder()), why));
}

bool HistoryController::mayClose() {
  if (closed_) return true;
  // A change whose command has not ended yet (a stroke whose button is still
  // down) counts as unsaved too.
  record(tr("Edit"));
  if (modified()) {
    const QString file = decode(w_.state().currentFileName);
    const QString text = file.isEmpty() ? tr("Save changes to the new picture?")
                                        : tr("Save changes to %1?").arg(QFileInfo(file).fileName());
    CloseAnswer answer = CloseAnswer::Cancel;
    if (closeSink_) {
      answer = closeSink_(text);
    } else {
      QMessageBox box(QMessageBox::Question, "chromaSmith", text, QMessageBox::NoButton, &w_);
      QPushButton* save = box.addButton(tr("Save"), QMessageBox::AcceptRole);
      QPushButton* discard = box.addButton(tr("Don't Save"), QMessageBox::DestructiveRole);
      box.addButton(tr("Cancel"), QMessageBox::RejectRole);
      box.setDefaultButton(save);
      box.exec();
      answer = box.clickedButton() == save      ? CloseAnswer::Save
               : box.clickedButton() == discard ? CloseAnswer::DontSave
                                                : CloseAnswer::Cancel;
    }
    if (answer == CloseAnswer::Cancel) return false;
    if (answer == CloseAnswer::Save) {
      w_.SaveMgsFile();
      if (modified()) return false;  // cancelled or failed: the window stays
    }
  }
  closed_ = true;
  recoveryTimer_->stop();
  writer_.waitForDone();
  store_->close();
  return true;
}

void HistoryController::offerRecovery() {
  QStringList damaged;
  bool restored = false;
  store_->removeTemporariesOfEndedEditors();
  for (const RecoveryCopy& copy : store_->orphans()) {
    RecoveredPicture found;
    if (const FileError err = store_->read(copy, found)) {
      const std::string aside = store_->moveAside(copy);
      damaged << QString("%1: %2").arg(decode(aside.empty() ? copy.stem + ".mgs" : aside),
                                       TrCore(err.text()));
      continue;
    }
    if (restored) continue;  // kept for a later start
    const QString when = QDateTime::fromSecsSinceEpoch(copy.modified).toString("yyyy-MM-dd hh:mm:ss");
    const QString text = tr("Restore the unsaved picture from %1?").arg(when);
    bool restore = false;
    if (restoreSink_) {
      restore = restoreSink_(text);
    } else {
      QMessageBox box(QMessageBox::Question, tr("Unsaved picture"), text, QMessageBox::NoButton, &w_);
      QPushButton* yes = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
      box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
      box.setDefaultButton(yes);
      box.exec();
      restore = box.clickedButton() == yes;
    }
    if (!restore) {
      store_->discard(copy);
      continue;
    }
    restored = true;
    w_.state().picture = found.picture;
    w_.pictureReplaced(found.fileName);
    record(tr("Restore", "the step of a restored picture"));
    history_.markChanged();
    changed();
    // This editor's own copy is on the disk before the old one goes.
    writeRecovery();
    writer_.start([this, copy] { store_->discard(copy); });
  }
  if (!damaged.isEmpty())
    w_.showMessage(MessageKind::Error,
                   tr("Damaged recovery files were moved aside:\n%1").arg(damaged.join('\n')));
}

}  // namespace cs
