#include "render/preview_nav.h"

#include <algorithm>

#include "render/view_geometry.h"

namespace cs {

int PreviewFrameLength(int boxLength, int target) { return boxLength / 64 * 16 / target * 8; }

int PreviewCellAt(int previewCoordinate) { return previewCoordinate / kPreviewCell; }

PreviewFrame PlacePreviewFrame(ViewState& view, int boxWidth, int boxHeight) {
  const int t = view.previewZoomTarget;
  const int fw = PreviewFrameLength(boxWidth, t);
  const int fh = PreviewFrameLength(boxHeight, t);
  const int cx = kPreviewCell * view.previewCellX, cy = kPreviewCell * view.previewCellY;
  if (cx >= 0 && cx < kPreviewWidth && cy >= 0 && cy < kPreviewHeight) {
    view.previewCellX = std::min(view.previewCellX, kPreviewWidth / kPreviewCell - fw / kPreviewCell);
    view.previewCellY = std::min(view.previewCellY, kPreviewHeight / kPreviewCell - fh / kPreviewCell);
  }
  return {kPreviewCell * view.previewCellX, kPreviewCell * view.previewCellY, fw, fh};
}

void CollectPreviewFrameSegments(PreviewFrame f, std::vector<Segment>& out) {
  out.push_back({Pattern::CharGridColumn, f.x, f.y, f.height, 0});
  out.push_back({Pattern::CharGridColumn, f.x + f.width - 1, f.y, f.height, 0});
  out.push_back({Pattern::CharGridRow, f.x, f.y, f.width, 0});
  out.push_back({Pattern::CharGridRow, f.x, f.y + f.height - 1, f.width, 0});
}

int RaisedPreviewTarget(int target) { return target < kMaxPreviewTarget ? target + 4 : target; }
int LoweredPreviewTarget(int target) { return target > kMinPreviewTarget ? target - 4 : target; }

int PreviewJumpLevel(int target) { return std::clamp(target / 4, 2, 4); }

ScrollPositions PreviewJumpScroll(int pixelScale, int cellX, int cellY) {
  return {pixelScale * cellX * 8, pixelScale * cellY * 8};
}

MagnifierSource MagnifierSourceOf(ImagePoint mouse, int pixelScale) {
  const int half = kMagnifierSize / 4;  // 44 Picture pixels
  const int px = std::clamp(floorDiv(mouse.x, pixelScale) - half, 0, kMagnifierMaxColumn);
  const int py = std::clamp(floorDiv(mouse.y, pixelScale) - half, 0, kMagnifierMaxLine);
  return {2 * px, 2 * py};
}

void CopyRect(RgbImage& dst, int dx, int dy, const RgbImage& src, int sx, int sy, int w, int h) {
  // Trim the block to the part inside both images.
  const int left = std::max({0, -dx, -sx});
  const int top = std::max({0, -dy, -sy});
  const int right = std::min({w, dst.width() - dx, src.width() - sx});
  const int bottom = std::min({h, dst.height() - dy, src.height() - sy});
  if (left >= right) return;
  for (int y = top; y < bottom; ++y)
    std::copy(src.row(sy + y) + sx + left, src.row(sy + y) + sx + right, dst.row(dy + y) + dx + left);
}

}  // namespace cs
