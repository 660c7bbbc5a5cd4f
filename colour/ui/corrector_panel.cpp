#include "colour/ui/corrector_panel.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "colour/ui/palette_widgets.h"

namespace cs {

namespace {

constexpr QPoint kViewAt[2] = {{3, 22}, {520, 22}};
constexpr QPoint kCharBoxAt[2] = {{8, 414}, {520, 414}};

// A sunken one-pixel box whose content sits at (1, 1).
QFrame* sunkenBox(const char* name, QRect where, QWidget* panel) {
  auto* box = new QFrame(panel);
  box->setObjectName(name);
  box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  box->setLineWidth(1);
  box->setGeometry(where);
  return box;
}

}  // namespace

CorrectorImage::CorrectorImage(const QString& name, const RgbImage& image, QWidget* parent)
    : QWidget(parent),
      image_(image),
      view_(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(), image.bytesPerLine(),
            QImage::Format_RGB32) {
  setObjectName(name);
  setFixedSize(image.width(), image.height());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CorrectorImage::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  for (const QRect& r : e->region()) p.drawImage(r, view_, r);
}

void CorrectorImage::mousePressEvent(QMouseEvent* e) { emit pressed(e->position().toPoint()); }
void CorrectorImage::mouseMoveEvent(QMouseEvent* e) { emit moved(e->position().toPoint()); }
void CorrectorImage::mouseReleaseEvent(QMouseEvent* e) { emit released(e->position().toPoint()); }

CorrectorPanel::CorrectorPanel(EditorState& state, const ComposedImages& composed,
                               const OverlayPatterns& patterns, QWidget* panel)
    : QObject(panel), state_(state), composed_(composed), patterns_(patterns), panel_(panel) {
  buildViews(panel);
  buildButtons(panel);
  FitCellHeight();
}

void CorrectorPanel::buildViews(QWidget* panel) {
  static const char* const kViews[2] = {"IMGCorrector0", "IMGCorrector1"};
  for (size_t s = 0; s < 2; ++s) {
    auto* view = new CorrectorImage(kViews[s], images_.screens[s], panel);
    view->move(kViewAt[s]);
    // Both views share the handlers and the one block.
    connect(view, &CorrectorImage::pressed, this, &CorrectorPanel::correctorPress);
    connect(view, &CorrectorImage::moved, this, &CorrectorPanel::correctorMove);
    connect(view, &CorrectorImage::released, this, &CorrectorPanel::correctorRelease);
    views_[s] = view;
  }

  // The strips are named as the ZX attribute fields; each marks the colour
  // the editor calls by the other name (ImgCorrPAP0 marks INK0).
  static const struct {
    const char* box;
    const char* strip;
    const char* label;
    const char* caption;
    QPoint at;
    QPoint labelAt;
  } kStrips[kCorrectorStripCount] = {
      {"Panel13", "ImgCorrPAP0", "LabelCorrP0", "P0", {143, 414}, {124, 415}},
      {"Panel14", "ImgCorrINK0", "LabelCorrI0", "I0", {143, 437}, {124, 438}},
      {"Panel15", "ImgCorrPAP1", "LabelCorrP1", "P1", {655, 414}, {635, 415}},
      {"Panel16", "ImgCorrINK1", "LabelCorrI1", "I1", {655, 437}, {635, 438}},
  };
  for (size_t i = 0; i < kCorrectorStripCount; ++i) {
    const auto& s = kStrips[i];
    const RgbImage& img = images_.strips[i];
    QFrame* box =
        sunkenBox(s.box, QRect(s.at - QPoint(1, 1), QSize(img.width() + 2, img.height() + 2)), panel);
    strips_[i] = new CorrectorImage(s.strip, img, box);
    strips_[i]->move(1, 1);
    auto* label = new QLabel(s.caption, panel);
    label->setObjectName(s.label);
    label->move(s.labelAt);
    label->adjustSize();
  }

  static const char* const kBoxes[2] = {"PanelCorrChar0", "PanelCorrChar1"};
  static const char* const kChars[2] = {"IMGCorrChar0", "IMGCorrChar1"};
  for (size_t s = 0; s < 2; ++s) {
    charBoxes_[s] =
        sunkenBox(kBoxes[s], QRect(kCharBoxAt[s], QSize(kCharViewBoxWidth, CharViewBoxHeight(8))), panel);
    chars_[s] = new CorrectorImage(kChars[s], images_.chars[s], charBoxes_[s]);
    chars_[s]->move(1, 1);
  }

  // The Picture has no FLASH: these only say what they would be.
  for (const auto& [name, x] : {std::pair{"SCFlash0", 391}, std::pair{"SCFlash1", 903}}) {
    auto* flash = new BevelBox(name, panel);
    flash->setGeometry(x, 414, 25, 41);
    flash->setCaption("F");
    flash->setToolTip(tr("Flash on/off"));
  }
}

void CorrectorPanel::buildButtons(QWidget* panel) {
  static const struct {
    const char* name;
    const char* caption;
    QRect where;
    CorrectorOp op;
  } kButtons[kCorrectorOpCount] = {
      {"Button2", QT_TR_NOOP("Invert All"), {120, 464, 65, 25}, CorrectorOp::InvertAll0},
      {"Button11", QT_TR_NOOP("Invert RGB"), {184, 464, 73, 25}, CorrectorOp::InvertRgb0},
      {"Button13", QT_TR_NOOP("Invert PIX"), {256, 464, 73, 25}, CorrectorOp::InvertPix0},
      {"Button8", QT_TR_NOOP("CopyR All"), {120, 488, 65, 25}, CorrectorOp::CopyRAll},
      {"Button15", QT_TR_NOOP("CopyR RGB"), {184, 488, 73, 25}, CorrectorOp::CopyRRgb},
      {"Button16", QT_TR_NOOP("CopyR PIX"), {256, 488, 73, 25}, CorrectorOp::CopyRPix},
      {"Button3", QT_TR_NOOP("Invert All"), {632, 464, 65, 25}, CorrectorOp::InvertAll1},
      {"Button12", QT_TR_NOOP("Invert RGB"), {696, 464, 73, 25}, CorrectorOp::InvertRgb1},
      {"Button14", QT_TR_NOOP("Invert PIX"), {768, 464, 73, 25}, CorrectorOp::InvertPix1},
      {"Button17", QT_TR_NOOP("CopyL All"), {632, 488, 65, 25}, CorrectorOp::CopyLAll},
      {"Button18", QT_TR_NOOP("CopyL RGB"), {696, 488, 73, 25}, CorrectorOp::CopyLRgb},
      {"Button9", QT_TR_NOOP("CopyL PIX"), {768, 488, 73, 25}, CorrectorOp::CopyLPix},
      {"Button1", QT_TR_NOOP("Exchange Chars between screens"), {8, 552, 1025, 25}, CorrectorOp::Exchange},
      {"Button6", QT_TR_NOOP("Invert All"), {8, 577, 81, 25}, CorrectorOp::InvertAllBoth},
      {"Button7", QT_TR_NOOP("Invert RGB"), {88, 577, 81, 25}, CorrectorOp::InvertRgbBoth},
      {"Button10", QT_TR_NOOP("Invert PIX"), {168, 577, 81, 25}, CorrectorOp::InvertPixBoth},
  };
  for (const auto& b : kButtons) {
    const QString caption = tr(b.caption);
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(b.name);
    button->setGeometry(b.where);
    button->setFocusPolicy(Qt::NoFocus);
    const CorrectorOp op = b.op;
    connect(button, &QPushButton::clicked, this, [this, op, caption] { runOperation(op, caption); });
  }
}

void CorrectorPanel::RedrawCorrector() {
  RedrawCorrectorImages(state_.picture, composed_, state_.corrector, patterns_, images_);
  repaintAll();
}

void CorrectorPanel::ShowScreens() {
  StretchScreen(composed_.screen0, images_.screens[0]);
  StretchScreen(composed_.screen1, images_.screens[1]);
  for (CorrectorImage* v : views_) v->update();
}

void CorrectorPanel::repaintAll() {
  for (CorrectorImage* v : views_) v->update();
  for (CorrectorImage* s : strips_) s->update();
  for (CorrectorImage* c : chars_) c->update();
}

void CorrectorPanel::FitCellHeight() {
  const int h = state_.picture.cellHeight();
  fittedCellHeight_ = h;
  for (size_t s = 0; s < 2; ++s) {
    charBoxes_[s]->resize(kCharViewBoxWidth, CharViewBoxHeight(h));
    // The box shows the magnified rows and separators inside its border.
    chars_[s]->setFixedSize(kCharViewSize, CharViewBoxHeight(h) - 2);
  }
}

void CorrectorPanel::followCellHeight() {
  if (!panel_->isVisible() || state_.picture.cellHeight() == fittedCellHeight_) return;
  FitCellHeight();
  RedrawCorrector();
}

void CorrectorPanel::DrawCorrectorFrame() {
  const int h = state_.picture.cellHeight();
  const CorrectorBlock b = UsedBlock(state_.corrector, h);
  for (size_t s = 0; s < 2; ++s) {
    cs::DrawCorrectorFrame(images_.screens[s], b, h, state_.antsPhase, patterns_, frameSegments_);
    for (const ScreenRect& r : AntsEdgeRects(CorrectorFrame(b, h)))
      views_[s]->update(r.x, r.y, r.width, r.height);
  }
}

void CorrectorPanel::runOperation(CorrectorOp op, const QString& caption) {
  ApplyCorrectorOp(op, UsedBlock(state_.corrector, state_.picture.cellHeight()), state_.picture);
  emit pictureChanged(caption);
  RedrawCorrector();
}

void CorrectorPanel::correctorPress(QPoint pos) {
  CorrectorPress(state_.corrector, state_.picture.cellHeight(), pos.x(), pos.y());
  RedrawCorrector();
}

void CorrectorPanel::correctorMove(QPoint pos) {
  if (CorrectorMove(state_.corrector, state_.picture.cellHeight(), pos.x(), pos.y())) RedrawCorrector();
}

void CorrectorPanel::correctorRelease(QPoint pos) {
  CorrectorRelease(state_.corrector, state_.picture.cellHeight(), pos.x(), pos.y());
  RedrawCorrector();
}

}  // namespace cs
