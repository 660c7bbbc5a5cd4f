// The Text instrument through the main window: a font loaded from the Brush
// panel and remembered, keys typed into an open text instead of running the
// key table, the text cursor, and the text's one history step.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/font_setting.h"
#include "app/ui/editor_image.h"
#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "app/ui/status_bar.h"
#include "app/window_positions.h"
#include "edit/text_instrument.h"
#include "formats/font_file.h"
#include "gui_helpers.h"

using namespace cs;

namespace {

QPoint at(MainWindow& w, int x, int y) {
  const int s = w.state().view.pixelScale();
  return {x * s + s / 2, y * s + s / 2};
}

void click(QWidget* target, QPoint p = {4, 4}) {
  QTest::mousePress(target, Qt::LeftButton, {}, p);
  QTest::mouseRelease(target, Qt::LeftButton, {}, p);
}

// A key as the window system sends it: its code and the text it types.
void key(MainWindow& w, int code, const QString& text, Qt::KeyboardModifiers m = {}) {
  QKeyEvent press(QEvent::KeyPress, code, m, text);
  QCoreApplication::sendEvent(w.windowHandle(), &press);
  QKeyEvent release(QEvent::KeyRelease, code, m, text);
  QCoreApplication::sendEvent(w.windowHandle(), &release);
}

void writeFont(const QString& path, int size) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QByteArray bytes(size, 0);
  for (int i = 0; i < size; ++i) bytes[i] = char(i * 37 + 5);
  f.write(bytes);
}

struct NoSink : PaintSink {
  void redrawCell(int, int, int) override {}
  void showPaintedPoint(const PointInfo&) override {}
};

}  // namespace

class TestText : public QObject {
  Q_OBJECT
 private slots:
  void aFontLoadedThroughThePanelLettersTypedKeys() {
    auto s = test::start({}, [](const QString& dir) {
      writeFont(dir + "/slim.ch8", 768);
      writeFont(dir + "/odd.bin", 1000);
    });
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    const QString dir = s->dir->path();
    QCOMPARE(s->find<QLabel>("Label_FontName")->text(), QString("Built-in font"));
    QString chosen = dir + "/odd.bin";
    w.openDialog().setRunner([&](const FileDialog&) { return std::optional<QString>(chosen); });
    click(s->find("Key_LoadFont"));
    QCOMPARE(s->messages.size(), size_t(1));
    QVERIFY(s->messages[0].second.startsWith("Error file format"));
    QCOMPARE(w.state().text.font.name, std::string());
    chosen = dir + "/slim.ch8";
    click(s->find("Key_LoadFont"));
    QCOMPARE(s->find<QLabel>("Label_FontName")->text(), QString("slim.ch8"));
    const std::string ini = WindowPositionsPath(w.folders().iniDir);
    QCOMPARE(ReadFontSetting(ini), (dir + "/slim.ch8").toStdString());

    w.state().colours = {0, 4, 1, 6, 3, 1, 1};
    click(s->find("Key_Instrument_Text"));
    QCOMPARE(s->find<StatusField>("Status_Instrument")->text(), QString("Text"));
    w.state().clickGuard = false;
    click(w.editorImage(), at(w, 12, 30));
    QVERIFY(w.state().text.open);
    // B and T have rules of the key table (a panel, a view); here they type.
    key(w, Qt::Key_B, "B");
    key(w, Qt::Key_T, "t", Qt::ShiftModifier);
    key(w, Qt::Key_Return, "\r");
    key(w, Qt::Key_unknown, QString::fromUtf8("\xd0\xb6"));  // Zhe, missing from this font
    key(w, Qt::Key_1, "1");
    QCOMPARE(w.state().viewMode, ViewMode::Mix);
    QCOMPARE(w.state().colours.mix, 3);
    const RubberBand shown = w.editorImage()->rubberBand(), cursor = TextCursorBand(w.state());
    QVERIFY(shown.kind == RubberBand::Kind::Line && shown.from == cursor.from && shown.to == cursor.to);
    QCOMPARE(TextCursor(w.state()), (ImagePoint{20, 38}));

    // The same text through the core alone.
    EditorState core;
    core.picture = w.history()->recordedPicture();
    core.colours = w.state().colours;
    core.curInstrument = Instrument::Text;
    QVERIFY(!LoadFontFile((dir + "/slim.ch8").toStdString(), core.text.font));
    NoSink sink;
    OpenText(core, 12, 30);
    TypeText(core, sink, U"Bt");
    TextReturn(core);
    TypeText(core, sink, U"1");
    QVERIFY(core.picture.planes == w.state().picture.planes);
    key(w, Qt::Key_Backspace, "\b");
    TextBackspace(core, sink);
    QVERIFY(core.picture.planes == w.state().picture.planes);

    // Esc closes the text with its step; one undo takes all of it back.
    const size_t steps = w.history()->history().size();
    key(w, Qt::Key_Escape, "\x1b");
    QVERIFY(!w.state().text.open);
    QCOMPARE(w.editorImage()->rubberBand().kind, RubberBand::Kind::None);
    QCOMPARE(w.history()->history().size(), steps + 1);
    QCOMPARE(w.history()->history().name(steps), std::string("Text"));
    key(w, Qt::Key_Z, "\x1a", Qt::ControlModifier);
    QVERIFY(w.state().picture.planes == core.text.before.planes);

    // Another instrument closes a text too; the opaque option reaches the state.
    s->find<QCheckBox>("Check_OpaqueText")->setChecked(true);
    QVERIFY(w.state().text.opaque);
    click(w.editorImage(), at(w, 100, 100));
    key(w, Qt::Key_A, "a");
    // A change by other means ends the text: the key then runs its rule.
    w.state().picture.setPixel(0, 255, 191, !w.state().picture.pixel(0, 255, 191));
    key(w, Qt::Key_1, "1");
    QVERIFY(!w.state().text.open);
    QCOMPARE(w.state().colours.mix, 0);
    click(w.editorImage(), at(w, 100, 100));
    key(w, Qt::Key_A, "a");
    click(s->find("Key_Instrument_Paint"));
    QVERIFY(!w.state().text.open);
    QCOMPARE(w.history()->history().name(w.history()->history().size() - 1), std::string("Text"));
  }

  void theRememberedFontIsLoadedAtStart() {
    auto s = test::start({}, [](const QString& dir) {
      writeFont(dir + "/wide.fnt", 2048);
      QVERIFY(!SaveFontSetting(WindowPositionsPath(dir.toStdString()), (dir + "/wide.fnt").toStdString()));
    });
    QCOMPARE(s->find<QLabel>("Label_FontName")->text(), QString("wide.fnt"));
    QCOMPARE(s->w().state().text.font.glyphs.size(), size_t(256));
  }
};

QTEST_MAIN(TestText)
#include "test_text.moc"
