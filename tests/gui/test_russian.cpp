// The editor in Russian: every text of the window, its panels and dialogs is
// Russian but the allowed names, and its messages are too; without the
// translation the same window has no Russian at all.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "../language_check.h"
#include "app/ui/floating_panel.h"
#include "app/ui/translations.h"
#include "app/ui/widget_texts.h"
#include "gui_helpers.h"
#include "photo/ui/import_image_dialog.h"

using namespace cs;
using cs::test::start;

namespace {

bool hasCyrillic(const QString& s) { return s.contains(QRegularExpression("[А-яЁё]")); }

// The window with every floating panel shown, and the texts of it all.
QStringList allTexts(MainWindow& w) {
  for (FloatingPanel* p : w.findChildren<FloatingPanel*>()) p->show();
  QStringList texts = WidgetTexts(&w);
  ImportImageDialog dialog(RgbImage(16, 16), ImportOptions{}, &w);
  texts << WidgetTexts(&dialog);
  return texts;
}

// The placeholders (%1 ... %9, %n) a text has, sorted.
QStringList placeholders(const QString& text) {
  QStringList found;
  // %L1 is %1 in the language's way of writing numbers.
  for (auto it = QRegularExpression("%L?[1-9n]").globalMatch(text); it.hasNext();)
    found << it.next().captured().remove('L');
  found.sort();
  found.removeDuplicates();
  return found;
}

// The entries, each on a line of its own; all of them go to the log as well,
// since a test's message is cut short.
QString listed(const QStringList& entries) {
  for (const QString& e : entries) qWarning("%s", qPrintable(e));
  return "\n  " + entries.mid(0, 10).join("\n  ");
}

}  // namespace

class TestRussian : public QObject {
  Q_OBJECT
 private slots:
  // Runs first, before the translation is installed.
  void englishHasNoRussian() {
    auto s = start();
    const QStringList texts = allTexts(s->w());
    QVERIFY(texts.size() > 200);
    QStringList russian;
    for (const QString& t : texts)
      if (hasCyrillic(t)) russian << t;
    QVERIFY2(russian.isEmpty(), qPrintable(listed(russian)));
  }

  void everyTextIsRussian() {
    QVERIFY(InstallTranslations(*qApp, Language::Russian, QString()));
    auto s = start();
    QVERIFY(cs::test::showAndWait(s->w()));
    const QStringList texts = allTexts(s->w());
    QVERIFY(texts.size() > 200);
    const QStringList bad = cs::test::EntriesNotRussian(texts);
    QVERIFY2(bad.isEmpty(), qPrintable(QString("%1 texts left in English:").arg(bad.size()) + listed(bad)));
  }

  // Every translation fills the values its English text has, each at least once.
  void translationsKeepPlaceholders() {
    QFile ts(CHROMASMITH_TESTDATA "/../../translations/chromasmith_ru.ts");
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source;
    QStringList wrong;
    int messages = 0;
    while (!xml.atEnd()) {
      xml.readNext();
      if (!xml.isStartElement()) continue;
      if (xml.name() == u"source") {
        source = xml.readElementText();
        ++messages;
      } else if (xml.name() == u"translation") {
        // The plural forms of a number's text are read together.
        const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (placeholders(translation) != placeholders(source)) wrong << source + " -> " + translation;
      }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(messages > 300);
    QVERIFY2(wrong.isEmpty(), qPrintable(listed(wrong)));
  }

  // A damaged picture and a missing one: the messages are Russian, reasons too.
  void messagesAreRussian() {
    QTemporaryDir dir;
    const QString bad = dir.path() + "/damaged.mgs";
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, '\x55'));
    f.close();
    for (const QString& name : {bad, dir.path() + "/none.mgs"}) {
      auto s = start({name});
      QCOMPARE(int(s->messages.size()), 1);
      const QString text = QString(s->messages[0].second).remove(name);
      QVERIFY2(hasCyrillic(text), qPrintable(text));
      QVERIFY2(cs::test::EnglishWords(text).isEmpty(), qPrintable(text));
    }
  }
};

QTEST_MAIN(TestRussian)
#include "test_russian.moc"
