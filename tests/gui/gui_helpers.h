// Shared set-up of the widget tests: a main window started in a private
// program directory with given arguments, its messages collected instead of
// shown, and lookups by component name.
#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "app/ui/main_window.h"

namespace cs::test {

struct Started {
  std::unique_ptr<QTemporaryDir> dir;
  std::vector<std::pair<MessageKind, QString>> messages;
  std::unique_ptr<MainWindow> window;

  MainWindow& w() { return *window; }
  template <class T = QWidget>
  T* find(const char* name) {
    T* found = window->findChild<T*>(name);
    if (!found) qWarning("no component %s", name);
    return found;
  }
};

// Starts a window; `prepare` may write files into the program directory first.
template <class Prepare>
std::unique_ptr<Started> start(QStringList arguments, Prepare prepare) {
  auto s = std::make_unique<Started>();
  s->dir = std::make_unique<QTemporaryDir>();
  prepare(s->dir->path());
  StartupOptions o;
  o.arguments.emplace();
  for (const QString& argument : arguments) o.arguments->append(QFile::encodeName(argument));
  o.programDir = s->dir->path();
  Started* raw = s.get();
  o.messages = [raw](MessageKind k, const QString& text) { raw->messages.emplace_back(k, text); };
  o.confirm = [](const QString&) { return true; };
  o.recoveryFolder = s->dir->path() + "/state";
  s->window = std::make_unique<MainWindow>(std::move(o));
  return s;
}
inline std::unique_ptr<Started> start(QStringList arguments = {}) {
  return start(std::move(arguments), [](const QString&) {});
}

// Shows the window and waits until it can be painted.
inline bool showAndWait(MainWindow& w) {
  w.show();
  return QTest::qWaitForWindowExposed(&w);
}

// Moves the mouse cursor over `p` of `w`, so whatever shows there gets a
// real move event. A cursor that does not move sends nothing, so from one
// pixel aside first if it is there already.
inline void hover(QWidget* w, QPoint p) {
  const QPoint global = w->mapToGlobal(p);
  if (QCursor::pos() == global) {
    QCursor::setPos(global + QPoint(1, 0));
    QCoreApplication::processEvents();
  }
  QCursor::setPos(global);
  QCoreApplication::processEvents();
}

}  // namespace cs::test
