#include "render/view_geometry.h"

#include <algorithm>
#include <cmath>

namespace cs {

AxisPlacement CentreAxis(int viewport, int panelLength) {
  if (panelLength < viewport) return {(viewport - panelLength) / 2, 0};
  return {0, 0};
}

double CentrePoint(int viewport, AxisPlacement now, int scale, int pictureLength) {
  // The image starts one border pixel inside the panel.
  const double imageStart = now.offset + kEditPanelBorder - now.scroll;
  const double centre = (viewport / 2.0 - imageStart) / scale;
  return std::clamp(centre, 0.0, static_cast<double>(pictureLength));
}

AxisPlacement ZoomAxis(int viewport, double centre, int newScale, int pictureLength) {
  const int imageLength = pictureLength * newScale;
  const int panelLength = imageLength + 2 * kEditPanelBorder;
  if (panelLength < viewport) return CentreAxis(viewport, panelLength);
  const double wanted = centre * newScale + kEditPanelBorder - viewport / 2.0;
  const int scroll = wanted < 0 ? 0 : static_cast<int>(std::lround(wanted));
  return {0, std::min(scroll, MaxScroll(panelLength, viewport))};
}

int WheelZoomTarget(int zoomLevel, bool wheelUp, bool wheelReady) {
  if (!wheelReady) return 0;
  if (wheelUp) return zoomLevel < kMaxZoom ? zoomLevel + 1 : 0;
  return zoomLevel > kMinZoom ? zoomLevel - 1 : 0;
}

}  // namespace cs
