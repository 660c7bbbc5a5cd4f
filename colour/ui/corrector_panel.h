// The content of the colour-corrector window: both screens alone in their
// ZX colours at twice the size, where a drag chooses a block of cells; the
// anchor cell's four colours on strips and its 3 x 3 neighbourhood magnified,
// per screen; the sixteen buttons that rearrange the block's colours. It is
// built as children of the window it is given, at that window's client
// coordinates below its 17-pixel caption strip.
#pragma once

#include <QImage>
#include <QObject>
#include <QWidget>
#include <array>
#include <vector>

#include "colour/corrector_views.h"
#include "model/editor_state.h"

class QPushButton;

namespace cs {

class BevelBox;

inline constexpr int kCorrectorPanelWidth = 1041;
inline constexpr int kCorrectorPanelHeight = 617;

// An image of the corrector that shows a buffer of the corrector's images in
// place (it must keep its size for the widget's life) and reports presses,
// moves with a button held and releases, any button, in its own pixels.
class CorrectorImage : public QWidget {
  Q_OBJECT
 public:
  CorrectorImage(const QString& name, const RgbImage& image, QWidget* parent);
  const RgbImage& image() const { return image_; }

 signals:
  void pressed(QPoint pos);
  void moved(QPoint pos);
  void released(QPoint pos);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  const RgbImage& image_;
  QImage view_;  // wraps image_, no copy
};

class CorrectorPanel : public QObject {
  Q_OBJECT
 public:
  CorrectorPanel(EditorState& state, const ComposedImages& composed, const OverlayPatterns& patterns,
                 QWidget* panel);

  // Strips with their markers, the stretched screens and the neighbourhoods,
  // from the Picture and the last composition.
  void RedrawCorrector();
  // The screen views alone, from the last composition.
  void ShowScreens();
  // The neighbourhood boxes take the height of three magnified cell rows.
  void FitCellHeight();
  // The dashed block frame at the current ants phase, over both screen
  // views; only the frame's edges are repainted.
  void DrawCorrectorFrame();
  // After the Picture was refreshed: while the window is shown, a new cell
  // height resizes the neighbourhood boxes and redraws the corrector.
  void followCellHeight();

  void runOperation(CorrectorOp op, const QString& caption = {});
  void correctorPress(QPoint pos);
  void correctorMove(QPoint pos);
  void correctorRelease(QPoint pos);

  const CorrectorImages& images() const { return images_; }

 signals:
  // An operation rewrote the block in the Picture's planes; `caption` is
  // its button's.
  void pictureChanged(const QString& caption);

 private:
  void buildViews(QWidget* panel);
  void buildButtons(QWidget* panel);
  void repaintAll();

  EditorState& state_;
  const ComposedImages& composed_;
  const OverlayPatterns& patterns_;
  QWidget* panel_;
  CorrectorImages images_;
  std::vector<Segment> frameSegments_;      // reused between ticks
  std::array<CorrectorImage*, 2> views_{};  // IMGCorrector0, IMGCorrector1
  std::array<CorrectorImage*, kCorrectorStripCount> strips_{};
  std::array<QWidget*, 2> charBoxes_{};     // PanelCorrChar0, PanelCorrChar1
  std::array<CorrectorImage*, 2> chars_{};  // IMGCorrChar0, IMGCorrChar1
  int fittedCellHeight_ = 0;
};

}  // namespace cs
