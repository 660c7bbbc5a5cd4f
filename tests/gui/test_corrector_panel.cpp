// The colour corrector as the user meets it: its controls at their places,
// the menu command and the X key that show it, a drag in a screen view, the
// buttons, the block frame on the timer and the boxes that follow the cell
// height.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWindow>

#include "colour/ui/corrector_panel.h"
#include "colour/ui/palette_widgets.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

const QString kSample8 = CHROMASMITH_TESTDATA "/zx-image/example.mg8";

void showCorrector(MainWindow& w) { w.findChild<QAction*>("ShowHide1")->trigger(); }

QRect inPanel(QWidget* widget, QWidget* panel) {
  return {widget->mapTo(panel, QPoint(0, 0)), widget->size()};
}

bool sameImage(const RgbImage& a, const RgbImage& b) {
  return a.width() == b.width() && a.height() == b.height() &&
         std::equal(a.data(), a.data() + a.width() * a.height(), b.data());
}

// What the widget shows on the screen is `image`, pixel for pixel.
bool shows(QWidget* widget, const RgbImage& image) {
  const QImage shown = widget->grab().toImage();
  if (shown.size() != QSize(image.width(), image.height())) return false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((shown.pixel(x, y) & 0xFFFFFF) != (image.at(x, y) & 0xFFFFFF)) return false;
  return true;
}

RgbImage stretched(const RgbImage& screen) {
  RgbImage view(kCorrectorViewWidth, kCorrectorViewHeight);
  StretchScreen(screen, view);
  return view;
}

}  // namespace

class CorrectorPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void everyControlAtItsPlaceWithItsCaption() {
    auto s = start();
    QWidget* panel = s->w().correctorPanel();
    const struct {
      const char* name;
      QRect where;
    } kImages[] = {{"IMGCorrector0", {3, 22, 512, 384}}, {"IMGCorrector1", {520, 22, 512, 384}},
                   {"ImgCorrPAP0", {143, 414, 240, 16}}, {"ImgCorrINK0", {143, 437, 240, 16}},
                   {"ImgCorrPAP1", {655, 414, 240, 16}}, {"ImgCorrINK1", {655, 437, 240, 16}},
                   {"SCFlash0", {391, 414, 25, 41}},     {"SCFlash1", {903, 414, 25, 41}}};
    for (const auto& i : kImages) QCOMPARE(inPanel(s->find(i.name), panel), i.where);
    for (const char* box : {"Panel13", "Panel14", "Panel15", "Panel16"}) QVERIFY(s->find(box));
    const struct {
      const char* text;
      QPoint at;
    } kLabels[] = {{"P0", {124, 415}}, {"I0", {124, 438}}, {"P1", {635, 415}}, {"I1", {635, 438}}};
    for (const auto& l : kLabels) {
      const auto labels = panel->findChildren<QLabel*>();
      const auto found =
          std::find_if(labels.begin(), labels.end(), [&](QLabel* x) { return x->text() == l.text; });
      QVERIFY2(found != labels.end(), l.text);
      QCOMPARE((*found)->pos(), l.at);
    }
    for (const char* flash : {"SCFlash0", "SCFlash1"}) {
      QCOMPARE(s->find<BevelBox>(flash)->caption(), QString("F"));
      QCOMPARE(s->find(flash)->toolTip(), QString("Flash on/off"));
    }
    const struct {
      const char* name;
      const char* caption;
      QRect where;
    } kButtons[] = {{"Button2", "Invert All", {120, 464, 65, 25}},
                    {"Button11", "Invert RGB", {184, 464, 73, 25}},
                    {"Button13", "Invert PIX", {256, 464, 73, 25}},
                    {"Button8", "CopyR All", {120, 488, 65, 25}},
                    {"Button15", "CopyR RGB", {184, 488, 73, 25}},
                    {"Button16", "CopyR PIX", {256, 488, 73, 25}},
                    {"Button3", "Invert All", {632, 464, 65, 25}},
                    {"Button12", "Invert RGB", {696, 464, 73, 25}},
                    {"Button14", "Invert PIX", {768, 464, 73, 25}},
                    {"Button17", "CopyL All", {632, 488, 65, 25}},
                    {"Button18", "CopyL RGB", {696, 488, 73, 25}},
                    {"Button9", "CopyL PIX", {768, 488, 73, 25}},
                    {"Button1", "Exchange Chars between screens", {8, 552, 1025, 25}},
                    {"Button6", "Invert All", {8, 577, 81, 25}},
                    {"Button7", "Invert RGB", {88, 577, 81, 25}},
                    {"Button10", "Invert PIX", {168, 577, 81, 25}}};
    for (const auto& b : kButtons) {
      auto* button = s->find<QPushButton>(b.name);
      QVERIFY2(button && button->parentWidget() == panel, b.name);
      QCOMPARE(button->text(), QString(b.caption));
      QCOMPARE(button->geometry(), b.where);
    }
    auto* show = s->find<QAction>("ShowHide1");
    QCOMPARE(show->text(), QString("Show/Hide"));
    QCOMPARE(qobject_cast<QMenu*>(show->parent())->title(), QString("Color Corrector"));
  }

  // The menu and X show the corrector with its boxes fitted to the cell
  // height, also one that changed while it was hidden; the boxes follow a
  // new cell height while the window shows.
  void menuAndXKeyShowTheCorrectorFittedToTheCellHeight() {
    auto s = start({kSample8});
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QWidget* panel = w.correctorPanel();
    auto* view = s->find<CorrectorImage>("IMGCorrector0");
    showCorrector(w);
    QVERIFY(panel->isVisible());
    QCOMPARE(s->find("PanelCorrChar0")->geometry(), QRect(8, 414, 100, 100));
    QCOMPARE(s->find("PanelCorrChar1")->geometry(), QRect(520, 414, 100, 100));
    QVERIFY(sameImage(view->image(), stretched(w.images().screen0)));
    showCorrector(w);
    QVERIFY(panel->isHidden());

    w.ConvertPicture(2);  // hidden: nothing follows
    w.keyPressed(Qt::Key_X, Qt::AltModifier);
    QVERIFY(panel->isHidden());
    w.keyPressed(Qt::Key_X, {});
    QVERIFY(panel->isVisible());
    QCOMPARE(s->find("PanelCorrChar0")->height(), 28);
    w.keyPressed(Qt::Key_X, Qt::ControlModifier);
    QVERIFY(panel->isHidden());

    showCorrector(w);
    QCOMPARE(s->find("PanelCorrChar1")->height(), 28);
    w.ConvertPicture(1);
    QCOMPARE(s->find("PanelCorrChar0")->height(), 16);
    QCOMPARE(s->find("PanelCorrChar1")->height(), 16);
  }

  // X as the first showing, after pen strokes the last composition's
  // single-screen images do not hold yet: views, strips and neighbourhoods
  // show the Picture as it is.
  void theXKeyShowsTheCurrentPictureTheFirstTime() {
    auto s = start({kSample8});
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.state().corrector = {{1, 1}, {2, 2}, false};
    w.SelectMix(3);
    for (QPoint p : {QPoint(40, 40), QPoint(41, 60), QPoint(500, 300)}) {
      w.editorMousePress(Qt::LeftButton, {}, p);
      w.editorMouseRelease();
    }
    ComposedImages now;
    ComposePicture(w.state().picture, w.tables(), now);
    QVERIFY(!sameImage(now.screen0, w.images().screen0) || !sameImage(now.screen1, w.images().screen1));
    w.keyPressed(Qt::Key_X, {});
    QVERIFY(w.correctorPanel()->isVisible());
    CorrectorImages want;
    RedrawCorrectorImages(w.state().picture, now, w.state().corrector, MakeOverlayPatterns(), want);
    const std::pair<const char*, const RgbImage&> kShown[] = {
        {"IMGCorrector0", want.screens[0]}, {"IMGCorrector1", want.screens[1]}, {"ImgCorrPAP0", want.strips[0]},
        {"ImgCorrINK0", want.strips[1]},    {"ImgCorrPAP1", want.strips[2]},    {"ImgCorrINK1", want.strips[3]},
        {"IMGCorrChar0", want.chars[0]},    {"IMGCorrChar1", want.chars[1]}};
    for (const auto& [name, image] : kShown) QVERIFY2(shows(s->find(name), image), name);
  }

  void aDragChoosesTheBlockAndAButtonRewritesItWithoutUndo() {
    auto s = start({kSample8});
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    showCorrector(w);
    QWidget* view = s->find("IMGCorrector1");
    QWindow* win = w.windowHandle();
    auto at = [&](int x, int y) { return view->mapTo(&w, QPoint(x, y)); };
    QTest::mousePress(win, Qt::RightButton, {}, at(100, 50));
    QTest::mouseMove(win, at(40, 10));
    QCOMPARE(w.state().corrector.blockEnd, (CellCoord{6, 3}));
    QTest::mouseMove(win, at(200, 120));
    QCOMPARE(w.state().corrector.blockEnd, (CellCoord{12, 7}));
    QTest::mouseRelease(win, Qt::RightButton, {}, at(600, 400));
    const CorrectorState& c = w.state().corrector;
    QCOMPARE(c.cell, (CellCoord{6, 3}));
    QCOMPARE(c.blockEnd, (CellCoord{31, 23}));
    QVERIFY(!c.dragging);

    const UndoSnapshot undo = w.state().undo;
    Picture want = w.state().picture;
    ApplyCorrectorOp(CorrectorOp::CopyLAll, UsedBlock(c, 8), want);
    QTest::mouseClick(s->find("Button17"), Qt::LeftButton);
    QCOMPARE(w.state().picture.planes, want.planes);
    QCOMPARE(w.state().undo.planes, undo.planes);
    // The composition, the editor's source, and both views follow at once.
    ComposedImages composed;
    ComposePicture(want, w.tables(), composed);
    QVERIFY(sameImage(w.images().composite, composed.composite));
    QVERIFY(sameImage(s->find<CorrectorImage>("IMGCorrector0")->image(), stretched(composed.screen0)));
  }

  void theTimerDrawsTheBlockFrameOverBothViewsWhileShown() {
    auto s = start({kSample8});
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.state().corrector = {{2, 1}, {4, 2}, false};
    const CorrectorImages& images = w.correctorContent()->images();
    w.tickTimer();  // hidden: no frame
    QVERIFY(sameImage(images.screens[0], RgbImage(kCorrectorViewWidth, kCorrectorViewHeight)));
    showCorrector(w);
    QVERIFY(sameImage(images.screens[1], stretched(w.images().screen1)));
    w.tickTimer();
    const int phase = w.state().antsPhase;
    const RgbImage ants = MakeOverlayPatterns().of(Pattern::AntsRow);
    for (size_t v = 0; v < 2; ++v) {
      const RgbImage& img = images.screens[v];
      const RgbImage clean = stretched(v ? w.images().screen1 : w.images().screen0);
      // Frame x 32 ... 79, y 16 ... 47 (cells 16 wide, 16 high at h = 8).
      for (int x = 33; x < 79; ++x) {  // the corners belong to the side edges, drawn last
        QCOMPARE(img.at(x, 16), ants.at(15 - phase + x - 32, 0));
        QCOMPARE(img.at(x, 47), ants.at(phase + x - 32, 0));
      }
      QCOMPARE(img.at(50, 30), clean.at(50, 30));
      QCOMPARE(img.at(31, 16), clean.at(31, 16));
      QCOMPARE(img.at(80, 47), clean.at(80, 47));
    }
  }
};

QTEST_MAIN(CorrectorPanelTest)
#include "test_corrector_panel.moc"
