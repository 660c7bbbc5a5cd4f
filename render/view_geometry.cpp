#include "render/view_geometry.h"

#include <algorithm>

namespace cs {

AxisPlacement CentreAxis(int viewport, int panelLength) {
  if (panelLength < viewport) return {(viewport - panelLength) / 2, 0};
  return {0, 0};
}

int CentrePixel(int viewport, AxisPlacement now, int scale, int pictureLength) {
  // The image starts one border pixel inside the panel.
  const double imageStart = now.offset + kEditPanelBorder - now.scroll;
  const double centre = (viewport / 2.0 - imageStart) / scale;
  return std::clamp(static_cast<int>(centre), 0, pictureLength - 1);
}

AxisPlacement ZoomAxis(int viewport, int centrePixel, int newScale, int pictureLength) {
  const int imageLength = pictureLength * newScale;
  const int panelLength = imageLength + 2 * kEditPanelBorder;
  if (panelLength < viewport) return CentreAxis(viewport, panelLength);
  const double wanted = (centrePixel - viewport / 2.0 / newScale) * newScale;
  const int scroll = wanted < 0 ? 0 : static_cast<int>(wanted);
  return {0, std::min(scroll, MaxScroll(panelLength, viewport))};
}

int WheelZoomTarget(int zoomLevel, bool wheelUp, bool wheelReady) {
  if (!wheelReady) return 0;
  if (wheelUp) return zoomLevel < kMaxZoom ? zoomLevel + 1 : 0;
  return zoomLevel > kMinZoom ? zoomLevel - 1 : 0;
}

}  // namespace cs
