// The editor's history and recovery: records a step after every command that
// changes or replaces the Picture, steps and jumps through them, shows them
// in the History panel, asks before a window with unsaved changes closes,
// and keeps a recovery copy of an unsaved picture in the user's state folder
// a few seconds after the last change, written by a worker thread so no pen
// stroke waits for the disk.
#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <memory>

#include "app/recovery.h"
#include "model/history.h"

class QMenu;
class QTimer;

namespace cs {

class HistoryPanel;
class MainWindow;

// The answer to "Save changes to NAME?".
enum class CloseAnswer { Save, DontSave, Cancel };
using CloseSink = std::function<CloseAnswer(const QString& text)>;
// The answer to "Restore the unsaved picture from DATE?": true for Restore.
using RestoreSink = std::function<bool(const QString& text)>;

class HistoryController : public QObject {
  Q_OBJECT
 public:
  // `recoveryFolder` empty: the user's state folder.
  HistoryController(MainWindow& window, std::string recoveryFolder = {});
  ~HistoryController() override;

  const History& history() const { return history_; }
  HistoryPanel* panel() const { return panel_; }

  // After a command: the Picture, if it changed, becomes a step named `name`,
  // in the words the History panel shows.
  void record(const QString& name);
  // The picture as the last step recorded it: before the command running.
  const Picture& recordedPicture() const { return history_.currentPicture(); }
  // After an open or a save: the current step is what the file holds.
  void markSaved();
  // Alt+Z, Alt+Shift+Z and a click in the panel. Each takes the undo
  // snapshot first.
  void stepBackward();
  void stepForward();
  void jumpTo(std::size_t step);
  void togglePanel();
  // The history's items at the end of the Edit menu, built before the
  // history itself: they find it through the window when chosen.
  static void AddMenuItems(QMenu* edit, MainWindow& window);

  // Unsaved changes since the last open or save.
  bool modified() const { return !history_.clean(); }
  // The window is asked to close: asks about unsaved changes; false keeps
  // it open. A clean close removes the recovery copy.
  bool mayClose();
  // Offers the copies left by editors that are no longer running, newest
  // first, until one is restored; damaged ones are reported and moved aside.
  void offerRecovery();
  // Writes the recovery copy now, or removes it when nothing is unsaved;
  // waits for the worker. The timer does the same a few seconds after the
  // last change.
  void flushRecovery();

  void setCloseSink(CloseSink sink) { closeSink_ = std::move(sink); }
  void setRestoreSink(RestoreSink sink) { restoreSink_ = std::move(sink); }

 private:
  // After the history moved: the panel follows, the recovery copy is due.
  void changed();
  void writeRecovery();
  void recoveryFailed(const QString& why);
  void showJump();

  MainWindow& w_;
  History history_;
  std::unique_ptr<RecoveryStore> store_;
  QThreadPool writer_;
  QTimer* recoveryTimer_;
  HistoryPanel* panel_;
  bool warned_ = false;
  bool closed_ = false;
  CloseSink closeSink_;
  RestoreSink restoreSink_;
};

}  // namespace cs
