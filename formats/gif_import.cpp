// GIF through giflib: the first frame, placed on the image's logical screen
// over black, its transparent colour (if any) left black as well.
#include <gif_lib.h>

#include <cstring>

#include "formats/image_decoders.h"
#include "model/translatable.h"

namespace cs {

namespace {

FileError damaged() { return FileError::format(CS_TRANSLATE_NOOP("Core", "The GIF image is damaged.")); }

struct Source {
  std::span<const uint8_t> bytes;
  std::size_t offset = 0;
};

int readFromSpan(GifFileType* gif, GifByteType* data, int size) {
  auto* s = static_cast<Source*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), s->bytes.size() - s->offset);
  std::memcpy(data, s->bytes.data() + s->offset, n);
  s->offset += n;
  return static_cast<int>(n);
}

// Reads up to and including the first image's pixels, skipping extensions
// but for the graphics control block that names the transparent colour.
FileError firstFrame(GifFileType* gif, std::size_t maxPixels, RgbaPixels& out) {
  if (FileError err = CheckImageSize(static_cast<std::size_t>(gif->SWidth), static_cast<std::size_t>(gif->SHeight),
                                     maxPixels))
    return err;
  int transparent = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return damaged();
    if (record == TERMINATE_RECORD_TYPE) return damaged();
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(gif, &code, &ext) == GIF_ERROR) return damaged();
      while (ext) {
        GraphicsControlBlock gcb;
        if (code == GRAPHICS_EXT_FUNC_CODE && DGifExtensionToGCB(ext[0], ext + 1, &gcb) == GIF_OK)
          transparent = gcb.TransparentColor;
        if (DGifGetExtensionNext(gif, &ext) == GIF_ERROR) return damaged();
      }
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif) == GIF_ERROR) return damaged();
    const GifImageDesc& d = gif->Image;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map || d.Width <= 0 || d.Height <= 0 || d.Left < 0 || d.Top < 0 || d.Left + d.Width > gif->SWidth ||
        d.Top + d.Height > gif->SHeight)
      return damaged();
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    out.rgba.assign(std::size_t(out.width) * out.height * 4, 0);
    for (std::size_t i = 3; i < out.rgba.size(); i += 4) out.rgba[i] = 255;
    std::vector<GifPixelType> line(static_cast<std::size_t>(d.Width));
    // An interlaced image's rows arrive in four passes.
    static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
    const int passes = d.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass)
      for (int y = d.Interlace ? kStart[pass] : 0; y < d.Height; y += d.Interlace ? kStep[pass] : 1) {
        if (DGifGetLine(gif, line.data(), d.Width) == GIF_ERROR) return damaged();
        uint8_t* p = &out.rgba[(std::size_t(d.Top + y) * out.width + d.Left) * 4];
        for (int x = 0; x < d.Width; ++x, p += 4) {
          const int index = line[static_cast<std::size_t>(x)];
          if (index == transparent || index >= map->ColorCount) continue;
          const GifColorType& c = map->Colors[index];
          p[0] = c.Red, p[1] = c.Green, p[2] = c.Blue;
        }
      }
    return {};
  }
}

}  // namespace

FileError DecodeGifPixels(std::span<const uint8_t> bytes, RgbaPixels& out, std::size_t maxPixels) {
  Source source{bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, readFromSpan, &error);
  if (!gif) return damaged();
  const FileError err = firstFrame(gif, maxPixels, out);
  DGifCloseFile(gif, &error);
  return err;
}

}  // namespace cs
