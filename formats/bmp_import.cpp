// Windows and OS/2 bitmaps without compression: 1, 4 and 8 bits through a
// colour table, 16 and 32 bits through channel masks (5-5-5 and 8-8-8 when
// the file names none), 24 bits as blue, green, red. Rows are stored bottom
// up unless the height is negative. Run-length compressed files are refused.
#include <bit>
#include <cstring>

#include "formats/image_decoders.h"
#include "model/translatable.h"

namespace cs {

namespace {

FileError damaged() { return FileError::format(CS_TRANSLATE_NOOP("Core", "The BMP image is damaged.")); }

uint32_t u32(std::span<const uint8_t> b, std::size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint32_t u16(std::span<const uint8_t> b, std::size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8; }

// One channel out of a pixel by its mask, scaled to 0..255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;
  explicit Channel(uint32_t m) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    max = m >> shift;
  }
  uint8_t of(uint32_t pixel, uint8_t absent) const {
    if (!mask) return absent;
    return static_cast<uint8_t>((((pixel & mask) >> shift) * 255 + max / 2) / max);
  }
};

struct Header {
  int64_t width = 0, height = 0;
  int bits = 0;
  uint32_t compression = 0, colours = 0;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::size_t tableAt = 0, entrySize = 4;
};

FileError readHeader(std::span<const uint8_t> b, Header& h) {
  if (b.size() < 26) return damaged();
  const uint32_t size = u32(b, 14);
  if (size == 12) {  // OS/2 1.x
    h.width = u16(b, 18), h.height = u16(b, 20), h.bits = int(u16(b, 24));
    h.tableAt = 26, h.entrySize = 3;
    return {};
  }
  if (size < 40 || b.size() < 14 + std::size_t{size}) return damaged();
  h.width = int32_t(u32(b, 18)), h.height = int32_t(u32(b, 22)), h.bits = int(u16(b, 28));
  h.compression = u32(b, 30), h.colours = u32(b, 46);
  h.tableAt = 14 + std::size_t{size};
  if (h.compression == 3 || h.compression == 6) {
    const int count = h.compression == 6 ? 4 : 3;
    // A plain 40-byte header has its masks after it; larger ones hold them.
    const std::size_t at = size == 40 ? h.tableAt : 54;
    if (b.size() < at + 4 * std::size_t(count)) return damaged();
    for (int i = 0; i < count; ++i) h.masks[i] = u32(b, at + 4 * std::size_t(i));
    if (size == 40) h.tableAt += 4 * std::size_t(count);
  } else if (h.compression != 0) {
    return FileError::format(CS_TRANSLATE_NOOP("Core", "Compressed BMP images are not read."));
  }
  if (size >= 56 && h.compression != 0 && h.compression != 6) h.masks[3] = u32(b, 66);
  return {};
}

}  // namespace

FileError DecodeBmpPixels(std::span<const uint8_t> b, RgbaPixels& out, std::size_t maxPixels) {
  Header h;
  if (FileError err = readHeader(b, h)) return err;
  const bool topDown = h.height < 0;
  const int64_t height = topDown ? -h.height : h.height;
  if (h.width < 0) return damaged();
  if (FileError err = CheckImageSize(std::size_t(h.width), std::size_t(height), maxPixels)) return err;
  const int bits = h.bits;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return damaged();
  if ((bits == 24 || bits < 16) && h.compression != 0) return damaged();
  if (bits == 16 && !h.masks[0] && !h.masks[1] && !h.masks[2]) h.masks[0] = 0x7C00, h.masks[1] = 0x3E0, h.masks[2] = 0x1F;
  if (bits == 32 && !h.masks[0] && !h.masks[1] && !h.masks[2])
    h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;

  // The colour table, blue, green, red (and a spare byte) per entry.
  std::vector<uint8_t> table;
  if (bits <= 8) {
    const std::size_t count = h.colours ? std::min<std::size_t>(h.colours, std::size_t{1} << bits) : std::size_t{1} << bits;
    if (b.size() < h.tableAt + count * h.entrySize) return damaged();
    table.assign(std::size_t{256} * 3, 0);
    for (std::size_t i = 0; i < count; ++i)
      for (int c = 0; c < 3; ++c) table[i * 3 + std::size_t(2 - c)] = b[h.tableAt + i * h.entrySize + std::size_t(c)];
  }
  const std::size_t pixelsAt = u32(b, 10);
  const std::size_t w = std::size_t(h.width), rows = std::size_t(height);
  const std::size_t stride = (w * std::size_t(bits) + 31) / 32 * 4;
  if (pixelsAt > b.size() || (b.size() - pixelsAt) / stride < rows) return damaged();

  const Channel r(h.masks[0]), g(h.masks[1]), bl(h.masks[2]), a(h.masks[3]);
  out.width = int(w);
  out.height = int(rows);
  out.rgba.assign(w * rows * 4, 0);
  for (std::size_t y = 0; y < rows; ++y) {
    const uint8_t* src = b.data() + pixelsAt + (topDown ? y : rows - 1 - y) * stride;
    uint8_t* p = out.rgba.data() + y * w * 4;
    for (std::size_t x = 0; x < w; ++x, p += 4) {
      if (bits <= 8) {
        const std::size_t bit = x * std::size_t(bits);
        const unsigned index = (src[bit / 8] >> (8 - bits - int(bit % 8))) & ((1u << bits) - 1);
        std::memcpy(p, &table[index * 3], 3);
        p[3] = 255;
      } else if (bits == 24) {
        p[0] = src[x * 3 + 2], p[1] = src[x * 3 + 1], p[2] = src[x * 3], p[3] = 255;
      } else {
        const uint32_t v = bits == 16 ? u16({src, stride}, x * 2) : u32({src, stride}, x * 4);
        p[0] = r.of(v, 0), p[1] = g.of(v, 0), p[2] = bl.of(v, 0), p[3] = a.of(v, 255);
      }
    }
  }
  // Many writers name an alpha mask but leave every alpha at 0: such an
  // image is meant opaque.
  bool anyAlpha = false;
  for (std::size_t i = 3; i < out.rgba.size() && !anyAlpha; i += 4) anyAlpha = out.rgba[i] != 0;
  if (!anyAlpha)
    for (std::size_t i = 3; i < out.rgba.size(); i += 4) out.rgba[i] = 255;
  return {};
}

}  // namespace cs
