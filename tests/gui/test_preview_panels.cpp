// The preview window and the magnifier: what they show, the zoom-target
// frame and the jump, the border colour around the preview, and how both
// follow refreshes, pen points and the mouse.
#include <QPainter>
#include <QWindow>
#include <random>

#include "app/ui/editor_image.h"
#include "app/ui/free_panel.h"
#include "app/ui/icons.h"
#include "app/ui/preview_panels.h"
#include "app/ui/scroll_box.h"
#include "app/ui/tool_key.h"
#include "gui_helpers.h"
#include "model/colour.h"

using namespace cs;
using cs::test::hover;
using cs::test::start;

namespace {

void randomise(Picture& pic, unsigned seed) {
  std::mt19937 rng(seed);
  for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[size_t(i)] %= 15;
  pic.vertSize = 8;
}

// The part of `canvas` at (x, y) equals the block of `source` at (sx, sy).
bool sameBlock(const RgbImage& canvas, int x, int y, const RgbImage& source, int sx, int sy, int w, int h) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (canvas.at(x + i, y + j) != source.at(sx + i, sy + j)) return false;
  return true;
}

bool sameAsPreview(MainWindow& w) {
  return sameBlock(w.previewPanel()->image()->canvas(), 0, 0, w.images().preview, 0, 0, 512, 384);
}

// Floats the picture window with a scroll box of exactly `box`.
void floatPictureWindow(MainWindow& w, QSize box) {
  w.TogglePictureMaximised();
  const QRect r = w.picturePanel()->geometry();
  w.picturePanel()->setBounds({r.x(), r.y(), box.width() + 2, box.height() + 2 + 17});
}

std::unique_ptr<cs::test::Started> startWithPicture() {
  auto s = start();
  randomise(s->w().state().picture, 7);
  return s;
}

}  // namespace

class PreviewPanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void showingThePreviewShowsTheWholePictureAtTwoToOne() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.RefreshPicture(true);
    QTest::keyClick(w.windowHandle(), Qt::Key_V);
    CanvasImage* image = w.previewPanel()->image();
    QVERIFY(image->isVisible());
    QCOMPARE(image->objectName(), QString("Editor_IMG_Preview"));
    QCOMPARE(image->size(), QSize(512, 384));
    QVERIFY(sameAsPreview(w));
    // On screen: each Picture pixel is a 2 x 2 block of its mixed colour.
    const QImage shown = image->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(511, 383), QPoint(301, 77)})
      QCOMPARE(shown.pixel(p), QRgb(w.images().composite.at(p.x() / 2, p.y() / 2)));
  }

  void everyRefreshAndEveryPenPointReachThePreview() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.RefreshPicture(true);
    // A hidden preview catches up when it is shown.
    w.TogglePreviewPanel();
    QVERIFY(sameAsPreview(w));
    Picture& pic = w.state().picture;
    for (int line = 16; line < 24; ++line) pic.pixels(0)[size_t(5 * 192 + line)] ^= 0xFF;
    const RgbImage before = w.previewPanel()->image()->canvas();
    w.RedrawCell(5, 2);
    const RgbImage& now = w.previewPanel()->image()->canvas();
    QVERIFY(sameBlock(now, 80, 32, w.images().preview, 80, 32, 16, 16));
    QVERIFY(!sameBlock(now, 80, 32, before, 80, 32, 16, 16));
    QVERIFY(sameAsPreview(w));
  }

  void theFrameAroundThePreviewTakesTheBorderColour() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.TogglePreviewPanel();
    BorderFrame* frame = w.previewPanel()->borderFrame();
    QCOMPARE(frame->objectName(), QString("PanelBorderPreview"));
    QCOMPARE(frame->colour(), BorderColor(0, 0));
    w.state().picture.borderIndex0 = 1;
    w.state().picture.borderIndex1 = 2;
    emit w.borderChanged();
    QCOMPARE(frame->colour(), BorderColor(1, 2));
    QCOMPARE(frame->grab().toImage().pixel(3, 3), QRgb(BorderColor(1, 2)));
    // The preview sits inside it with a border on every side.
    const QRect inside = w.previewPanel()->image()->geometry();
    QVERIFY(inside.left() > 0 && inside.top() > 0 && inside.right() < frame->width() - 1 &&
            inside.bottom() < frame->height() - 1);
  }

  void upAndDownChangeTheTargetOnlyWhileThePreviewIsVisible() {
    auto s = start();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    QWindow* win = w.windowHandle();
    int& target = w.state().view.previewZoomTarget;
    QTest::keyClick(win, Qt::Key_Up);
    QCOMPARE(target, 8);
    w.TogglePreviewPanel();
    QTest::keyClick(win, Qt::Key_Down);
    QCOMPARE(target, 8);
    QTest::keyClick(win, Qt::Key_Up);
    QCOMPARE(target, 12);
    QTest::keyClick(win, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(target, 16);
    QTest::keyClick(win, Qt::Key_Up);
    QCOMPARE(target, 16);
    QTest::keyClick(win, Qt::Key_Down);
    QCOMPARE(target, 12);
    w.TogglePreviewPanel();
    QTest::keyClick(win, Qt::Key_Down);
    QCOMPARE(target, 12);
  }

  void frameClampedAtTheBottomRightWithTargetSixteenAndTheClickLandsThereAtLevelFour() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.RefreshPicture(true);
    floatPictureWindow(w, {642, 520});
    QCOMPARE(w.scrollBox()->size(), QSize(642, 520));
    QWindow* win = w.windowHandle();
    QTest::keyClick(win, Qt::Key_V);
    QTest::keyClick(win, Qt::Key_Up);
    QTest::keyClick(win, Qt::Key_Up);
    QCOMPARE(w.state().view.previewZoomTarget, 16);

    CanvasImage* image = w.previewPanel()->image();
    hover(image, QPoint(511, 383));
    // A 642 x 520 box at scale 16 shows 40 x 32 Picture pixels: the frame is
    // 80 x 64 preview pixels and ends at the Picture's bottom-right.
    QCOMPARE(w.state().view.previewCellX, 27);
    QCOMPARE(w.state().view.previewCellY, 20);
    const RgbImage& canvas = image->canvas();
    const RgbImage& preview = w.images().preview;
    QCOMPARE(canvas.at(511, 350), kGridGrey);  // right edge
    QCOMPARE(canvas.at(511, 351), kCharGridDot);
    QCOMPARE(canvas.at(470, 383), kGridGrey);  // bottom edge
    QCOMPARE(canvas.at(471, 383), kCharGridDot);
    QVERIFY(sameBlock(canvas, 455, 343, preview, 455, 343, 55, 39));  // inside, past the icon
    QVERIFY(sameBlock(canvas, 0, 0, preview, 0, 0, 431, 384));        // left of the frame
    // The icon of the target zoom in the frame's top-left corner.
    QImage icon(22, 22, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter(&icon).drawImage(0, 0, MakeIcon(Icon::Zoom4));
    for (int y = 0; y < 22; ++y)
      for (int x = 0; x < 22; ++x) QCOMPARE(QRgb(canvas.at(432 + x, 320 + y)), icon.pixel(x, y));

    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(511, 383));
    QCOMPARE(w.state().view.zoomLevel, 4);
    QCOMPARE(w.scrollBox()->horizontal().scroll, 16 * 27 * 8);
    QCOMPARE(w.scrollBox()->vertical().scroll, 16 * 20 * 8);
    // The view's top-left shows Picture pixel (216, 160), the frame's corner.
    QWidget* vp = w.scrollBox()->viewport();
    QCOMPARE(w.editorImage()->mapFrom(vp, QPoint(1, 1)) / 16, QPoint(216, 160));
    QVERIFY(w.previewPanel()->isHidden());
    QVERIFY(!s->find<ToolKey>("KEY_Preview")->outerLowered());
  }

  void anyButtonJumpsAtTheTargetsLevel() {
    for (const auto& [target, level, button] :
         {std::tuple{8, 2, Qt::RightButton}, std::tuple{12, 3, Qt::MiddleButton}}) {
      auto s = start();
      MainWindow& w = s->w();
      QVERIFY(cs::test::showAndWait(w));
      floatPictureWindow(w, {642, 520});
      w.TogglePreviewPanel();
      w.state().view.previewZoomTarget = target;
      CanvasImage* image = w.previewPanel()->image();
      hover(image, QPoint(40, 50));
      QTest::mouseClick(image, button, {}, QPoint(40, 50));
      QCOMPARE(w.state().view.zoomLevel, level);
      QCOMPARE(w.scrollBox()->horizontal().scroll, 4 * level * 2 * 8);
      QCOMPARE(w.scrollBox()->vertical().scroll, 4 * level * 3 * 8);
      QVERIFY(w.previewPanel()->isHidden());
    }
  }

  void movingOverTheBorderFrameWipesTheTargetFrame() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.RefreshPicture(true);
    w.TogglePreviewPanel();
    hover(w.previewPanel()->image(), QPoint(100, 100));
    QVERIFY(!sameAsPreview(w));
    hover(w.previewPanel()->borderFrame(), QPoint(10, 10));
    QVERIFY(sameAsPreview(w));
  }

  void theMagnifierShowsEightyEightPixelsAroundTheMouseButNeverColumn255() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.RefreshPicture(true);
    QTest::keyClick(w.windowHandle(), Qt::Key_V, Qt::AltModifier);
    CanvasImage* magnifier = s->find<CanvasImage>("Editor_IMG_ZoomPreview");
    QVERIFY(magnifier && magnifier->isVisible());
    QCOMPARE(magnifier->size(), QSize(176, 176));
    const RgbImage& composite = w.images().composite;

    hover(w.editorImage(), QPoint(100 * 4 + 2, 60 * 4 + 3));
    QVERIFY(sameBlock(magnifier->canvas(), 0, 0, w.images().preview, 2 * 56, 2 * 16, 176, 176));

    // At the far right the last column shown is Picture column 254.
    w.scrollBox()->scrollTo(5000, 5000);
    hover(w.editorImage(), QPoint(1023, 767));
    for (int y = 0; y < 176; ++y) {
      QCOMPARE(magnifier->canvas().at(175, y), composite.at(254, 104 + y / 2));
      QCOMPARE(magnifier->canvas().at(0, y), composite.at(167, 104 + y / 2));
    }
    QCOMPARE(QRgb(magnifier->grab().toImage().pixel(175, 175)), QRgb(composite.at(254, 191)));
  }

  void theMagnifierFollowsTheMouseEvenWhileTheClickGuardHoldsAndCopiesTheFrameToo() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    w.RefreshPicture(true);
    w.ToggleZoomPreviewPanel();
    w.state().clickGuard = true;
    hover(w.editorImage(), QPoint(0, 0));
    CanvasImage* magnifier = w.zoomPreviewPanel()->image();
    QVERIFY(sameBlock(magnifier->canvas(), 0, 0, w.images().preview, 0, 0, 176, 176));
    QCOMPARE(w.state().zoomPreviewMouse, (ImagePoint{0, 0}));
    // It reads the preview image as shown, with the target frame on it.
    w.TogglePreviewPanel();
    hover(w.previewPanel()->image(), QPoint(20, 20));
    hover(w.editorImage(), QPoint(1, 1));
    QVERIFY(sameBlock(magnifier->canvas(), 0, 0, w.previewPanel()->image()->canvas(), 0, 0, 176, 176));
    QCOMPARE(magnifier->canvas().at(16, 17), kCharGridDot);  // the frame's left edge at (16, 16)
  }

  void aPenPointAnUndoAndARedoShowInTheMagnifierAtOnce() {
    auto s = startWithPicture();
    MainWindow& w = s->w();
    QVERIFY(cs::test::showAndWait(w));
    Picture& pic = w.state().picture;
    pic.attrs(0)[0] = 1;  // INK0 blue, PAP0 bright white: the bit shows
    pic.attrs(0)[1] = 14;
    w.RefreshPicture(true);
    w.ToggleZoomPreviewPanel();
    hover(w.editorImage(), QPoint(0, 0));
    const Rgb before = w.images().composite.at(0, 0);
    TakeUndoSnapshot(w.state());
    pic.pixels(0)[0] ^= 0x80;
    w.RedrawCell(0, 0);
    CanvasImage* magnifier = w.zoomPreviewPanel()->image();
    QVERIFY(w.images().composite.at(0, 0) != before);
    QCOMPARE(magnifier->canvas().at(1, 1), w.images().composite.at(0, 0));
    QVERIFY(sameBlock(magnifier->canvas(), 0, 0, w.images().preview, 0, 0, 176, 176));
    const Rgb after = w.images().composite.at(0, 0);
    for (const Rgb shown : {before, after}) {
      w.keyPressed(Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(magnifier->canvas().at(1, 1), shown);
    }
  }
};

QTEST_MAIN(PreviewPanelsTest)
#include "test_preview_panels.moc"
