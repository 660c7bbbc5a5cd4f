#include "render/reference_layer.h"

#include <algorithm>

#include "formats/image_file.h"
#include "formats/picture_kinds.h"
#include "render/compose.h"

namespace cs {

void BuildReferenceLayer(const uint32_t* argb, std::ptrdiff_t stride, int opacity, ReferenceLayer& out) {
  // opacity / 100 in 256ths, applied to the coverage and to the
  // premultiplied colours alike.
  const uint32_t o = uint32_t(std::clamp(opacity, 0, 100)) * 256u;
  for (int y = 0; y < kLines; ++y) {
    const uint32_t* src = argb + y * stride;
    ReferenceTexel* dst = out.texels.data() + std::size_t(y) * kWidth;
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t p = src[x];
      dst[x].weight = uint16_t(((p >> 24) * o + 12750) / 25500);
      dst[x].r = uint16_t((((p >> 16) & 0xFF) * o + 50) / 100);
      dst[x].g = uint16_t((((p >> 8) & 0xFF) * o + 50) / 100);
      dst[x].b = uint16_t(((p & 0xFF) * o + 50) / 100);
    }
  }
}

void BlendReferenceArea(RgbImage& target, int scale, const ReferenceLayer& layer, int x, int y, int width,
                        int height) {
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min({target.width(), x + width, kWidth * scale});
  const int y1 = std::min({target.height(), y + height, kLines * scale});
  for (int ty = y0; ty < y1; ++ty) {
    Rgb* line = target.row(ty);
    const ReferenceTexel* texels = layer.row(ty / scale);
    for (int tx = x0; tx < x1; ++tx) line[tx] = BlendReference(line[tx], texels[tx / scale]);
  }
}

FileError LoadReferenceImage(const std::string& name, const ColourTables& tables, RgbImage& out) {
  if (const PictureKind* kind = PictureKindOf(name)) {
    Picture pic;
    std::string note;
    if (FileError err = LoadPicture(*kind, name, pic, note)) return err;
    ComposedImages images;
    ComposePicture(pic, tables, images);
    RgbImage mix(kWidth, kLines);
    for (int y = 0; y < kLines; ++y) std::copy_n(images.composite.row(y), kWidth, mix.row(y));
    out = std::move(mix);
    return {};
  }
  return ReadImageFile(name, out);
}

}  // namespace cs
