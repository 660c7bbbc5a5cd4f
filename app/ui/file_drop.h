// Files dropped on the main window: a drag that brings local files of a
// picture kind the editor reads is accepted, and a drop opens the first of
// them. An event filter on the window, so the window itself needs no drag
// handlers of its own.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace cs {

class FileDropFilter : public QObject {
  Q_OBJECT
 public:
  // Sets the window to accept drops; `open` gets the first file's name.
  FileDropFilter(QWidget* window, std::function<void(const QString&)> open);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> open_;
};

}  // namespace cs
