// The palette contents on plain widgets of their windows' sizes, as the user
// meets them: layout, captions and hints, markers and bevels, the colour
// choices with their brightness coupling, the border palette and the blink
// of the gradient chart.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "colour/ui/border_palette_panel.h"
#include "colour/ui/current_colours_panel.h"
#include "colour/palette_images.h"
#include "colour/ui/palette_panel.h"
#include "colour/ui/palette_widgets.h"

using namespace cs;

namespace {

struct Panel {
  EditorState state;
  MixTable mix = ComputeMixTable();
  QWidget shell;
  PalettePanel* content;
  Panel() {
    shell.resize(kPalettePanelWidth, kPalettePanelHeight);
    content = new PalettePanel(state, mix, &shell);
  }
  template <class T = QWidget>
  T* find(const char* name) {
    T* w = shell.findChild<T*>(name);
    if (!w) qWarning("no component %s", name);
    return w;
  }
  QRect placed(const char* name) {
    QWidget* w = find(name);
    return QRect(w->mapTo(&shell, QPoint(0, 0)), w->size());
  }
  void press(const char* name, QPoint at) { QTest::mousePress(find(name), Qt::LeftButton, {}, at); }
  void click(const char* name) { QTest::mousePress(find(name), Qt::LeftButton); }
  std::array<bool, 8> bevels() {
    std::array<bool, 8> b{};
    const char* names[8] = {"Pal4Color0", "Pal4Color1", "Pal4Color2", "Pal4Color3",
                            "PalZX_i0",   "PalZX_p0",   "PalZX_i1",   "PalZX_p1"};
    for (size_t i = 0; i < 8; ++i) b[i] = find<BevelBox>(names[i])->lowered();
    return b;
  }
};

QImage shown(QWidget* w) { return static_cast<PaletteImage*>(w)->image(); }

bool hasMarker(const QImage& img, int c, int r) {
  return img.pixel(16 * c + 4, 16 * r + 4) == qRgb(0, 0, 0) &&
         img.pixel(16 * c + 8, 16 * r + 8) == qRgb(255, 255, 255);
}

}  // namespace

class PalettePanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void fullPaletteLayoutCaptionsAndHintsAreExact() {
    Panel p;
    const struct {
      const char* name;
      QRect where;
    } places[] = {
        {"Image_PaletteGradient", {8, 40, 76, 229}},
        {"Img_Palette_full", {88, 32, 240, 240}},
        {"Panel2", {8, 280, 322, 17}},
        {"Flash0", {8, 304, 25, 49}},
        {"PalZX_i0", {32, 304, 49, 25}},
        {"IMG_INK0", {88, 307, 240, 16}},
        {"PalZX_p0", {32, 328, 49, 25}},
        {"IMG_PAP0", {88, 331, 240, 16}},
        {"Flash1", {8, 352, 25, 49}},
        {"PalZX_i1", {32, 352, 49, 25}},
        {"IMG_INK1", {88, 355, 240, 16}},
        {"PalZX_p1", {32, 376, 49, 25}},
        {"IMG_PAP1", {88, 379, 240, 16}},
        {"Panel11", {8, 408, 322, 17}},
        {"Pal4Color0", {8, 448, 73, 25}},
        {"Pal4Color1", {92, 448, 73, 25}},
        {"Pal4Color2", {174, 448, 73, 25}},
        {"Pal4Color3", {256, 448, 73, 25}},
    };
    for (const auto& pl : places) QCOMPARE(p.placed(pl.name), pl.where);
    for (const char* container : {"Panel_Palette", "Panel7", "Panel8", "Panel9", "Panel10"})
      QVERIFY(p.find(container));
    QVERIFY(p.find<QTimer>("Timer_GradPal"));

    const struct {
      const char* name;
      const char* caption;
    } captions[] = {{"Panel2", "ZX Screen's Palette"},
                    {"Panel11", "Char's Palette"},
                    {"Flash0", "F"},
                    {"Flash1", "F"},
                    {"PalZX_i0", "PAP0"},
                    {"PalZX_p0", "INK0"},
                    {"PalZX_i1", "PAP1"},
                    {"PalZX_p1", "INK1"}};
    for (const auto& c : captions) QCOMPARE(p.find<BevelBox>(c.name)->caption(), QString(c.caption));
    const char* labels[4] = {"PAP0+PAP1", "PAP0+INK1", "INK0+PAP1", "INK0+INK1"};
    const int labelX[4] = {9, 95, 177, 261};
    const char* hints[4] = {"INK0 + INK1", "INK0 + PAP1", "PAP0 + INK1", "PAP0 + PAP1"};
    for (int n = 0; n < 4; ++n) {
      auto* label = p.find<QLabel>(qPrintable(QString("Label%1").arg(n + 1)));
      QCOMPARE(label->text(), QString(labels[n]));
      QCOMPARE(label->pos(), QPoint(labelX[n], 431));
      QVERIFY(label->geometry().bottom() < 448);  // never over the swatch it names
      QCOMPARE(p.find(qPrintable(QString("Pal4Color%1").arg(n)))->toolTip(), QString(hints[n]));
    }
    QCOMPARE(p.find("Flash0")->toolTip(), QString("Flash on/off"));
    // The chart's background lets the panel show through.
    QCOMPARE(qAlpha(shown(p.find("Image_PaletteGradient")).pixel(0, 0)), 0);
    QCOMPARE(shown(p.find("Image_PaletteGradient")).pixel(6, 60), qRgb(0x75, 0x75, 0x75));
  }

  void startShowsMixZeroAndBlackMarkers() {
    Panel p;
    QCOMPARE(p.bevels(), (std::array<bool, 8>{true, false, false, false, true, false, true, false}));
    QVERIFY(hasMarker(shown(p.find("Img_Palette_full")), 0, 0));
    for (const char* strip : {"IMG_INK0", "IMG_PAP0", "IMG_INK1", "IMG_PAP1"})
      QVERIFY(hasMarker(shown(p.find(strip)), 0, 0));
  }

  void stripPressCouplesThePartnerAndMovesOnlyItsMarker() {
    Panel p;
    p.state.colours.ink0 = 1;
    p.state.colours.pap0 = 3;
    p.state.penMemo = {2, 3, 4, 5};
    QSignalSpy chosen(p.content, &PalettePanel::coloursChosen);
    p.press("IMG_INK0", {70, 8});
    QCOMPARE(p.state.colours.ink0, uint8_t(4));
    QCOMPARE(p.state.colours.pap0, uint8_t(4));
    QCOMPARE(p.state.penMemo.column, -1);
    QCOMPARE(chosen.size(), 1);
    // The strip is the ZX palette everywhere but inside its marker.
    const QImage strip = shown(p.find("IMG_INK0"));
    const QImage source = ToQImage(MakeZxPaletteImage());
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 240; ++x) {
        const bool inMarker = x >= 68 && x < 76 && y >= 4 && y < 12;
        if (!inMarker) QCOMPARE(strip.pixel(x, y), source.pixel(x, y));
      }
    QVERIFY(hasMarker(strip, 4, 0));
    QVERIFY(hasMarker(shown(p.find("IMG_PAP0")), 4, 0));
    QCOMPARE(p.find<BevelBox>("Pal4Color0")->fill(), QColor::fromRgb(p.mix.at(4, 0)));
    QCOMPARE(p.find<BevelBox>("Pal4Color3")->fill(), QColor::fromRgb(p.mix.at(4, 0)));
  }

  void fullPalettePressWithMixOneSetsItsPairAndCouplesBoth() {
    Panel p;
    p.state.colours = {3, 1, 4, 9, 0, 0, 0};
    p.click("Pal4Color1");
    p.state.penMemo = {2, 3, 4, 5};
    p.press("Img_Palette_full", {200, 20});
    const CurrentColours& c = p.state.colours;
    QCOMPARE(c.ink0, uint8_t(12));
    QCOMPARE(c.pap1, uint8_t(1));
    QCOMPARE(c.pap0, uint8_t(2));  // blue follows bright yellow
    QCOMPARE(c.ink1, uint8_t(3));  // bright red follows normal blue
    QCOMPARE(c.mix, 1);
    QCOMPARE(p.state.penMemo.column, -1);
    const QImage full = shown(p.find("Img_Palette_full"));
    for (auto [col, row] : {std::pair{12, 3}, {12, 1}, {2, 3}, {2, 1}}) QVERIFY(hasMarker(full, col, row));
    QVERIFY(!hasMarker(full, 3, 4));
    QCOMPARE(p.find<BevelBox>("Pal4Color1")->fill(), QColor::fromRgb(p.mix.at(12, 1)));
  }

  void swatchesAndRoleButtonsShowEachMixByTheirBevels() {
    Panel p;
    const std::array<bool, 8> expected[4] = {{true, false, false, false, true, false, true, false},
                                             {false, true, false, false, true, false, false, true},
                                             {false, false, true, false, false, true, true, false},
                                             {false, false, false, true, false, true, false, true}};
    for (int n = 3; n >= 0; --n) {
      p.state.penMemo = {2, 3, 4, 5};
      p.click(qPrintable(QString("Pal4Color%1").arg(n)));
      QCOMPARE(p.state.colours.mix, n);
      QCOMPARE(p.bevels(), expected[n]);
      QCOMPARE(p.state.penMemo.column, -1);
    }
    // Role buttons combine the two screens' bits and keep the pen memo.
    p.click("Pal4Color1");
    p.state.penMemo = {2, 3, 4, 5};
    p.click("PalZX_p0");
    QCOMPARE(p.state.colours.mix, 3);
    QCOMPARE(p.bevels(), expected[3]);
    p.click("PalZX_i1");
    QCOMPARE(p.state.colours.mix, 2);
    QCOMPARE(p.bevels(), expected[2]);
    QCOMPARE(p.state.penMemo.column, 2);
  }

  void gradientPressBlinksTheMatchingCellsAndRestoresThePaletteExactly() {
    Panel p;
    p.state.colours = {13, 14, 0, 13, 0, 0, 0};
    p.content->RedrawPalettePanels();
    const QImage before = shown(p.find("Img_Palette_full"));
    auto* timer = p.find<QTimer>("Timer_GradPal");
    QVERIFY(!timer->isActive());
    p.press("Image_PaletteGradient", {20 + 4, 56 + 4});  // the square of (13, 13) alone
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 100);
    QTRY_COMPARE_WITH_TIMEOUT(shown(p.find("Img_Palette_full")).pixel(13 * 16 + 1, 13 * 16 + 1),
                              qRgb(255, 255, 255), 1000);
    // The cell's marker stays drawn over the blink.
    QVERIFY(hasMarker(shown(p.find("Img_Palette_full")), 13, 13));
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 4000);
    QCOMPARE(shown(p.find("Img_Palette_full")), before);
    const CurrentColours& c = p.state.colours;
    QVERIFY(c.ink0 == 13 && c.pap0 == 14 && c.ink1 == 0 && c.pap1 == 13 && c.mix == 0);
  }

  void gradientPressInTheMarginStopsABlinkAndRestoresItsCells() {
    Panel p;
    const QImage before = shown(p.find("Img_Palette_full"));
    auto* timer = p.find<QTimer>("Timer_GradPal");
    p.press("Image_PaletteGradient", {2, 56});  // eight cells of the darkest grey
    QTRY_COMPARE_WITH_TIMEOUT(shown(p.find("Img_Palette_full")).pixel(0 * 16 + 1, 13 * 16 + 1),
                              qRgb(255, 255, 255), 1000);
    p.press("Image_PaletteGradient", {1, 1});
    QVERIFY(!timer->isActive());
    QCOMPARE(shown(p.find("Img_Palette_full")), before);
  }

  void borderPressChoosesThePairAndAPressOnItsMarkerChangesNothing() {
    EditorState state;
    QWidget shell;
    shell.resize(kBorderPanelWidth, kBorderPanelHeight);
    auto* content = new BorderPalettePanel(state, &shell);
    auto* img = shell.findChild<PaletteImage*>("Img_Palette_Border");
    QCOMPARE(QRect(img->mapTo(&shell, QPoint(0, 0)), img->size()), QRect(8, 26, 128, 128));
    QVERIFY(hasMarker(img->image(), 0, 0));
    QSignalSpy chosen(content, &BorderPalettePanel::borderChosen);
    QTest::mousePress(img, Qt::RightButton, {}, {37, 100});
    QCOMPARE(state.picture.borderIndex0, uint8_t(2));
    QCOMPARE(state.picture.borderIndex1, uint8_t(6));
    QCOMPARE(BorderColor(2, 6), rgb(202, 115, 0));
    QVERIFY(hasMarker(img->image(), 2, 6));
    QVERIFY(!hasMarker(img->image(), 0, 0));
    const QImage once = img->image();
    QTest::mousePress(img, Qt::LeftButton, {}, {40, 104});
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(state.picture.borderIndex0, uint8_t(2));
    QCOMPARE(state.picture.borderIndex1, uint8_t(6));
    QCOMPARE(img->image(), once);
    // A loaded border moves the marker when the window says so.
    state.picture.borderIndex0 = 7;
    state.picture.borderIndex1 = 1;
    content->ShowBorder();
    QVERIFY(hasMarker(img->image(), 7, 1));
  }

  void toolbarSwatchesSitUnderTheirCaptionsAndSelectTheirMix() {
    EditorState state;
    const MixTable mix = ComputeMixTable();
    QWidget toolbar;
    auto* panel = new CurrentColoursPanel(state, mix, &toolbar);
    QCOMPARE(panel->size(), QSize(213, 32));
    const struct {
      QRect where;
      const char* label;
      const char* hint;
    } swatches[4] = {{{11, 12, 46, 17}, "P0+P1", "INK0 + INK1 (Use Hotkey '1')"},
                     {{62, 12, 43, 17}, "P0+I1", "INK0 + PAP1 (Use Hotkey '2')"},
                     {{111, 12, 42, 17}, "I0+P1", "PAP0 + INK1 (Use Hotkey '3')"},
                     {{158, 12, 43, 17}, "I0+I1", "PAP0 + PAP1 (Use Hotkey '4')"}};
    for (int n = 0; n < 4; ++n) {
      auto* sw = panel->findChild<BevelBox*>(QString("CharPal_SelectedColor%1").arg(n));
      QCOMPARE(sw->geometry(), swatches[n].where);
      QCOMPARE(sw->toolTip(), QString(swatches[n].hint));
      QCOMPARE(sw->lowered(), n == 0);
      auto* label = panel->findChild<QLabel*>(QString("Label%1").arg(7 + n));
      QCOMPARE(label->text(), QString(swatches[n].label));
      QVERIFY(label->geometry().bottom() < 12);
    }
    state.colours = {1, 3, 5, 7, 0, 0, 0};
    panel->RedrawPalettePanels();
    state.penMemo = {2, 3, 4, 5};
    QTest::mousePress(panel->findChild<QWidget*>("CharPal_SelectedColor2"), Qt::LeftButton);
    QCOMPARE(state.colours.mix, 2);
    QCOMPARE(state.penMemo.column, -1);
    QVERIFY(panel->findChild<BevelBox*>("CharPal_SelectedColor2")->lowered());
    QVERIFY(!panel->findChild<BevelBox*>("CharPal_SelectedColor0")->lowered());
    QCOMPARE(panel->curMixColour(), QColor::fromRgb(mix.at(3, 5)));
  }
};

QTEST_MAIN(PalettePanelsTest)
#include "test_palette_panels.moc"
