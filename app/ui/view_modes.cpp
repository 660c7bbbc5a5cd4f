#include "app/ui/view_modes.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/ui/editor_image.h"
#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "app/ui/preview_panels.h"
#include "app/ui/status_bar.h"
#include "render/gallery_palette.h"

namespace cs {

namespace {

struct ModeItem {
  const char* name;
  const char* caption;
  ViewMode mode;
};
constexpr ModeItem kModes[] = {
    {"ViewMix1", QT_TRANSLATE_NOOP("cs::ViewModes", "Mix (use hotkey 'M')"), ViewMode::Mix},
    {"ViewFlicker1", QT_TRANSLATE_NOOP("cs::ViewModes", "Flicker (use hotkey 'F')"), ViewMode::Flicker},
    {"ViewInterlace1", QT_TRANSLATE_NOOP("cs::ViewModes", "Interlace (use hotkey 'I')"), ViewMode::Interlace},
    {"ViewScreen01", QT_TRANSLATE_NOOP("cs::ViewModes", "Screen 0 (use hotkey 'T')"), ViewMode::Screen0},
    {"ViewScreen11", QT_TRANSLATE_NOOP("cs::ViewModes", "Screen 1 (use hotkey 'U')"), ViewMode::Screen1},
    {"ViewFlickerRisk1", QT_TRANSLATE_NOOP("cs::ViewModes", "Flicker risk (use hotkey 'R')"),
     ViewMode::FlickerRisk},
};

// A risk map pixel depends on the 16 x 16 box around it: a changed cell
// changes the map up to 8 pixels beyond its edges.
CellRect reachOf(CellRect r) {
  const int x0 = std::max(0, r.x - 8), y0 = std::max(0, r.y - 8);
  const int x1 = std::min(kWidth, r.x + r.width + 8), y1 = std::min(kLines, r.y + r.height + 8);
  return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

ViewModes::ViewModes(MainWindow& window) : QObject(&window), w_(window), frameTimer_(new QTimer(this)) {
  frameTimer_->setObjectName("TimerFlicker");
  frameTimer_->setTimerType(Qt::PreciseTimer);
  connect(frameTimer_, &QTimer::timeout, this, &ViewModes::nextFrame);
}

void ViewModes::buildMenu(QMenuBar* bar, QAction* before) {
  auto* menu = new QMenu(tr("View"), bar);
  menu->setObjectName("View1");
  bar->insertMenu(before, menu);
  auto* modes = new QActionGroup(menu);
  for (std::size_t i = 0; i < std::size(kModes); ++i) {
    const ViewMode m = kModes[i].mode;
    QAction* a = AddMenuItem(menu, kModes[i].name, tr(kModes[i].caption), this, [this, m] { setMode(m); });
    a->setCheckable(true);
    a->setChecked(m == w_.state().viewMode);
    modes->addAction(a);
    modeActions_[i] = a;
  }
  menu->addSeparator();
  QMenu* palettes = menu->addMenu(tr("Palette"));
  palettes->setObjectName("ViewPalette1");
  auto* group = new QActionGroup(palettes);
  for (int i = 0; i < kViewPaletteCount; ++i) {
    const auto p = static_cast<ViewPalette>(i);
    QAction* a = AddMenuItem(palettes, QString("ViewPalette_") + viewPaletteName(p), viewPaletteName(p), this,
                             [this, p] { setPalette(p); });
    a->setCheckable(true);
    a->setChecked(p == w_.state().viewPalette);
    group->addAction(a);
    paletteActions_[static_cast<std::size_t>(i)] = a;
  }
}

void ViewModes::addEditItems(QMenu* edit) {
  edit->addSeparator();
  AddMenuItem(edit, "BalanceFlicker1", tr("Balance flicker"), this, [this] { balanceFlicker(); });
  lowFlickerAction_ = AddMenuItem(edit, "LowFlickerPainting1", tr("Low-flicker painting"), this,
                                  [this](bool on) { w_.state().lowFlickerPainting = on; });
  lowFlickerAction_->setCheckable(true);
  lowFlickerAction_->setChecked(w_.state().lowFlickerPainting);
}

void ViewModes::setLowFlickerPainting(bool on) {
  w_.state().lowFlickerPainting = on;
  if (lowFlickerAction_) lowFlickerAction_->setChecked(on);
}

bool ViewModes::plainMix() const {
  return w_.state().viewMode == ViewMode::Mix && w_.state().viewPalette == ViewPalette::ChromaSmith;
}

void ViewModes::setMode(ViewMode mode) {
  w_.state().viewMode = mode;
  for (std::size_t i = 0; i < std::size(kModes); ++i)
    if (kModes[i].mode == mode && modeActions_[i]) modeActions_[i]->setChecked(true);
  phase_ = 0;
  recompose();
  if (views_.frameCount() > 1 && !plainMix()) {
    frameTimer_->start(frameInterval());
  } else {
    frameTimer_->stop();
  }
  showFrame();
  showScore();
}

void ViewModes::setPalette(ViewPalette palette) {
  w_.state().viewPalette = palette;
  if (QAction* a = paletteActions_[static_cast<std::size_t>(palette)]) a->setChecked(true);
  tables_ = ViewPaletteTables(palette);
  recompose();
  showFrame();
}

int ViewModes::frameInterval() const {
  // One frame per refresh of the display where it refreshes at 50 Hz or
  // more; else an even 50 Hz.
  const QScreen* screen = w_.screen();
  const double rate = screen ? screen->refreshRate() : 0;
  if (rate >= 50) return std::max(1, static_cast<int>(std::floor(1000.0 / rate)));
  return 20;
}

const ComposedImages& ViewModes::shown() const {
  return plainMix() ? w_.images() : views_.frame(phase_);
}

Rgb ViewModes::shownBorder() const {
  const Picture& pic = w_.state().picture;
  return plainMix() ? BorderColor(pic.borderIndex0, pic.borderIndex1) : views_.border(phase_);
}

const ComposedImages& ViewModes::paletteMix() {
  if (w_.state().viewPalette == ViewPalette::ChromaSmith) return w_.images();
  ComposePicture(w_.state().picture, tables_, paletteMix_);
  return paletteMix_;
}

Rgb ViewModes::paletteBorder() const {
  const Picture& pic = w_.state().picture;
  return mixedBorder(tables_, pic.borderIndex0, pic.borderIndex1);
}

void ViewModes::recompose() {
  if (plainMix()) return;
  const Picture& pic = w_.state().picture;
  const ViewMode mode = w_.state().viewMode;
  if (mode == ViewMode::FlickerRisk) {
    score_ = meter_.score(pic, &riskMap_);
    views_.compose(pic, mode, tables_, &riskMap_);
  } else {
    views_.compose(pic, mode, tables_);
  }
  showScore();
}

CellRect ViewModes::redrawCell(int column, int cellRow, CellRect cell) {
  if (plainMix()) return cell;
  if (w_.state().viewMode == ViewMode::FlickerRisk) {
    recompose();
    return reachOf(cell);
  }
  return views_.composeCell(w_.state().picture, column, cellRow);
}

void ViewModes::nextFrame() {
  phase_ ^= 1;
  showFrame();
}

void ViewModes::showFrame() {
  EditorImage* editor = w_.editorImage();
  if (!editor) return;
  editor->canvas().setImages(shown());
  editor->update();
  w_.refreshPreviews();
}

void ViewModes::showScore() {
  StatusBar* bar = w_.statusBar1();
  if (!bar) return;
  const bool on = w_.state().viewMode == ViewMode::FlickerRisk;
  bar->flickerScore()->setText(on ? tr("Flicker: %1").arg(score_, 0, 'f', 1) : QString());
}

void ViewModes::balanceFlicker() {
  EditorState& s = w_.state();
  const CellBlock block = s.selection.visible
                              ? CellBlock{s.selection.left, s.selection.top, s.selection.width, s.selection.height}
                              : WholePicture(s.picture);
  TakeUndoSnapshot(s);
  BalanceFlicker(s.picture, w_.tables().mix, block);
  w_.RefreshPicture(true);
  w_.history()->record(tr("Balance flicker"));
}

void ViewModes::keepFlickerLow(const Picture& before, bool redraw) {
  EditorState& s = w_.state();
  if (!s.lowFlickerPainting) return;
  if (BalanceTouchedCells(s.picture, before, w_.tables().mix).empty() || !redraw) return;
  // The mix stays as it was: the mixed picture needs no redraw, the views
  // of single screens and the risk map are made again once.
  if (plainMix()) return;
  recompose();
  showFrame();
}

}  // namespace cs
