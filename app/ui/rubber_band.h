// Drawing the rubber band of an open shape over the editor image: a line, a
// rectangle outline or an ellipse between the shape's anchor and the mouse,
// in the current mix's colour with a pen one picture pixel wide. The band
// lives on the screen only; the next refresh of the image removes it.
#pragma once

#include <QColor>
#include <QRect>

#include "edit/instruments.h"

class QPainter;

namespace cs {

void DrawRubberBand(QPainter& p, const RubberBand& band, QColor colour, int penWidth);
// The editor-image rectangle the band can touch, for a repaint of just it.
QRect RubberBandBounds(const RubberBand& band, int penWidth);

}  // namespace cs
