// "Export to *.PNG": the panel's choices, and the written file decoded and
// checked pixel by pixel against the picture and the border rules of each
// size, with or without a border and with the uneven emulator border.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <random>

#include "../core/png_reader.h"
#include "app/ui/file_dialog.h"
#include "gui_helpers.h"
#include "model/colour.h"

using namespace cs;
using cs::test::start;

namespace {

// The export sizes written out independently, top to bottom: the
// radio button, its caption, the image size, where the picture goes and at
// what scale.
struct ExportRow {
  const char* radio;
  const char* caption;
  int width, height;
  int left, top, scale;
};
const ExportRow kRows[] = {
    {"RadioButton1", "256 x 192 without border", 256, 192, 0, 0, 1},
    {"RadioButton2", "512 x 384 without border", 512, 384, 0, 0, 2},
    {"RadioButton3", "768 x 576 without border", 768, 576, 0, 0, 3},
    {"RadioButton4", "1024 x 768 without border", 1024, 768, 0, 0, 4},
    {"RadioButton5", "1280 x 960 without border", 1280, 960, 0, 0, 5},
    {"RadioButton10", "320 x 240 (256x192 with border)", 320, 240, 32, 24, 1},
    {"RadioButton6", "640 x 480 (512x384 with border)", 640, 480, 64, 48, 2},
    {"RadioButton7", "800 x 600 (768x576 with border)", 800, 600, 16, 12, 3},
    {"RadioButton8", "1024 x 768 (768x576 with border)", 1024, 768, 128, 96, 3},
    {"RadioButton9", "1280 x 960 (1024x768 with border)", 1280, 960, 128, 96, 4},
    {"RadioButton11", "384 x 300 (256x192 full emul border)", 384, 300, 64, 64, 1},
};

void randomise(Picture& pic) {
  std::mt19937 rng(11);
  for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = 4;
  pic.borderIndex0 = 1;
  pic.borderIndex1 = 2;
}

void trigger(MainWindow& w, const char* action) { w.findChild<QAction*>(action)->trigger(); }

// The first pixel that differs from the row's rule, or an empty string.
QString firstWrongPixel(const RgbImage& png, const ExportRow& row, const RgbImage& composite, Rgb border) {
  const int w = 256 * row.scale, h = 192 * row.scale;
  for (int y = 0; y < png.height(); ++y)
    for (int x = 0; x < png.width(); ++x) {
      const bool inside = x >= row.left && x < row.left + w && y >= row.top && y < row.top + h;
      const Rgb expected =
          inside ? composite.at((x - row.left) / row.scale, (y - row.top) / row.scale) : border;
      if (png.at(x, y) != expected) return QString("(%1, %2)").arg(x).arg(y);
    }
  return {};
}

}  // namespace

class ExportPngPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void menuItemShowsThePanelWithElevenSizesTheFirstChecked() {
    auto s = start();
    MainWindow& w = s->w();
    QAction* item = w.findChild<QAction*>("ExporttoBMP1");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("Export to *.PNG"));
    QCOMPARE(w.findChild<QMenu*>("Export1")->actions().contains(item), true);
    QWidget* panel = s->find("Panel_ExportToBmp");
    QVERIFY(panel->isHidden());
    item->trigger();
    QVERIFY(!panel->isHidden());
    auto* label = s->find<QLabel>("Size");
    QCOMPARE(label->text(), QString("Select resolution and options:"));
    QVERIFY(label->font().bold());
    int previousY = label->y();
    for (const ExportRow& row : kRows) {
      auto* radio = s->find<QRadioButton>(row.radio);
      QVERIFY2(radio && radio->parentWidget() == panel, row.radio);
      QCOMPARE(radio->text(), QString(row.caption));
      QCOMPARE(radio->isChecked(), row.radio == kRows[0].radio);
      QVERIFY2(radio->y() > previousY, row.radio);
      QVERIFY2(radio->sizeHint().width() <= radio->width(), row.radio);  // the caption fits
      previousY = radio->y();
    }
    for (const char* name : {"Button4", "Button5"}) {
      auto* button = s->find<QPushButton>(name);
      QVERIFY(button->y() > previousY);
      QVERIFY(button->geometry().bottom() < panel->height());
    }
    QCOMPARE(s->find<QPushButton>("Button4")->text(), QString("Ok"));
    QCOMPARE(s->find<QPushButton>("Button5")->text(), QString("Cancel"));
  }

  void everySizeWritesThePictureAndItsBorderPixelByPixel_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kRows)); ++i) QTest::newRow(kRows[i].caption) << i;
  }

  void everySizeWritesThePictureAndItsBorderPixelByPixel() {
    QFETCH(int, row);
    const ExportRow& r = kRows[row];
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    randomise(w.state().picture);
    w.RefreshPicture(true);
    trigger(w, "ExporttoBMP1");
    QTest::mouseClick(s->find(r.radio), Qt::LeftButton, {}, QPoint(5, 10));
    QVERIFY(s->find<QRadioButton>(r.radio)->isChecked());
    QStringList filters;
    w.saveDialog().setRunner([&](const FileDialog& d) -> std::optional<QString> {
      filters << d.filter;
      return s->dir->path() + "/picture";
    });
    QTest::mouseClick(s->find("Button4"), Qt::LeftButton);
    QCOMPARE(filters, QStringList{"*.png|*.png"});
    QVERIFY(s->messages.empty());
    QVERIFY(s->find("Panel_ExportToBmp")->isHidden());
    const auto png = cs::testing::ReadPng((s->dir->path() + "/picture.png").toStdString());
    QVERIFY(png);
    QCOMPARE(png->width(), r.width);
    QCOMPARE(png->height(), r.height);
    // The border is the colour of cell (1, 2) of the border palette.
    const Rgb border = MakeBorderPaletteImage().at(16 * 1 + 8, 16 * 2 + 8);
    QCOMPARE(firstWrongPixel(*png, r, w.images().composite, border), QString());
    // The export changes nothing else.
    QCOMPARE(w.windowTitle(), QString("chromaSmith x0.94"));
  }

  void cancellingTheDialogWritesNothingHidesThePanelAndKeepsTheChoice() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    trigger(w, "ExporttoBMP1");
    QTest::mouseClick(s->find("RadioButton8"), Qt::LeftButton, {}, QPoint(5, 10));
    w.saveDialog().setRunner([](const FileDialog&) { return std::optional<QString>(); });
    QTest::mouseClick(s->find("Button4"), Qt::LeftButton);
    QVERIFY(s->find("Panel_ExportToBmp")->isHidden());
    QCOMPARE(QDir(s->dir->path()).entryList(QDir::Files), QStringList());
    trigger(w, "ExporttoBMP1");
    QVERIFY(s->find<QRadioButton>("RadioButton8")->isChecked());
    QVERIFY(!s->find<QRadioButton>("RadioButton1")->isChecked());
  }

  void cancelButtonOnlyHidesThePanel() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    bool asked = false;
    w.saveDialog().setRunner([&](const FileDialog&) {
      asked = true;
      return std::optional<QString>();
    });
    trigger(w, "ExporttoBMP1");
    QTest::mouseClick(s->find("Button5"), Qt::LeftButton);
    QVERIFY(s->find("Panel_ExportToBmp")->isHidden());
    QVERIFY(!asked);
  }

  void aFailedWriteShowsTheErrorAndLeavesThePanelOpen() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    trigger(w, "ExporttoBMP1");
    const QString name = s->dir->path() + "/no-such-folder/out.png";
    w.saveDialog().setRunner([&](const FileDialog&) { return std::optional<QString>(name); });
    QTest::mouseClick(s->find("Button4"), Qt::LeftButton);
    QCOMPARE(s->messages.size(), size_t(1));
    QCOMPARE(s->messages[0].first, MessageKind::Error);
    QVERIFY(!s->messages[0].second.isEmpty());
    QVERIFY(s->find("Panel_ExportToBmp")->isVisible());
    QVERIFY(!QFile::exists(name));
  }
};

QTEST_MAIN(ExportPngPanelTest)
#include "test_export_png_panel.moc"
