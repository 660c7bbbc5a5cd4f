// The Patterns panel: its choices, its colours, the View menu's item and its place in the INI file.
#include <QAction>

#include "app/ui/patterns_panel.h"
#include "gui_helpers.h"

using namespace cs;

class PatternsPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void choosingShowingAndPlacingThePanel() {
    auto s = test::start();
    MainWindow& w = s->w();
    PatternsPanel* panel = w.patternsPanel();
    int changes = 0;
    connect(panel, &PatternsPanel::changed, [&] { ++changes; });
    QTest::mouseClick(s->find("Pattern_7"), Qt::LeftButton);
    QTest::mouseClick(s->find("SecondMix_3"), Qt::LeftButton);
    QVERIFY(w.state().shapes.pattern == 7 && w.state().shapes.secondMix == 3 && changes == 2 &&
            panel->isHidden());
    w.SelectMix(2);
    w.state().colours.pap0 = 10;
    w.RedrawPalettePanels();
    const QImage shown = panel->grab().toImage();
    // The mixes, and the solid pattern in the current one.
    const std::pair<const char*, int> swatches[] = {
        {"SecondMix_0", 0}, {"SecondMix_1", 1}, {"SecondMix_2", 2}, {"SecondMix_3", 3}, {"Pattern_0", 2}};
    for (auto [name, mix] : swatches)
      QCOMPARE(shown.pixel(s->find(name)->geometry().center()),
               w.state().colours.mixColour(w.tables().mix, mix));
    s->find<QAction>("ViewPatterns1")->trigger();
    QVERIFY(!panel->isHidden());
    w.TogglePatternsPanel();
    QVERIFY(panel->isHidden());
    panel->move(200, 90);
    w.SaveWindowsPositions();
    const WindowPositions saved = LoadWindowPositions(WindowPositionsPath(w.folders().iniDir));
    QVERIFY(saved.patternsX == 200 && saved.patternsY == 90);
  }
};

QTEST_MAIN(PatternsPanelTest)
#include "test_patterns_panel.moc"
