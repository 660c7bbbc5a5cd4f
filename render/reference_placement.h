// Where the reference image lies over the picture, in whole picture pixels:
// its size from the fit and the scale, centred and then offset, so its edges
// fall on picture-pixel edges at every zoom. Also the hand moves: a drag by
// whole picture pixels and a scale about the point under the mouse.
#pragma once

#include "model/reference.h"
#include "render/view_geometry.h"

namespace cs {

// A rectangle of picture pixels; it may reach beyond the picture.
struct PictureRect {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

// Picture pixels per image pixel at 100 %: the whole image inside the
// picture (Fit) or the picture covered (Cover), the aspect kept.
double ReferenceBaseFactor(int imageWidth, int imageHeight, ReferenceFit fit);

// The picture pixels the image covers: its size rounded to whole pixels
// (at least one), centred on the picture, then moved by the offsets.
PictureRect PlaceReference(int imageWidth, int imageHeight, const ReferencePlacement& p);

// The same rectangle on the editor image at `pixelScale` screen pixels per
// picture pixel.
ScreenRect ReferenceScreenRect(PictureRect r, int pixelScale);

// Scale and offsets kept in their ranges.
ReferencePlacement ClampPlacement(ReferencePlacement p);

// The placement at `newScale` percent with the image point under the picture
// point (px, py) still under it, to within a picture pixel.
ReferencePlacement ScaleReferenceAbout(int imageWidth, int imageHeight, ReferencePlacement p, int newScale,
                                       double px, double py);

// A drag of (dx, dy) screen pixels from where the placement was `atStart`:
// the image follows by the nearest whole number of picture pixels.
ReferencePlacement DragReference(ReferencePlacement atStart, int dx, int dy, int pixelScale);

// The scale one wheel notch leads to: an eighth larger or smaller, by at
// least one percent, within 10 ... 800 %.
int WheelReferenceScale(int scale, bool up);

}  // namespace cs
