#include "edit/selection.h"

#include <algorithm>
#include <cstring>

#include "render/view_geometry.h"

namespace cs {

namespace {

// Offsets of the record's fields.
constexpr std::size_t kFlagsAt = 0;
constexpr std::size_t kRectAt = 4;  // ten 32-bit fields from here
constexpr std::size_t kPhaseAt = 44;
constexpr std::size_t kPlanesAt = 45;

void putInt(uint8_t* at, int v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(u >> (8 * i));
}

int getInt(const uint8_t* at) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= uint32_t(at[i]) << (8 * i);
  return static_cast<int>(u);
}

// A rectangle of whole cells that fits 32 columns by 192 one-line rows.
bool rectInRange(int left, int top, int width, int height) {
  return left >= 0 && top >= 0 && width >= 0 && height >= 0 && int64_t(left) + width <= kColumns &&
         int64_t(top) + height <= kLines;
}

}  // namespace

std::array<uint8_t, kSelectionBlockSize> SerializeSelectionBlock(const EditorState& s) {
  std::array<uint8_t, kSelectionBlockSize> out{};
  const Selection& sel = s.selection;
  out[kFlagsAt] = sel.dragging ? 1 : 0;
  out[kFlagsAt + 1] = sel.visible ? 1 : 0;
  const int fields[] = {sel.left,   sel.top,     sel.anchorCol, sel.anchorRow, sel.width,
                        sel.height, s.copy.left, s.copy.top,    s.copy.width,  s.copy.height};
  for (std::size_t i = 0; i < std::size(fields); ++i) putInt(out.data() + kRectAt + 4 * i, fields[i]);
  out[kPhaseAt] = static_cast<uint8_t>(s.antsPhase);
  std::memcpy(out.data() + kPlanesAt, s.copy.planes.data(), kPlanesSize);
  return out;
}

bool ParseSelectionBlock(std::span<const uint8_t> data, SelectionBlock& out) {
  if (data.size() < kSelectionBlockSize) return false;
  const uint8_t* d = data.data();
  if (d[kFlagsAt] > 1 || d[kFlagsAt + 1] > 1) return false;
  int f[10];
  for (std::size_t i = 0; i < 10; ++i) f[i] = getInt(d + kRectAt + 4 * i);
  const int phase = d[kPhaseAt];
  if (!rectInRange(f[0], f[1], f[4], f[5]) || !rectInRange(f[6], f[7], f[8], f[9])) return false;
  if (f[2] < 0 || f[2] >= kColumns || f[3] < 0 || f[3] >= kLines) return false;
  if (phase % 4 != 0 || phase > 12) return false;
  const uint8_t* attrs = d + kPlanesAt + kPixelBlockSize;
  if (std::any_of(attrs, attrs + kAttrBlockSize, [](uint8_t c) { return c > 14; })) return false;

  out.selection.dragging = d[kFlagsAt] == 1;
  out.selection.visible = d[kFlagsAt + 1] == 1;
  out.selection.left = f[0];
  out.selection.top = f[1];
  out.selection.anchorCol = f[2];
  out.selection.anchorRow = f[3];
  out.selection.width = f[4];
  out.selection.height = f[5];
  out.copy.left = f[6];
  out.copy.top = f[7];
  out.copy.width = f[8];
  out.copy.height = f[9];
  out.antsPhase = phase;
  std::memcpy(out.copy.planes.data(), d + kPlanesAt, kPlanesSize);
  return true;
}

CellPos SelectionCellAt(const EditorState& s, int X, int Y) {
  const int scale = s.view.pixelScale();
  return {floorDiv(X, 8 * scale), floorDiv(Y, s.picture.cellHeight() * scale)};
}

namespace {

void startAt(EditorState& s, CellPos c) {
  Selection& sel = s.selection;
  sel.visible = true;
  sel.dragging = true;
  sel.left = sel.anchorCol = c.column;
  sel.top = sel.anchorRow = c.row;
  sel.width = sel.height = 1;
}

// One axis of the rectangle between the anchor and the cell under the mouse.
void spanFrom(int anchor, int at, int& start, int& length) {
  start = std::min(anchor, at);
  length = std::max(anchor, at) - start + 1;
}

}  // namespace

void SelectPress(EditorState& s, int X, int Y) { startAt(s, SelectionCellAt(s, X, Y)); }

void SelectMove(EditorState& s, int X, int Y) {
  // The mouse may leave the picture while dragging: the rectangle stops at
  // its edges.
  const CellPos c = SelectionCellAt(s, X, Y);
  const int rows = kLines / s.picture.cellHeight();
  Selection& sel = s.selection;
  spanFrom(sel.anchorCol, std::clamp(c.column, 0, kColumns - 1), sel.left, sel.width);
  spanFrom(sel.anchorRow, std::clamp(c.row, 0, rows - 1), sel.top, sel.height);
}

void SelectAll(EditorState& s) {
  Selection& sel = s.selection;
  sel.visible = true;
  sel.dragging = false;
  sel.left = sel.anchorCol = 0;
  sel.top = sel.anchorRow = 0;
  sel.width = kColumns;
  sel.height = kLines / s.picture.cellHeight();
}

bool CopySelection(EditorState& s, bool cellUnderMouse) {
  const bool select = cellUnderMouse && !s.selection.visible;
  if (select) startAt(s, SelectionCellAt(s, s.lastMousePos.x, s.lastMousePos.y));
  s.copy.left = s.selection.left;
  s.copy.top = s.selection.top;
  s.copy.width = s.selection.width;
  s.copy.height = s.selection.height;
  s.copy.planes = s.picture.planes;
  return select;
}

bool PasteSelection(EditorState& s, std::span<const uint8_t> clipboard, bool overPicture) {
  TakeUndoSnapshot(s);
  SelectionBlock block;
  if (ParseSelectionBlock(clipboard, block)) {
    s.selection = block.selection;
    s.copy = block.copy;
    s.antsPhase = block.antsPhase;
  }
  if (!overPicture) return false;
  const CellPos at = SelectionCellAt(s, s.lastMousePos.x, s.lastMousePos.y);
  const int h = s.picture.cellHeight();
  const int rows = kLines / h;
  const CopyBlock& c = s.copy;
  // Cells right of or below the Picture are dropped, and so are rows the
  // copy does not hold at this cell height. What is left of each column is
  // one run of lines in both the copy and the Picture.
  const int firstRow = std::max({0, -at.row, -c.top});
  const int endRow = std::min({c.height, rows - at.row, rows - c.top});
  if (endRow <= firstRow) return true;
  const int lines = (endRow - firstRow) * h;
  const int fromLine = (c.top + firstRow) * h, toLine = (at.row + firstRow) * h;
  for (int i = 0; i < c.width; ++i) {
    const int from = c.left + i, to = at.column + i;
    if (to < 0 || to >= kColumns || from < 0 || from >= kColumns) continue;
    for (int screen = 0; screen < 2; ++screen) {
      std::memcpy(s.picture.pixels(screen) + pixelIndex(to, toLine),
                  c.planes.data() + screen * kPixelPlaneSize + pixelIndex(from, fromLine), size_t(lines));
      std::memcpy(s.picture.attrs(screen) + attrIndex(to, toLine),
                  c.planes.data() + kPixelBlockSize + screen * kAttrPlaneSize + attrIndex(from, fromLine),
                  size_t(2 * lines));
    }
  }
  return true;
}

bool DeleteSelection(EditorState& s) {
  const Selection& sel = s.selection;
  if (!sel.visible) return false;
  TakeUndoSnapshot(s);
  const int h = s.picture.cellHeight();
  const CurrentColours& cc = s.colours;
  const uint8_t ink[2] = {cc.ink0, cc.ink1}, pap[2] = {cc.pap0, cc.pap1};
  const uint8_t bits[2] = {uint8_t(cc.bit0 ? 0xFF : 0x00), uint8_t(cc.bit1 ? 0xFF : 0x00)};
  const int lastColumn = std::min(sel.left + sel.width, kColumns);
  const int lastLine = std::min((sel.top + sel.height) * h, kLines);
  Picture& pic = s.picture;
  for (int col = std::max(sel.left, 0); col < lastColumn; ++col)
    for (int line = std::max(sel.top * h, 0); line < lastLine; ++line)
      for (int screen = 0; screen < 2; ++screen) {
        uint8_t* attr = pic.attrs(screen) + attrIndex(col, line);
        attr[0] = ink[screen];
        attr[1] = pap[screen];
        pic.pixels(screen)[pixelIndex(col, line)] = bits[screen];
      }
  return true;
}

}  // namespace cs
