#include "render/reference_placement.h"

#include <algorithm>
#include <cmath>

#include "model/picture.h"

namespace cs {

namespace {

// Nearest whole number of picture pixels, halves away from zero on both
// sides, so a drag back by the same amount returns to where it started.
int nearestPixels(int screen, int pixelScale) {
  const int half = pixelScale / 2;
  return screen >= 0 ? (screen + half) / pixelScale : -((-screen + half) / pixelScale);
}

int sizeAt(int imageLength, double factor, int scale) {
  return std::max(1, static_cast<int>(std::lround(imageLength * factor * scale / 100.0)));
}

}  // namespace

double ReferenceBaseFactor(int imageWidth, int imageHeight, ReferenceFit fit) {
  if (imageWidth <= 0 || imageHeight <= 0) return 1.0;
  const double fx = double(kWidth) / imageWidth, fy = double(kLines) / imageHeight;
  return fit == ReferenceFit::Fit ? std::min(fx, fy) : std::max(fx, fy);
}

PictureRect PlaceReference(int imageWidth, int imageHeight, const ReferencePlacement& p) {
  const double f = ReferenceBaseFactor(imageWidth, imageHeight, p.fit);
  const int w = sizeAt(imageWidth, f, p.scale), h = sizeAt(imageHeight, f, p.scale);
  return {floorDiv(kWidth - w, 2) + p.offsetX, floorDiv(kLines - h, 2) + p.offsetY, w, h};
}

ScreenRect ReferenceScreenRect(PictureRect r, int pixelScale) {
  return {r.x * pixelScale, r.y * pixelScale, r.width * pixelScale, r.height * pixelScale};
}

ReferencePlacement ClampPlacement(ReferencePlacement p) {
  p.scale = std::clamp(p.scale, kMinReferenceScale, kMaxReferenceScale);
  p.offsetX = std::clamp(p.offsetX, -kMaxReferenceOffset, kMaxReferenceOffset);
  p.offsetY = std::clamp(p.offsetY, -kMaxReferenceOffset, kMaxReferenceOffset);
  p.opacity = std::clamp(p.opacity, 0, 100);
  return p;
}

ReferencePlacement ScaleReferenceAbout(int imageWidth, int imageHeight, ReferencePlacement p, int newScale,
                                       double px, double py) {
  const PictureRect before = PlaceReference(imageWidth, imageHeight, p);
  // Where the point lies within the image, as a share of its size.
  const double u = (px - before.x) / before.width, v = (py - before.y) / before.height;
  p.scale = std::clamp(newScale, kMinReferenceScale, kMaxReferenceScale);
  p.offsetX = p.offsetY = 0;
  const PictureRect centred = PlaceReference(imageWidth, imageHeight, p);
  p.offsetX = static_cast<int>(std::lround(px - u * centred.width)) - centred.x;
  p.offsetY = static_cast<int>(std::lround(py - v * centred.height)) - centred.y;
  return ClampPlacement(p);
}

ReferencePlacement DragReference(ReferencePlacement atStart, int dx, int dy, int pixelScale) {
  atStart.offsetX += nearestPixels(dx, pixelScale);
  atStart.offsetY += nearestPixels(dy, pixelScale);
  return ClampPlacement(atStart);
}

int WheelReferenceScale(int scale, bool up) {
  const int step = std::max(1, scale / 8);
  return std::clamp(up ? scale + step : scale - step, kMinReferenceScale, kMaxReferenceScale);
}

}  // namespace cs
