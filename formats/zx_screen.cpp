#include "formats/zx_screen.h"

#include <cstring>

#include "model/colour.h"

namespace cs {

void PlaneToDisplayFile(const uint8_t* plane, uint8_t* displayFile) {
  for (int line = 0; line < kLines; ++line) {
    uint8_t* row = displayFile + ScreenRowOffset(line);
    for (int column = 0; column < kColumns; ++column) row[column] = plane[pixelIndex(column, line)];
  }
}

void DisplayFileToPlane(const uint8_t* displayFile, uint8_t* plane) {
  for (int line = 0; line < kLines; ++line) {
    const uint8_t* row = displayFile + ScreenRowOffset(line);
    for (int column = 0; column < kColumns; ++column) plane[pixelIndex(column, line)] = row[column];
  }
}

uint8_t AttributeAt(const uint8_t* attrPlane, int column, int line) {
  const int a = attrIndex(column, line);
  return AttributeByte(attrPlane[a], attrPlane[a + 1]);
}

void SetCellAttribute(uint8_t* attrPlane, int column, int firstLine, int count, uint8_t attribute) {
  const InkPap c = SplitAttribute(attribute);
  for (int line = firstLine; line < firstLine + count; ++line) {
    const int a = attrIndex(column, line);
    attrPlane[a] = c.ink;
    attrPlane[a + 1] = c.pap;
  }
}

}  // namespace cs

namespace cs {

bool OuterColumnsHideColours(const uint8_t* attrPlane) {
  for (int column = 0; column < kColumns; ++column) {
    if (!isOuterColumn(column)) continue;
    const uint8_t* entries = attrPlane + attrIndex(column, 0);
    for (int line = 0; line < kLines; ++line)
      if (entries[line * 2] != entries[line / 8 * 16] || entries[line * 2 + 1] != entries[line / 8 * 16 + 1])
        return true;
  }
  return false;
}

}  // namespace cs

namespace cs {

void CopyScreen0ToScreen1(Picture& pic) {
  std::memcpy(pic.pixels(1), pic.pixels(0), kPixelPlaneSize);
  std::memcpy(pic.attrs(1), pic.attrs(0), kAttrPlaneSize);
}

std::string SizeMismatch(const char* kind, const char* sizes, std::size_t size) {
  return std::string("a ") + kind + " file has " + sizes + " bytes, this one " + std::to_string(size);
}

}  // namespace cs
