// The Edit menu and its keys through the main window: the Select instrument's
// drag, copy and paste through the system clipboard (to the cell under the
// mouse, never when the mouse is elsewhere), delete, the transforms as undo
// steps, and the Save selection panel's Ok.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <random>

#include "app/ui/editor_image.h"
#include "app/ui/file_dialog.h"
#include "app/ui/tool_panels.h"
#include "edit/selection.h"
#include "formats/selection_dump.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::hover;
using cs::test::start;

namespace {

std::unique_ptr<test::Started> startWithPicture() {
  auto s = start();
  Picture& pic = s->w().state().picture;
  std::mt19937 rng(5);
  for (auto& b : pic.planes) b = uint8_t(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = 8;
  return s;
}

// The middle of cell (column, row) on the editor image at 8-line cells.
QPoint cell(MainWindow& w, int column, int row) {
  const int s = w.state().view.pixelScale();
  return {column * 8 * s + 4 * s, row * 8 * s + 4 * s};
}

void key(MainWindow& w, Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) { w.keyPressed(k, m); }

uint8_t pixelByte(const Picture& p, int column, int line) { return p.pixels(0)[pixelIndex(column, line)]; }

}  // namespace

class EditMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void itemsCarryTheirCaptions() {
    auto s = start();
    const QStringList captions{"Remove selection (CTRL+D or ESC)",
                               "Copy (CTRL+C)",
                               "Paste (CTRL+V)",
                               "Delete (DEL)",
                               "",
                               "Flip Horizontal",
                               "Flip Vertical",
                               "Rotate 90` cw",
                               "Rotate pixels Right (CTRL+CursorRight)",
                               "Rotate pixels Left (CTRL+CursorLeft)",
                               "Rotate pixels Up (CTRL+CursorUp)",
                               "Rotate pixels Down (CTRL+CursorDown)",
                               "",
                               "Step Backward (ALT+Z)",
                               "Step Forward (ALT+SHIFT+Z)",
                               "History (use hotkey 'Y')",
                               "",
                               "Balance flicker",
                               "Low-flicker painting",
                               "",
                               "Brush from selection"};
    QStringList shown;
    for (QAction* a : s->find<QMenu>("Edit1")->actions()) shown << a->text();
    QCOMPARE(shown, captions);
  }

  void theSelectInstrumentDragsWholeCells() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    QTest::keyClick(w.windowHandle(), Qt::Key_S);
    QTest::mousePress(w.editorImage(), Qt::LeftButton, {}, cell(w, 5, 3));
    QTest::mouseMove(w.editorImage(), cell(w, 2, 7));
    QTest::mouseRelease(w.editorImage(), Qt::LeftButton, {}, cell(w, 2, 7));
    const Selection& sel = w.state().selection;
    QVERIFY(sel.visible && !sel.dragging);
    QCOMPARE(QList<int>({sel.left, sel.top, sel.width, sel.height}), QList<int>({2, 3, 4, 5}));
  }

  void copyTakesTheCellUnderTheMouseAndPasteWritesOnlyOverThePicture() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    hover(w.editorImage(), cell(w, 4, 2));
    key(w, Qt::Key_C);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime && mime->hasFormat("ChromaSmith Selection"));
    QCOMPARE(mime->data("ChromaSmith Selection").size(), qsizetype(36913));
    QCOMPARE(w.state().selection.width, 1);
    // Over a palette the paste writes nothing but takes the copied block.
    w.TogglePalettePanel();
    key(w, Qt::Key_Escape, {});
    const Picture before = w.state().picture;
    hover(w.palettePanel(), QPoint(100, 100));
    key(w, Qt::Key_V);
    QVERIFY(w.state().picture.planes == before.planes);
    QVERIFY(w.state().selection.visible);
    w.TogglePalettePanel();
    hover(w.editorImage(), cell(w, 9, 6));
    key(w, Qt::Key_V);
    for (int line = 0; line < 8; ++line)
      QCOMPARE(pixelByte(w.state().picture, 9, 48 + line), pixelByte(before, 4, 16 + line));
    QCOMPARE(w.images().composite.at(9 * 8, 48), w.images().composite.at(4 * 8, 16));
    key(w, Qt::Key_Z);
    QVERIFY(w.state().picture.planes == before.planes);
  }

  void deleteAndTransformsAreUndoStepsOnTheSelection() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    const Picture before = w.state().picture;
    w.state().selection = {true, false, 0, 0, 2, 1, 0, 0};
    key(w, Qt::Key_Delete, {});
    QCOMPARE(pixelByte(w.state().picture, 1, 7), uint8_t(0));
    key(w, Qt::Key_Z);
    key(w, Qt::Key_Right);
    QCOMPARE(pixelByte(w.state().picture, 0, 0),
             uint8_t(pixelByte(before, 0, 0) >> 1 | pixelByte(before, 1, 0) << 7));
    s->find<QAction>("FlipVertical1")->trigger();
    QCOMPARE(pixelByte(w.state().picture, 1, 7),
             uint8_t(pixelByte(before, 1, 0) >> 1 | pixelByte(before, 0, 0) << 7));
    key(w, Qt::Key_Z);
    key(w, Qt::Key_Left);
    QVERIFY(w.state().picture.planes == before.planes);
  }

  void saveSelectionOkDumpsUnderTheNameAsChosen() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QStringList filters;
    w.saveDialog().setRunner([&](const FileDialog& d) -> std::optional<QString> {
      filters << d.filter;
      return s->dir->path() + "/sel";
    });
    QPushButton* ok = w.saveSelectionPanel()->okButton();
    s->find<QAction>("MenuSaveSelection")->trigger();
    ok->click();  // nothing selected: nothing happens
    QVERIFY(w.saveSelectionPanel()->isHidden() && filters.isEmpty());
    key(w, Qt::Key_A);
    s->find<QAction>("MenuSaveSelection")->trigger();
    QVERIFY(!w.saveSelectionPanel()->isHidden());
    ok->click();
    QVERIFY(w.saveSelectionPanel()->isHidden());
    QCOMPARE(filters, QStringList{"*.bin|*.bin"});
    QCOMPARE(QFileInfo(s->dir->path() + "/sel_pix_1.bin").size(), qint64(6144));
    QCOMPARE(QFileInfo(s->dir->path() + "/sel_attr_0.bin").size(), qint64(768));
    QVERIFY(QFileInfo::exists(s->dir->path() + "/sel_selection.ini"));
    // A second dump asks about the files it would replace, and keeps them
    // when the answer is no.
    QStringList asked;
    w.setConfirmSink([&](const QString& text) {
      asked << text;
      return false;
    });
    w.state().selection.width = 1;
    s->find<QAction>("MenuSaveSelection")->trigger();
    ok->click();
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].startsWith(s->dir->path() + "/sel_pix_0.bin"));
    QCOMPARE(QFileInfo(s->dir->path() + "/sel_pix_1.bin").size(), qint64(6144));

    // Rows chosen at cell height 1 lie outside once the picture is 8x8: the
    // user is told and neither asked for a name nor given any file.
    w.ConvertPicture(8);
    w.state().selection = {true, false, 0, 30, 4, 10, 0, 30};
    filters.clear();
    s->find<QAction>("MenuSaveSelection")->trigger();
    ok->click();
    QVERIFY(filters.isEmpty());
    QCOMPARE(s->messages.back().second, QString(kSelectionOutsideText));
  }
};

QTEST_MAIN(EditMenuTest)
#include "test_edit_menu.moc"
