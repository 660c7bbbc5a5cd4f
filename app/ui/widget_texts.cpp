#include "app/ui/widget_texts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSaveFile>
#include <QSet>
#include <QSpinBox>
#include <QTextDocument>
#include <QTimer>

#include "app/ui/free_panel.h"

namespace cs {

namespace {

class Collector {
 public:
  void add(const QObject* where, const QString& text) {
    QString plain = text;
    if (Qt::mightBeRichText(plain)) {
      QTextDocument doc;
      doc.setHtml(plain);
      plain = doc.toPlainText();
    }
    plain = plain.trimmed();
    if (plain.isEmpty()) return;
    const QString entry = where->objectName() + ": " + plain;
    if (!seen_.contains(entry)) {
      seen_.insert(entry);
      texts_ << entry;
    }
  }

  void action(const QAction* a) {
    if (a->isSeparator()) return;
    add(a, a->text());
    if (a->toolTip() != QString(a->text()).remove('&')) add(a, a->toolTip());
    add(a, a->statusTip());
    if (a->menu()) object(a->menu());
  }

  void widget(const QWidget* w) {
    add(w, w->windowTitle());
    add(w, w->toolTip());
    add(w, w->statusTip());
    add(w, w->whatsThis());
    if (auto* l = qobject_cast<const QLabel*>(w)) add(w, l->text());
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) add(w, b->text());
    if (auto* g = qobject_cast<const QGroupBox*>(w)) add(w, g->title());
    if (auto* e = qobject_cast<const QLineEdit*>(w)) add(w, e->placeholderText());
    if (auto* m = qobject_cast<const QMenu*>(w)) add(w, m->title());
    if (auto* c = qobject_cast<const PanelCaptionStrip*>(w)) add(w, c->caption());
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) add(w, s->specialValueText());
    if (auto* s = qobject_cast<const QSpinBox*>(w)) add(w, s->prefix() + s->suffix());
    if (auto* s = qobject_cast<const QDoubleSpinBox*>(w)) add(w, s->prefix() + s->suffix());
    if (auto* c = qobject_cast<const QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) add(w, c->itemText(i));
    if (auto* l = qobject_cast<const QListWidget*>(w))
      for (int i = 0; i < l->count(); ++i) add(w, l->item(i)->text());
    for (const QAction* a : w->actions()) action(a);
  }

  void object(const QObject* o) {
    if (visited_.contains(o)) return;
    visited_.insert(o);
    if (auto* w = qobject_cast<const QWidget*>(o)) widget(w);
    if (auto* a = qobject_cast<const QAction*>(o)) action(a);
    for (const QObject* child : o->children()) object(child);
  }

  QStringList texts() const { return texts_; }

 private:
  QStringList texts_;
  QSet<QString> seen_;
  QSet<const QObject*> visited_;
};

}  // namespace

QStringList WidgetTexts(const QObject* root) {
  Collector c;
  c.object(root);
  return c.texts();
}

QStringList ShownWindowTexts() {
  Collector c;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) c.object(w);
  return c.texts();
}

void StartTextDumpIfAsked() {
  const QString path = qEnvironmentVariable("CHROMASMITH_TEXT_DUMP");
  if (path.isEmpty()) return;
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [path] {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(ShownWindowTexts().join('\n').toUtf8() + '\n');
    file.commit();
  });
  timer->start(300);
}

}  // namespace cs
