#include "app/panel_placement.h"

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

int CentredOffset(int outer, int inner) { return static_cast<int>(std::trunc(outer / 2.0 - inner / 2.0)); }

}  // namespace cs
