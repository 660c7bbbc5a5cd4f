#include "app/panel_hit_test.h"

#include <algorithm>

namespace cs {

PanelZone PanelHitTest(int x, int y, int w, int h, PanelAlign align, bool moving) {
  const bool free = align == PanelAlign::None;
  if (moving && free) return PanelZone::Caption;
  if (align == PanelAlign::Client) return PanelZone::Client;
  const bool nearLeft = x <= kResizeBand, nearRight = w - x <= kResizeBand;
  const bool nearTop = y <= kResizeBand, nearBottom = h - y <= kResizeBand;
  if (free) {
    if (nearRight && nearBottom) return PanelZone::BottomRight;
    if (nearLeft && nearTop) return PanelZone::TopLeft;
    if (nearRight && nearTop) return PanelZone::TopRight;
    if (nearLeft && nearBottom) return PanelZone::BottomLeft;
  }
  // A later match replaces an earlier one.
  PanelZone zone = PanelZone::Client;
  if (nearRight && (free || align == PanelAlign::Left)) zone = PanelZone::Right;
  if (nearLeft && (free || align == PanelAlign::Right)) zone = PanelZone::Left;
  if (nearBottom && (free || align == PanelAlign::Top)) zone = PanelZone::Bottom;
  if (nearTop && (free || align == PanelAlign::Bottom)) zone = PanelZone::Top;
  return zone;
}

PanelRect ResizePanel(PanelRect r, PanelZone zone, int dx, int dy, int minWidth, int minHeight) {
  const bool left = zone == PanelZone::Left || zone == PanelZone::TopLeft || zone == PanelZone::BottomLeft;
  const bool right = zone == PanelZone::Right || zone == PanelZone::TopRight || zone == PanelZone::BottomRight;
  const bool top = zone == PanelZone::Top || zone == PanelZone::TopLeft || zone == PanelZone::TopRight;
  const bool bottom =
      zone == PanelZone::Bottom || zone == PanelZone::BottomLeft || zone == PanelZone::BottomRight;
  if (zone == PanelZone::Caption) return {r.left + dx, r.top + dy, r.width, r.height};
  PanelRect out = r;
  if (right) out.width = std::max(minWidth, r.width + dx);
  if (bottom) out.height = std::max(minHeight, r.height + dy);
  if (left) {
    out.width = std::max(minWidth, r.width - dx);
    out.left = r.left + r.width - out.width;
  }
  if (top) {
    out.height = std::max(minHeight, r.height - dy);
    out.top = r.top + r.height - out.height;
  }
  return out;
}

}  // namespace cs
