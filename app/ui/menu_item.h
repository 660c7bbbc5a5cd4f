// A menu item named as the tests find it (its objectName), running `handler`
// in the lifetime of `context`. Every menu of the window is built from these.
#pragma once

#include <QAction>
#include <QMenu>
#include <QString>
#include <utility>

namespace cs {

template <typename Context, typename Handler>
QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption, const Context* context,
                     Handler handler) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  QObject::connect(a, &QAction::triggered, context, std::move(handler));
  return a;
}

}  // namespace cs
