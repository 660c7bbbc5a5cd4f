// Draws any rectangle of the editor image: the composed picture scaled by
// nearest neighbour, then the grids and the selection outline copied from
// their dotted patterns. Only the requested rectangle is touched, so a
// repaint costs what is visible and a pen point costs one cell.
#pragma once

#include <QImage>
#include <array>
#include <vector>

#include "render/compose.h"
#include "render/overlays.h"

class QPainter;
class QRect;

namespace cs {

class EditorCanvas {
 public:
  explicit EditorCanvas(const ComposedImages& images);

  // Paints `rect` (editor-image coordinates) with the painter's origin at
  // the image's (0, 0).
  void paint(QPainter& p, const QRect& rect, const OverlayView& view);

  const OverlayPatterns& patterns() const { return patterns_; }

 private:
  QImage composite_;  // wraps the composite buffer, no copy
  OverlayPatterns patterns_;
  std::array<QImage, kPatternCount> patternImages_;
  std::vector<Segment> segments_;  // reused between paints
};

}  // namespace cs
