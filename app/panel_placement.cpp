#include "app/panel_placement.h"

#include <algorithm>
#include <cmath>

namespace cs {

void CaptionDrag::press(PanelPoint cursor, PanelPoint panelPos) {
  dragging_ = true;
  origin_ = cursor;
  start_ = panelPos;
}

bool CaptionDrag::move(PanelPoint cursor, PanelPoint& panelPos) const {
  if (!dragging_) return false;
  panelPos = {start_.x + (cursor.x - origin_.x), start_.y + (cursor.y - origin_.y)};
  return true;
}

PanelPoint KeepCaptionInside(PanelPoint at, int width, int height, int areaWidth, int areaHeight) {
  // In 64 bits: positions and sizes come from files and drags.
  const long long grip = std::clamp<long long>(width, 0, kCaptionGrip);
  const long long lowX = grip - width;
  const long long highX = std::max(lowX, static_cast<long long>(areaWidth) - grip);
  const long long highY = std::max(0LL, static_cast<long long>(areaHeight) - height);
  return {static_cast<int>(std::clamp<long long>(at.x, lowX, highX)),
          static_cast<int>(std::clamp<long long>(at.y, 0, highY))};
}

int CentredOffset(int outer, int inner) { return static_cast<int>(std::trunc(outer / 2.0 - inner / 2.0)); }

}  // namespace cs
