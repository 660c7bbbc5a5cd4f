// The history through the main window: the commands' named steps, Alt+Z and
// Alt+Shift+Z beside the one-level Ctrl+Z, and the question before closing.
#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "formats/mgs_file.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

QStringList stepNames(MainWindow& w) {
  QStringList names;
  const History& h = w.history()->history();
  for (size_t i = h.size(); i-- > 0;) names << QString::fromStdString(h.name(i));
  return names;
}

}  // namespace

class HistoryTest : public QObject {
  Q_OBJECT
 private slots:
  void commandsRecordNamedStepsThatAltZWalksAndClosingAsksAboutThem() {
    auto s = start();
    MainWindow& w = s->w();
    w.SelectMix(3);
    w.editorMousePress(Qt::LeftButton, {}, {40, 40});
    w.editorMouseRelease();
    w.selectAll();
    w.transform(Transform::FlipHorizontal);
    const std::array flipped = w.state().picture.planes;
    w.NewPicture(4);
    QCOMPARE(stepNames(w), QStringList({"New 8x4", "Flip Horizontal", "Pen", "New 8x1"}));
    w.keyPressed(Qt::Key_Z, Qt::AltModifier);
    QCOMPARE(w.state().picture.planes, flipped);
    // Ctrl+Z right after the jump returns to where the user was, as a step
    // that drops the steps ahead.
    w.keyPressed(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.state().picture.planes, Picture{}.planes);
    QCOMPARE(stepNames(w), QStringList({"Undo", "Flip Horizontal", "Pen", "New 8x1"}));
    for (int i = 0; i < 3; ++i)
      w.keyPressed(Qt::Key_Z, i < 2 ? Qt::AltModifier : Qt::AltModifier | Qt::ShiftModifier);
    QCOMPARE(w.state().picture.planes, flipped);

    // Closing with changes asks; Cancel and a cancelled save keep the window.
    QStringList asked;
    CloseAnswer answer = CloseAnswer::Cancel;
    const auto sink = [&](const QString& text) {
      asked << text;
      return answer;
    };
    w.history()->setCloseSink(sink);
    QVERIFY(!w.close());
    answer = CloseAnswer::Save;
    w.saveDialog().setRunner([](const FileDialog&) { return std::nullopt; });
    QVERIFY(!w.close());
    const QString path = s->dir->path() + "/kept.mgs";
    w.saveDialog().setRunner([path](const FileDialog&) { return path; });
    QVERIFY(w.close());
    QCOMPARE(asked, QStringList(3, "Save changes to the new picture?"));
    Picture saved;
    QVERIFY(LoadMgsFile(path.toStdString(), saved).ok() && saved.planes == w.state().picture.planes);
    // Nothing changed since the open: no question.
    auto again = start({path});
    again->w().history()->setCloseSink(sink);
    QVERIFY(again->w().close());
    QCOMPARE(asked.size(), 3);
  }
};

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
