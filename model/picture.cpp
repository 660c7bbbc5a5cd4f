#include "model/picture.h"

#include <algorithm>
#include <cstring>

#include "model/colour.h"

namespace cs {

bool Picture::pixel(int screen, int x, int y) const {
  return (pixels(screen)[pixelIndex(x / 8, y)] & BitMask[x % 8]) != 0;
}

void Picture::setPixel(int screen, int x, int y, bool on) {
  uint8_t& b = pixels(screen)[pixelIndex(x / 8, y)];
  if (on)
    b = static_cast<uint8_t>(b | BitMask[x % 8]);
  else
    b = static_cast<uint8_t>(b & ~BitMask[x % 8]);
}

CellColours Picture::cellColours(int column, int line) const {
  const int a = attrIndex(column, attributeLine(vertSize, column, line));
  return {attrs(0)[a], attrs(0)[a + 1], attrs(1)[a], attrs(1)[a + 1]};
}

void Picture::setCellColours(int column, int line, CellColours c) {
  const int a = attrIndex(column, attributeLine(vertSize, column, line));
  attrs(0)[a] = c.ink0;
  attrs(0)[a + 1] = c.pap0;
  attrs(1)[a] = c.ink1;
  attrs(1)[a + 1] = c.pap1;
}

uint8_t Picture::screenColour(int screen, int x, int y) const {
  const int a = attrIndex(x / 8, attributeLine(vertSize, x / 8, y));
  return attrs(screen)[a + (pixel(screen, x, y) ? 1 : 0)];
}

void ClearPicture(Picture& pic) { pic.planes.fill(0); }

void NewPicture(Picture& pic, int cellHeight) {
  pic.vertSize = static_cast<uint8_t>(cellHeight);
  ClearPicture(pic);
}

void ConvertPicture(Picture& pic, int cellHeight) { pic.vertSize = static_cast<uint8_t>(cellHeight); }

void TakeUndoSnapshot(const Picture& pic, UndoSnapshot& snap) { snap.planes = pic.planes; }

void SwapUndoSnapshot(Picture& pic, UndoSnapshot& snap) { std::swap(pic.planes, snap.planes); }

}  // namespace cs
