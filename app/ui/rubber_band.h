// Drawing the rubber band of an open shape over the editor image: a line, a
// rectangle outline or an ellipse between the shape's anchor and the mouse,
// in the current mix's colour with a pen one picture pixel wide. The band
// lives on the screen only; the next refresh of the image removes it.
#pragma once

#include <QColor>
#include <QRect>
#include <QRegion>

#include "edit/instruments.h"

class QPainter;

namespace cs {

void DrawRubberBand(QPainter& p, const RubberBand& band, QColor colour, int penWidth);
// The editor-image rectangle the band can touch.
QRect RubberBandBounds(const RubberBand& band, int penWidth);
// The part of the editor image the band can touch, for a repaint of just
// that: thin rectangles along a line and along a rectangle's four sides, so
// a long diagonal band does not repaint the whole box it spans.
QRegion RubberBandRegion(const RubberBand& band, int penWidth);

}  // namespace cs
