#include "formats/zx_screen.h"

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
