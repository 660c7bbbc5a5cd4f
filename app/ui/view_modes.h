// The View menu and what it switches: the editor image, the preview and the
// magnifier show the mixed colours, the two screens alternating as on the
// Spectrum, the interlaced lines, one screen alone or the flicker-risk map,
// in chromaSmith's palette or one of the gallery's. Alternating views change
// frame with the display's refresh, at least 50 times a second. The same
// class runs "Balance flicker" of the Edit menu and keeps the flicker score
// in the status bar while the risk map is shown.
#pragma once

#include <QObject>
#include <array>

#include "colour/flicker.h"
#include "model/view_mode.h"
#include "render/screen_views.h"

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

namespace cs {

class MainWindow;

class ViewModes : public QObject {
  Q_OBJECT
 public:
  explicit ViewModes(MainWindow& window);

  // "View" goes in front of `before` in the menu bar.
  void buildMenu(QMenuBar* bar, QAction* before);
  // "Balance flicker" and "Low-flicker painting" at the end of the Edit menu.
  void addEditItems(QMenu* edit);
  void setLowFlickerPainting(bool on);

  void setMode(ViewMode mode);
  void setPalette(ViewPalette palette);

  // What the editor image, the preview and the magnifier show now, and the
  // preview frame's colour.
  const ComposedImages& shown() const;
  Rgb shownBorder() const;
  // The mixed picture and its border in the chosen palette, as PNG export
  // writes them.
  const ComposedImages& paletteMix();
  Rgb paletteBorder() const;

  // After the planes changed: every frame of the view again.
  void recompose();
  // After a pen point recoloured `cell` of the mix: the same in the view's
  // frames; returns the part of the picture whose shown pixels changed.
  CellRect redrawCell(int column, int cellRow, CellRect cell);

  // Exchanges screens cell by cell in the selection (or the whole picture)
  // where the picture flickers less that way; one undo step.
  void balanceFlicker();
  // With low-flicker painting on, after a stroke, shape or paste: the cells
  // that differ from `before` (the picture before it) take the screen
  // exchange that flickers least given their neighbours. A caller that
  // refreshes the whole picture next asks for no redraw.
  void keepFlickerLow(const Picture& before, bool redraw = true);

  // The frame now shown of an alternating view (0 or 1).
  int phase() const { return phase_; }
  // Milliseconds between two frames of an alternating view.
  int frameInterval() const;

 private:
  bool plainMix() const;
  void nextFrame();
  void showFrame();
  void showScore();

  MainWindow& w_;
  ScreenViews views_;
  ColourTables tables_;
  ComposedImages paletteMix_;
  // The risk map and its score, measured together whenever the planes change.
  FlickerMeter meter_;
  RgbImage riskMap_{kWidth, kLines};
  double score_ = 0;
  int phase_ = 0;
  QTimer* frameTimer_;
  std::array<QAction*, 6> modeActions_{};
  QAction* lowFlickerAction_ = nullptr;
  std::array<QAction*, kViewPaletteCount> paletteActions_{};
};

}  // namespace cs
