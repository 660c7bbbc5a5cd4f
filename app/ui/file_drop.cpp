#include "app/ui/file_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "formats/picture_kinds.h"

namespace cs {

namespace {

// The first local file the drag brings, if it is of a kind the editor reads.
QString firstPictureFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) continue;
    const QString file = url.toLocalFile();
    return PictureKindOf(QFile::encodeName(file).toStdString()) ? file : QString();
  }
  return {};
}

}  // namespace

FileDropFilter::FileDropFilter(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), open_(std::move(open)) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (firstPictureFile(drag->mimeData()).isEmpty()) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString file = firstPictureFile(drop->mimeData());
      if (file.isEmpty()) return false;
      drop->acceptProposedAction();
      open_(file);
      return true;
    }
    default: return false;
  }
}

}  // namespace cs
