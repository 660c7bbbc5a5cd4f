// The Text instrument in the window: a font refused or loaded through the
// Brush panel and remembered, a key's text typed into the open text, the
// cursor, and the step the text makes when Esc closes it.
#include <QKeyEvent>
#include <QLabel>

#include "app/ui/editor_image.h"
#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "edit/text_instrument.h"
#include "gui_helpers.h"

using namespace cs;

class TestText : public QObject {
  Q_OBJECT
 private slots:
  void aLoadedFontLettersTypedKeys() {
    auto s = test::start({}, [](const QString& dir) {
      for (const int size : {768, 1000}) {
        QFile f(dir + QString("/%1.ch8").arg(size));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(size, 'U')) == size);
      }
    });
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    const QString dir = s->dir->path();
    const auto click = [](QWidget* target, QPoint p) {
      QTest::mousePress(target, Qt::LeftButton, {}, p);
      QTest::mouseRelease(target, Qt::LeftButton, {}, p);
    };
    for (const char* name : {"/1000.ch8", "/768.ch8"}) {
      w.openDialog().setRunner([&](const FileDialog&) { return std::optional<QString>(dir + name); });
      click(s->find("Key_LoadFont"), {4, 4});
    }
    QVERIFY(s->messages.size() == 1 && s->messages[0].second.startsWith("Error file format"));
    QCOMPARE(s->find<QLabel>("Label_FontName")->text(), QString("768.ch8"));

    w.state().colours = {0, 4, 1, 6, 3, 1, 1};
    click(s->find("Key_Instrument_Text"), {4, 4});
    w.state().clickGuard = false;
    click(w.editorImage(), {12 * 4, 30 * 4});
    // What the key types, as a Russian layout sends it: Zhe is not in this font, A is.
    for (const char* text : {"\xd0\xb6", "A"}) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, {}, QString::fromUtf8(text));
      QCoreApplication::sendEvent(w.windowHandle(), &press);
    }
    QCOMPARE(TextCursor(w.state()), (ImagePoint{20, 30}));
    const RubberBand shown = w.editorImage()->rubberBand(), cursor = TextCursorBand(w.state());
    QVERIFY(shown.kind == RubberBand::Kind::Line && shown.from == cursor.from && shown.to == cursor.to);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, {}, "\x1b");
    QCoreApplication::sendEvent(w.windowHandle(), &esc);
    QCOMPARE(w.editorImage()->rubberBand().kind, RubberBand::Kind::None);
    QCOMPARE(w.history()->history().name(w.history()->history().size() - 1), std::string("Text"));

    auto again = test::start(
        {}, [&](const QString& d) { QFile::copy(dir + "/chromasmith.ini", d + "/chromasmith.ini"); });
    QCOMPARE(again->find<QLabel>("Label_FontName")->text(), QString("768.ch8"));
  }
};

QTEST_MAIN(TestText)
#include "test_text.moc"
