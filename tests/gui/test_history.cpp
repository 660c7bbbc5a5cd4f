// The history through the main window: the commands' steps and names, Alt+Z
// and Alt+Shift+Z beside the one-level Ctrl+Z, the History panel, the
// question before closing, and the recovery copy offered at the next start.
#include <QAction>
#include <QListView>
#include <QMenu>
#include <sys/stat.h>

#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "app/ui/history_panel.h"
#include "formats/mgs_file.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

QStringList stepNames(MainWindow& w) {
  QStringList names;
  HistoryModel* m = w.history()->panel()->model();
  m->reload();
  for (int row = 0; row < m->rowCount(); ++row) names << m->data(m->index(row, 0), Qt::DisplayRole).toString();
  return names;
}

void stroke(MainWindow& w, QPoint from, QPoint to) {
  w.editorMousePress(Qt::LeftButton, {}, from);
  w.editorMouseMove(Qt::LeftButton, {}, to);
  w.editorMouseRelease();
}

bool same(const Picture& a, const Picture& b) {
  return a.planes == b.planes && a.vertSize == b.vertSize && a.borderIndex0 == b.borderIndex0 &&
         a.borderIndex1 == b.borderIndex1;
}

}  // namespace

class HistoryTest : public QObject {
  Q_OBJECT
 private slots:
  void commandsRecordNamedStepsThatAltZWalks() {
    auto s = start();
    MainWindow& w = s->w();
    w.SelectMix(3);
    stroke(w, {40, 40}, {48, 40});
    const Picture painted = w.state().picture;
    w.selectAll();
    w.transform(Transform::FlipHorizontal);
    const Picture flipped = w.state().picture;
    w.NewPicture(4);
    QCOMPARE(stepNames(w), QStringList({"New 8x4", "Flip Horizontal", "Pen", "New 8x1"}));
    w.keyPressed(Qt::Key_Z, Qt::AltModifier);
    QVERIFY(same(w.state().picture, flipped));
    // Ctrl+Z right after the jump returns to where the user was, as a step
    // that drops the steps ahead.
    w.keyPressed(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.state().picture.planes, Picture{}.planes);
    QCOMPARE(stepNames(w), QStringList({"Undo", "Flip Horizontal", "Pen", "New 8x1"}));
    w.keyPressed(Qt::Key_Z, Qt::AltModifier);
    w.keyPressed(Qt::Key_Z, Qt::AltModifier);
    QVERIFY(same(w.state().picture, painted));
    w.keyPressed(Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(same(w.state().picture, flipped));
  }

  void thePanelTogglesOnYAndAClickJumps() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    w.SelectMix(3);
    for (int i = 0; i < 30; ++i) stroke(w, {8 * i + 4, 40}, {8 * i + 4, 40});
    auto* panel = s->find<HistoryPanel>("Panel_History");
    QVERIFY(panel->isHidden());
    w.keyPressed(Qt::Key_Y, {});
    QVERIFY(panel->isVisible());
    QListView* list = panel->list();
    QCOMPARE(list->currentIndex().row(), 0);
    const QModelIndex third = list->model()->index(2, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(third).center());
    QCOMPARE(w.history()->history().current(), 28u);
    QCOMPARE(list->currentIndex().row(), 2);
    w.keyPressed(Qt::Key_Y, {});
    QVERIFY(panel->isHidden());
  }

  void closingWithChangesAsksAndCancelOrAFailedSaveKeepsTheWindow() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(test::showAndWait(w));
    QStringList asked;
    CloseAnswer answer = CloseAnswer::Cancel;
    w.history()->setCloseSink([&](const QString& text) {
      asked << text;
      return answer;
    });
    w.SelectMix(3);
    stroke(w, {40, 40}, {40, 40});
    QVERIFY(!w.close());
    answer = CloseAnswer::Save;
    w.saveDialog().setRunner([](const FileDialog&) { return std::nullopt; });
    QVERIFY(!w.close());
    QCOMPARE(asked, QStringList({"Save changes to the new picture?", "Save changes to the new picture?"}));
    const QString path = s->dir->path() + "/kept.mgs";
    w.saveDialog().setRunner([path](const FileDialog&) { return path; });
    QVERIFY(w.close());
    QCOMPARE(asked.size(), 3);
    QVERIFY(!w.history()->modified());
    Picture saved;
    QVERIFY(LoadMgsFile(path.toStdString(), saved).ok());
    QVERIFY(same(saved, w.state().picture));

    // Nothing changed since the open: no question.
    auto again = start({path});
    again->w().history()->setCloseSink([&](const QString& text) {
      asked << text;
      return CloseAnswer::Cancel;
    });
    QVERIFY(again->w().close());
    QCOMPARE(asked.size(), 3);
  }

  void aCopyLeftByAKilledEditorIsRestoredAndDamagedOnesAreMovedAside() {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/state";
    Picture lost;
    lost.planes[100] = 0x55;
    lost.vertSize = 4;
    lost.borderIndex1 = 3;
    {  // written, then its editor is gone: the lock is free, the copy stays
      RecoveryStore dead(folder.toStdString(), "1-1");
      QVERIFY(dead.write(lost, "/pics/caf\xc3\xa9.mgs").ok());
    }
    QVERIFY(::mkfifo(QFile::encodeName(folder + "/2-2.mgs").constData(), 0600) == 0);
    StartupOptions o;
    o.arguments.emplace();
    o.programDir = dir.path();
    o.recoveryFolder = folder;
    QStringList messages;
    o.messages = [&](MessageKind, const QString& text) { messages << text; };
    MainWindow w(std::move(o));
    QStringList asked;
    w.history()->setRestoreSink([&](const QString& text) {
      asked << text;
      return true;
    });
    w.history()->offerRecovery();
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].startsWith("Restore the unsaved picture from "));
    QVERIFY(same(w.state().picture, lost));
    QCOMPARE(w.windowTitle(), QString("chromaSmith x0.94 - /pics/caf\u00e9.mgs"));
    QVERIFY(w.history()->modified());
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains("2-2.mgs.bad"));
    // This editor's own copy replaces the old one.
    w.history()->flushRecovery();
    QVERIFY(!QFileInfo::exists(folder + "/1-1.mgs"));
    QCOMPARE(QDir(folder).entryList({"*.mgs"}).size(), 1);
    QVERIFY(QFileInfo::exists(folder + "/2-2.mgs.bad"));
  }
};

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
