// Draws any rectangle of the editor image: the composed picture magnified
// with its grids, line by line, straight into the image being painted when
// it is a plain raster image (a widget's backing store), else through one
// reused buffer; then the selection's ants from their dotted patterns. Only
// the requested rectangle is touched, so a repaint costs what is visible and
// a pen point costs one cell.
#pragma once

#include <QImage>
#include <array>
#include <vector>

#include "render/compose.h"
#include "render/overlays.h"
#include "render/reference_layer.h"

class QPainter;
class QRect;

namespace cs {

class EditorCanvas {
 public:
  explicit EditorCanvas(const ComposedImages& images);

  // Paints `rect` (editor-image coordinates) with the painter's origin at
  // the image's (0, 0).
  void paint(QPainter& p, const QRect& rect, const OverlayView& view);
  // The images to paint from from now on: the mix or a frame of a view.
  void setImages(const ComposedImages& images) { images_ = &images; }
  // The reference laid over the picture from now on; null: none.
  void setReference(const ReferenceLayer* layer) { reference_ = layer; }
  const ReferenceLayer* reference() const { return reference_; }

  const OverlayPatterns& patterns() const { return patterns_; }

 private:
  const ComposedImages* images_;
  const ReferenceLayer* reference_ = nullptr;
  OverlayPatterns patterns_;
  std::array<QImage, kPatternCount> patternImages_;
  // Reused between paints.
  std::vector<Segment> segments_;
  std::vector<Rgb> scratch_;
  QImage buffer_;
};

}  // namespace cs
