// The floating tool panels as the user meets them: their captions, sizes and
// close icons, the toolbar keys and hotkeys that show and hide them, the
// caption-strip drag, the picture window's grips and the About box.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include "app/ui/floating_panel.h"
#include "app/ui/free_panel.h"
#include "app/ui/icons.h"
#include "app/panel_placement.h"
#include "app/ui/tool_key.h"
#include "gui_helpers.h"

using namespace cs;
using cs::test::start;

namespace {

struct PanelSpec {
  const char* name;
  const char* strip;
  const char* caption;
  QSize size;
  const char* closeIcon;
};
const PanelSpec kPanels[] = {
    {"Panel_Color", "Panel1", "Full Palette", {342, 486}, nullptr},
    {"Panel_Border", "Panel5", "Border Palette", {150, 166}, nullptr},
    {"Panel_Preview", "Panel20", "Preview and Zoom Selector", {650, 510}, nullptr},
    {"Panel_ZoomPreview", "Panel21", "Preview Zoom", {193, 209}, nullptr},
    {"Panel_Corrector", "Panel12", "Color Corrector", {1041, 617}, "Image16"},
    {"Panel_ExportToBmp", "Panel19", "Export to *.PNG", {230, 350}, nullptr},
    {"Panel_SaveSelection", "Panel27", "Save Selection", {217, 137}, "Image12"},
    {"Panel_About", "Panel24", "About", {345, 161}, "Image10"},
};

struct KeySpec {
  const char* name;
  int x;
  const char* icon;
  const char* hint;
  const char* panel;
};
const KeySpec kKeys[] = {
    {"KEY_Palette", 212, "Image1", "Full Palette Window (use hotkey 'C')", "Panel_Color"},
    {"KEY_BorderPalette", 244, "Image2", "Border Palette Window (use hotkey 'B')", "Panel_Border"},
    {"KEY_Preview", 284, "Image3", "Preview and Zoom selector Window (use hotkey 'V')", "Panel_Preview"},
    {"KEY_ZoomPreview", 316, "Image14", "Preview Zoom Window (use hotkey 'ALT+V')", "Panel_ZoomPreview"},
};

void trigger(MainWindow& w, const char* action) { w.findChild<QAction*>(action)->trigger(); }

// Drags a strip by `by` through the window, as a real mouse would: the press
// on the strip, then moves that wander over other widgets and outside the
// window before ending at the target.
void dragStripThroughWindow(MainWindow& w, QWidget* strip, QPoint by) {
  QWindow* win = w.windowHandle();
  const QPoint grab = strip->mapTo(&w, QPoint(40, 8));
  QTest::mousePress(win, Qt::LeftButton, {}, grab);
  QTest::mouseMove(win, QPoint(3, 3));
  QTest::mouseMove(win, grab + QPoint(400, 250));
  QTest::mouseMove(win, QPoint(-300, w.height() + 500));
  QTest::mouseMove(win, grab + by);
  QTest::mouseRelease(win, Qt::LeftButton, {}, grab + by);
}

}  // namespace

class FloatingPanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void everyPanelHasItsCaptionStripSizeAndCloseIconAndStartsHidden() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QVERIFY(w.picturePanel()->isVisible());
    for (const PanelSpec& p : kPanels) {
      QWidget* panel = s->find(p.name);
      QVERIFY2(panel, p.name);
      QVERIFY2(panel->isHidden(), p.name);
      QCOMPARE(panel->size(), p.size);
      QCOMPARE(panel->parentWidget(), w.workSpace());
      auto* strip = s->find<PanelCaptionStrip>(p.strip);
      QVERIFY2(strip && strip->parentWidget() == panel, p.strip);
      QCOMPARE(strip->caption(), QString(p.caption));
      QCOMPARE(strip->geometry(), QRect(0, 0, p.size.width(), 17));
      if (!p.closeIcon) continue;
      auto* icon = s->find<CaptionIcon>(p.closeIcon);
      QVERIFY2(icon && icon->parentWidget() == strip, p.closeIcon);
      QCOMPARE(icon->geometry(), QRect(p.size.width() - 18, 1, 18, 15));
      QCOMPARE(icon->image().size(), QSize(16, 13));
    }
    // The shells the palette part fills in are reachable as such.
    QCOMPARE(w.palettePanel(), s->find("Panel_Color"));
    QCOMPARE(w.borderPanel(), s->find("Panel_Border"));
    QCOMPARE(w.correctorPanel(), s->find("Panel_Corrector"));
  }

  void panelsStartWhereTheIniPutsThem() {
    auto s = start({}, [](const QString& dir) {
      QFile f(dir + "/chromasmith.ini");
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("[positions]\npalette_x=77\npalette_y=-5\nzoompreview_x=900\ncolorcorrector_y=300\n");
    });
    MainWindow& w = s->w();
    QCOMPARE(w.palettePanel()->pos(), QPoint(77, -5));
    QCOMPARE(w.borderPanel()->pos(), QPoint(345, 43));
    QCOMPARE(s->find("Panel_Preview")->pos(), QPoint(3, 43));
    QCOMPARE(s->find("Panel_ZoomPreview")->pos(), QPoint(900, 43));
    QCOMPARE(w.correctorPanel()->pos(), QPoint(3, 300));
  }

  void panelKeysSitAtTheirPlacesWithTheirHints() {
    auto s = start();
    for (const KeySpec& k : kKeys) {
      auto* key = s->find<ToolKey>(k.name);
      QVERIFY2(key, k.name);
      QCOMPARE(key->geometry(), QRect(k.x, 4, 32, 32));
      QCOMPARE(key->parentWidget(), s->w().toolbar());
      QWidget* icon = s->find(k.icon);
      QVERIFY2(icon && icon->parentWidget() == key, k.icon);
      QCOMPARE(icon->toolTip(), QString(k.hint));
      QCOMPARE(icon->geometry(), QRect(5, 5, 22, 22));
      QVERIFY(!key->outerLowered() && !key->innerLowered());
    }
  }

  void pressingCTwiceShowsThenHidesThePaletteAndLeavesItsKeyFlat() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    auto* key = s->find<ToolKey>("KEY_Palette");
    QTest::keyClick(w.windowHandle(), Qt::Key_C);
    QVERIFY(w.palettePanel()->isVisible());
    QVERIFY(key->outerLowered() && !key->innerLowered());
    QTest::keyClick(w.windowHandle(), Qt::Key_C);
    QVERIFY(w.palettePanel()->isHidden());
    QVERIFY(!key->outerLowered());
  }

  void eachPanelKeyAndItsIconToggleTheirPanelWithAnyButton() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    for (const KeySpec& k : kKeys) {
      auto* key = s->find<ToolKey>(k.name);
      QWidget* panel = s->find(k.panel);
      QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(2, 2));
      QVERIFY2(panel->isVisible() && key->outerLowered(), k.name);
      QTest::mouseClick(s->find(k.icon), Qt::RightButton);
      QVERIFY2(panel->isHidden() && !key->outerLowered(), k.icon);
    }
  }

  void hotkeysFollowTheirModifierRules() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QWindow* win = w.windowHandle();
    QWidget* preview = s->find("Panel_Preview");
    QWidget* zoom = s->find("Panel_ZoomPreview");
    // With Ctrl, C and V are copy and paste; B is nothing of ours.
    QTest::keyClick(win, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(win, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(win, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(w.palettePanel()->isHidden() && preview->isHidden() && w.borderPanel()->isHidden());
    QTest::keyClick(win, Qt::Key_B);
    QVERIFY(w.borderPanel()->isVisible());
    QVERIFY(s->find<ToolKey>("KEY_BorderPalette")->outerLowered());
    QTest::keyClick(win, Qt::Key_B, Qt::AltModifier);
    QVERIFY(w.borderPanel()->isHidden());
    // V and F12 show the preview; Alt+V the magnifier and not the preview.
    QTest::keyClick(win, Qt::Key_V);
    QVERIFY(preview->isVisible());
    QTest::keyClick(win, Qt::Key_F12);
    QVERIFY(preview->isHidden());
    QTest::keyClick(win, Qt::Key_V, Qt::AltModifier);
    QVERIFY(zoom->isVisible() && preview->isHidden());
    QVERIFY(s->find<ToolKey>("KEY_ZoomPreview")->outerLowered());
    // Ctrl+Alt+V pastes and also flips the magnifier.
    QTest::keyClick(win, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(zoom->isHidden() && preview->isHidden());
  }

  void aPanelShownByItsKeyOpensAboveTheOthers() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QWindow* win = w.windowHandle();
    // Both start at the work area's top-left corner, so they overlap there.
    QWidget* preview = s->find("Panel_Preview");
    const QPoint corner = w.palettePanel()->geometry().topLeft() + QPoint(30, 30);
    for (Qt::Key key : {Qt::Key_C, Qt::Key_V, Qt::Key_C, Qt::Key_C}) QTest::keyClick(win, key);
    QWidget* top = w.workSpace()->childAt(corner);
    while (top->parentWidget() != w.workSpace()) top = top->parentWidget();
    QCOMPARE(top, w.palettePanel());
    QVERIFY(preview->isVisible());
  }

  void draggingAStripMovesItsPanelByExactlyTheMousesTravelWhereverTheCursorWent() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    for (const PanelSpec& p : kPanels) {
      QWidget* panel = s->find(p.name);
      panel->show();
      panel->raise();
      const QPoint before = panel->pos();
      dragStripThroughWindow(w, s->find(p.strip), QPoint(30, 10));
      QCOMPARE(panel->pos(), before + QPoint(30, 10));
      panel->hide();
    }
  }

  void aPanelDraggedOutOfTheWorkAreaKeepsItsCaptionStripWithinReach() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.TogglePreviewPanel();
    QWidget* panel = s->find("Panel_Preview");
    QWidget* strip = s->find("Panel20");
    const QPoint topLeft(kCaptionGrip - panel->width(), 0);
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 8));
    QTest::mouseMove(strip, QPoint(100 - 2000, 8 - 900));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(100 - 2000, 8 - 900));
    QCOMPARE(panel->pos(), topLeft);
    // A move after the release no longer drags.
    QTest::mouseMove(strip, QPoint(0, 0));
    QCOMPARE(panel->pos(), topLeft);

    const QSize area = w.workSpace()->size();
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(640, 8));
    QTest::mouseMove(strip, QPoint(640 + 5000, 8 + 5000));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(640 + 5000, 8 + 5000));
    QCOMPARE(panel->pos(), QPoint(area.width() - kCaptionGrip, area.height() - kCaptionStripHeight));
  }

  void closingAPanelNeverMovesItAndTheMenuShowsItWhereItWasLeft() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QWidget* panel = s->find("Panel_SaveSelection");
    // Without a selection the menu item does nothing.
    trigger(w, "MenuSaveSelection");
    QVERIFY(panel->isHidden());
    w.state().selection.visible = true;
    trigger(w, "MenuSaveSelection");
    QVERIFY(panel->isVisible());
    const QPoint dragged = panel->pos() + QPoint(30, -10);
    dragStripThroughWindow(w, s->find("Panel27"), QPoint(30, -10));
    QCOMPARE(panel->pos(), dragged);
    QTest::mouseClick(s->find("Image12"), Qt::LeftButton);
    QVERIFY(panel->isHidden());
    trigger(w, "MenuSaveSelection");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), dragged);
    QTest::mouseClick(s->find("Button20"), Qt::LeftButton);
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->pos(), dragged);
  }

  void saveSelectionOffersBothPixelOrdersAsScreenFirst() {
    auto s = start();
    QCOMPARE(s->w().findChild<QAction*>("MenuSaveSelection")->text(), QString("Save selection"));
    auto* label = s->find<QLabel>("Label14");
    QCOMPARE(label->text(), QString("Select pixel mode:"));
    QVERIFY(label->font().bold());
    auto* asScreen = s->find<QRadioButton>("Radio_SaveSel_PixMode_AsScreen");
    auto* linear = s->find<QRadioButton>("Radio_SaveSel_PixMode_Linear");
    QCOMPARE(asScreen->text(), QString("as screen (only full height)"));
    QCOMPARE(linear->text(), QString("linear"));
    QVERIFY(asScreen->isChecked() && !linear->isChecked());
    QVERIFY(asScreen->sizeHint().width() <= asScreen->width());
    QVERIFY(linear->y() > asScreen->y());
    QCOMPARE(s->find<QPushButton>("Button19")->text(), QString("Ok"));
    QCOMPARE(s->find<QPushButton>("Button20")->text(), QString("Cancel"));
  }

  void closeIconsAndCancelButtonsHideTheirOwnPanelOnly() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.correctorPanel()->show();
    trigger(w, "ExporttoBMP1");
    trigger(w, "About1");
    QTest::mouseClick(s->find("Image16"), Qt::LeftButton);
    QVERIFY(w.correctorPanel()->isHidden());
    QVERIFY(s->find("Panel_ExportToBmp")->isVisible() && s->find("Panel_About")->isVisible());
    QTest::mouseClick(s->find("Button5"), Qt::LeftButton);
    QVERIFY(s->find("Panel_ExportToBmp")->isHidden() && s->find("Panel_About")->isVisible());
    QTest::mouseClick(s->find("Image10"), Qt::LeftButton);
    QVERIFY(s->find("Panel_About")->isHidden());
  }

  void aboutCentresThePanelInTheWindowEachTimeAndASecondAboutHidesIt() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QWidget* about = s->find("Panel_About");
    const QPoint centred(CentredOffset(w.width(), 345), CentredOffset(w.height(), 161));
    trigger(w, "About1");
    QVERIFY(about->isVisible());
    QCOMPARE(about->mapTo(&w, QPoint(0, 0)), centred);
    dragStripThroughWindow(w, s->find("Panel24"), QPoint(30, -10));
    QCOMPARE(about->mapTo(&w, QPoint(0, 0)), centred + QPoint(30, -10));
    trigger(w, "About1");
    QVERIFY(about->isHidden());
    dragStripThroughWindow(w, s->find("Panel24"), QPoint(-50, 70));  // hidden: no effect
    trigger(w, "About1");
    QVERIFY(about->isVisible());
    QCOMPARE(about->mapTo(&w, QPoint(0, 0)), centred);
  }

  void aboutShowsItsTextsAtTheirHeights() {
    auto s = start();
    const struct {
      const char* name;
      const char* text;
      int pixels;
      bool bold;
      QPoint at;
    } labels[] = {
        {"Label_About_Title", "chromaSmith", 32, false, {104, 32}},
        {"Label_About_Subtitle", "cross-editor zx multigigascreen graphics", 11, true, {56, 64}},
        {"Label12", "version x0.94", 16, true, {128, 88}},
        {"Label_About_Web", "chromasmith.example.org", 16, true, {56, 120}},
    };
    for (const auto& l : labels) {
      auto* label = s->find<QLabel>(l.name);
      QVERIFY2(label && label->parentWidget() == s->find("Panel_About"), l.name);
      QCOMPARE(label->text(), QString(l.text));
      QCOMPARE(label->font().pixelSize(), l.pixels);
      QCOMPARE(label->font().bold(), l.bold);
      QCOMPARE(label->pos(), l.at);
      QVERIFY(label->x() + label->width() <= 345);
    }
    QCOMPARE(s->w().findChild<QAction*>("About1")->text(), QString("About"));
  }

  void floatingPictureWindowShowsWhereItsEdgesResize() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.TogglePictureMaximised();
    auto* panel = w.picturePanel();
    const struct {
      QPoint at;
      Qt::CursorShape shape;
    } spots[] = {{{638, 478}, Qt::SizeFDiagCursor}, {{1, 1}, Qt::SizeFDiagCursor},
                 {{638, 2}, Qt::SizeBDiagCursor},   {{2, 478}, Qt::SizeBDiagCursor},
                 {{638, 200}, Qt::SizeHorCursor},   {{1, 200}, Qt::SizeHorCursor},
                 {{300, 479}, Qt::SizeVerCursor},   {{300, 0}, Qt::SizeVerCursor}};
    for (const auto& spot : spots) {
      auto* band = qobject_cast<PanelResizeBand*>(panel->childAt(spot.at));
      QVERIFY(band);
      cs::test::hover(band, band->mapFrom(panel, spot.at));
      QCOMPARE(band->cursor().shape(), spot.shape);
    }
  }

  void draggingTheTopLeftCornerStopsAtTheMinimumWithTheOppositeCornerFixed() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.TogglePictureMaximised();
    auto* panel = w.picturePanel();
    QCOMPARE(panel->geometry(), QRect(2, 42, 640, 480));
    auto* band = qobject_cast<PanelResizeBand*>(panel->childAt(2, 2));
    QVERIFY(band);
    const QPoint at = band->mapFrom(panel, QPoint(2, 2));
    QTest::mousePress(band, Qt::LeftButton, {}, at);
    QTest::mouseMove(band, at + QPoint(-20, -10));
    QCOMPARE(panel->geometry(), QRect(-18, 32, 660, 490));
    QTest::mouseMove(band, at + QPoint(400, 300));
    QTest::mouseRelease(band, Qt::LeftButton, {}, at + QPoint(400, 300));
    QCOMPARE(panel->geometry(), QRect(642 - 524, 522 - 414, 524, 414));
  }
};

QTEST_MAIN(FloatingPanelsTest)
#include "test_floating_panels.moc"
