#include "colour/palette_images.h"

namespace cs {

void DrawMarker(RgbImage& img, int c, int r) {
  const int x0 = 16 * c + 4, y0 = 16 * r + 4;
  if (x0 < 0 || y0 < 0 || x0 + 8 > img.width() || y0 + 8 > img.height()) return;
  img.fillRect(x0, y0, 8, 8, rgb(0, 0, 0));
  img.fillRect(x0 + 1, y0 + 1, 6, 6, rgb(255, 255, 255));
}

RgbImage MakeStripView(uint8_t index) {
  RgbImage img = MakeZxPaletteImage();
  DrawMarker(img, safeIndex(index), 0);
  return img;
}

void DrawFullPaletteMarkers(RgbImage& fullView, const CurrentColours& cc) {
  DrawMarker(fullView, cc.ink0, cc.ink1);
  DrawMarker(fullView, cc.ink0, cc.pap1);
  DrawMarker(fullView, cc.pap0, cc.ink1);
  DrawMarker(fullView, cc.pap0, cc.pap1);
}

RgbImage MakeFullPaletteView(const CurrentColours& cc) {
  RgbImage img = MakeFullPaletteImage();
  DrawFullPaletteMarkers(img, cc);
  return img;
}

RgbImage MakeBorderPaletteView(uint8_t borderIndex0, uint8_t borderIndex1) {
  RgbImage img = MakeBorderPaletteImage();
  DrawMarker(img, borderIndex0 & 7, borderIndex1 & 7);
  return img;
}

}  // namespace cs
