#include "formats/snapshot_file.h"

#include <zlib.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "formats/screen_file.h"
#include "formats/zx_screen.h"
#include "model/translatable.h"

namespace cs {

namespace {

using Bytes = std::span<const uint8_t>;
constexpr std::size_t kPage = 16384;
constexpr int kScreenBanks[2] = {5, 7};
// Room past a screen unpacked from a .z80 page: its copies write whole
// words, up to a run's length past the screen.
constexpr std::size_t kUnpackSlack = 264;

uint32_t le(Bytes b, std::size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

// What a snapshot gives the Picture: the screens of RAM banks 5 and 7 (the
// first 6912 bytes of each), straight from the file where it holds them
// plainly, else unpacked into `unpacked`; bank 7 only on machines with
// 128K paging. Only the screens are unpacked: the rest of the memory never
// reaches the Picture.
struct Screens {
  const uint8_t* bank[2] = {nullptr, nullptr};
  bool banked = false;
  uint8_t border = 0;
  std::array<std::array<uint8_t, kScrFileSize + kUnpackSlack>, 2> unpacked;
};

// .sna: a 27-byte header and the 48K of RAM from 0x4000 on; a 128K one then
// has 4 more bytes and the banks not yet stored, in ascending order.
std::string readSna(Bytes b, Screens& out) {
  if (b.size() != 49179 && b.size() != 131103 && b.size() != 147487)
    return FormatText(
        CS_TRANSLATE_NOOP("Core", "an .sna file has 49179, 131103 or 147487 bytes, this one %1"),
        {std::to_string(b.size())});
  constexpr std::size_t kRam = 27;
  out.border = b[26] & 7;
  out.bank[0] = b.data() + kRam;
  if (b.size() == 49179) {
    // The program counter is on the stack, which must lie in RAM.
    const uint32_t sp = le(b, 23, 2);
    if (sp < 0x4000 || sp == 0xFFFF)
      return CS_TRANSLATE_NOOP("Core", "the .sna stack pointer is outside RAM");
    return {};
  }
  out.banked = true;
  // Banks 5, 2 and the one paged at 0xC000 come first; a paged 5 or 2 is
  // stored twice, and both copies must agree.
  const unsigned paged = b[kRam + 3 * kPage + 2] & 7;
  const std::size_t rest = kRam + 3 * kPage + 4;
  if (paged == 5 || paged == 2) {
    if (std::memcmp(b.data() + kRam + (paged == 5 ? 0 : kPage), b.data() + kRam + 2 * kPage, kPage) != 0)
      return FormatText(CS_TRANSLATE_NOOP("Core", "the .sna file's two copies of bank %1 differ"),
                        {std::to_string(paged)});
  }
  std::size_t stored = 0;
  for (unsigned bank = 0; bank < 8; ++bank) {
    if (bank == 5 || bank == 2 || bank == paged) continue;
    if (bank == 7 && rest + (stored + 1) * kPage <= b.size()) out.bank[1] = b.data() + rest + stored * kPage;
    ++stored;
  }
  if (paged == 7) out.bank[1] = b.data() + kRam + 2 * kPage;
  if (rest + stored * kPage > b.size())
    return FormatText(CS_TRANSLATE_NOOP("Core", "an .sna file with bank %1 paged in has 147487 bytes"),
                      {std::to_string(paged)});
  return {};
}

// The run-length code of .z80 memory: ED ED n b is n bytes b, any other byte
// itself. Unpacks into `to` until its `room` bytes are full (`to` has
// kUnpackSlack bytes more), then only counts the rest when `countAll`.
// Returns the unpacked length, or SIZE_MAX when a run is cut off.
std::size_t unpackZ80(Bytes in, uint8_t* to, std::size_t room, bool countAll) {
  std::size_t done = 0;
  const uint8_t* at = in.data();
  const uint8_t* end = at + in.size();
  constexpr uint64_t kOnes = 0x0101010101010101u;
  while (at < end && done < room) {
    // Plain bytes up to the next ED, sixteen at a time where the processor
    // allows; the branch on finding one lets it run ahead through plain
    // stretches. The byte loop below finishes what is left.
#if defined(__SSE2__)
    while (end - at >= 16 && done < room) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + done), bytes);
      const int found = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(-0x13)));
      if (found) {
        const auto plain = static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(found)));
        at += plain;
        done += plain;
        break;
      }
      at += 16;
      done += 16;
    }
#endif
    while (at < end && done < room && *at != 0xED) to[done++] = *at++;
    if (at == end || done >= room) break;
    // At an ED: a run, or a plain ED when no second one follows.
    if (end - at >= 2 && at[1] == 0xED) {
      if (end - at < 4) return SIZE_MAX;
      // Most runs are short: 32 bytes are filled at once, longer runs on.
      const uint64_t fill = at[3] * kOnes;
      for (int k = 0; k < 32; k += 8) std::memcpy(to + done + static_cast<std::size_t>(k), &fill, 8);
      for (int k = 32; k < at[2]; k += 8) std::memcpy(to + done + static_cast<std::size_t>(k), &fill, 8);
      done += at[2];
      at += 4;
    } else {
      to[done++] = *at++;
    }
  }
  while (countAll && at < end) {
    const auto* ed = static_cast<const uint8_t*>(std::memchr(at, 0xED, static_cast<std::size_t>(end - at)));
    done += static_cast<std::size_t>((ed ? ed : end) - at);
    at = ed ? ed : end;
    if (at == end) break;
    if (end - at >= 2 && at[1] == 0xED) {
      if (end - at < 4) return SIZE_MAX;
      done += at[2];
      at += 4;
    } else {
      ++done;
      ++at;
    }
  }
  return done;
}

std::string unknownZ80Hardware(unsigned type) {
  return FormatText(CS_TRANSLATE_NOOP("Core", "the .z80 hardware type %1 is unknown"),
                    {std::to_string(type)});
}

// Whether a .z80 hardware type pages 128K; false for 48K-like machines, an
// error for types no machine has. Version 2 numbers the 128K types 3 and 4,
// version 3 numbers them 4 to 6 (3 is a 48K with an MGT interface).
std::string z80Machine(unsigned type, int version, bool& banked) {
  if (type < 7) {
    const unsigned first128 = version == 2 ? 3 : 4;
    if (version == 2 && type > 4) return unknownZ80Hardware(type);
    banked = type >= first128;
    return {};
  }
  switch (type) {
    case 7: case 8: case 9: case 10: case 12: case 13: banked = true; return {};  // +3, Pentagon, Scorpion, +2, +2A
    case 14: case 15: case 128: banked = false; return {};                        // Timex machines
    default: return unknownZ80Hardware(type);
  }
}

// .z80: a 30-byte header, then version 1's 48K in one block; versions 2 and
// 3 have an extra header and 16K pages, each with its length (0xFFFF: stored
// plainly) and number (8 is RAM at 0x4000 or bank 5, 10 is bank 7).
std::string readZ80(Bytes b, Screens& out) {
  if (b.size() < 30) return CS_TRANSLATE_NOOP("Core", "a .z80 file has a 30-byte header");
  out.border = (b[12] >> 1) & 7;
  if (le(b, 6, 2) != 0) {
    // Version 1: 48K of RAM from 0x4000, packed up to the end marker 00 ED ED 00.
    const Bytes memory = b.subspan(30);
    if (!(b[12] & 0x20)) {
      if (memory.size() < 3 * kPage) return CS_TRANSLATE_NOOP("Core", "the .z80 memory is cut off");
      out.bank[0] = memory.data();
      return {};
    }
    static constexpr uint8_t kEnd[4] = {0x00, 0xED, 0xED, 0x00};
    const uint8_t* end = std::search(memory.data(), memory.data() + memory.size(), kEnd, kEnd + 4);
    if (end == memory.data() + memory.size())
      return CS_TRANSLATE_NOOP("Core", "the .z80 memory has no end marker");
    const std::size_t length = unpackZ80(memory.first(static_cast<std::size_t>(end - memory.data())),
                                         out.unpacked[0].data(), kScrFileSize, true);
    if (length != 3 * kPage) return CS_TRANSLATE_NOOP("Core", "the .z80 memory does not unpack to 48K");
    out.bank[0] = out.unpacked[0].data();
    return {};
  }
  if (b.size() < 32) return CS_TRANSLATE_NOOP("Core", "the .z80 extra header is cut off");
  const std::size_t extra = le(b, 30, 2);
  if (extra != 23 && extra != 54 && extra != 55)
    return CS_TRANSLATE_NOOP("Core", "the .z80 extra header has an unknown length");
  std::size_t at = 32 + extra;
  if (at > b.size()) return CS_TRANSLATE_NOOP("Core", "the .z80 extra header is cut off");
  if (std::string error = z80Machine(b[34], extra == 23 ? 2 : 3, out.banked); !error.empty()) return error;
  static constexpr uint8_t kSlt[6] = {0, 0, 0, 'S', 'L', 'T'};
  Bytes pages[2];
  while (at < b.size()) {
    if (b.size() - at < 3) return CS_TRANSLATE_NOOP("Core", "a .z80 memory block's header is cut off");
    // A level loader's data follows the pages behind its signature.
    if (b.size() - at >= 8 && std::memcmp(b.data() + at, kSlt, 6) == 0) break;
    const std::size_t length = le(b, at, 2) == 0xFFFF ? kPage : le(b, at, 2);
    const unsigned page = b[at + 2];
    at += 3;
    if (b.size() - at < length) return CS_TRANSLATE_NOOP("Core", "a .z80 memory block runs past the end");
    if (page == 0 || page > 18)
      return FormatText(CS_TRANSLATE_NOOP("Core", "a .z80 memory block has the unknown page %1"),
                        {std::to_string(page)});
    for (int s = 0; s < 2; ++s)
      if (page == 8u + 2 * unsigned(s)) {
        if (!pages[s].empty())
          return FormatText(CS_TRANSLATE_NOOP("Core", "the .z80 file holds page %1 twice"),
                            {std::to_string(page)});
        pages[s] = b.subspan(at - 3, length + 3);
      }
    at += length;
  }
  for (int s = 0; s < (out.banked ? 2 : 1); ++s) {
    if (pages[s].empty()) continue;
    const Bytes data = pages[s].subspan(3);
    if (le(pages[s], 0, 2) == 0xFFFF) {
      out.bank[s] = data.data();
      continue;
    }
    const std::size_t length = unpackZ80(data, out.unpacked[size_t(s)].data(), kScrFileSize, false);
    if (length == SIZE_MAX) return CS_TRANSLATE_NOOP("Core", "a .z80 page ends inside a run");
    if (length < kScrFileSize) return CS_TRANSLATE_NOOP("Core", "a .z80 page unpacks to less than a screen");
    out.bank[s] = out.unpacked[size_t(s)].data();
  }
  return {};
}

// Inflates the first 6912 bytes of zlib streams, the inflater's state set
// up once for all of a file's pages. The deflate data is inflated raw
// behind the 2-byte zlib header: its checksum covers all 16K, and only a
// screen is unpacked.
class ScreenInflater {
 public:
  ScreenInflater() = default;
  ScreenInflater(const ScreenInflater&) = delete;
  ScreenInflater& operator=(const ScreenInflater&) = delete;
  ~ScreenInflater() {
    if (ready_) inflateEnd(&z_);
  }

  // False when the stream is damaged or shorter than a screen.
  bool screen(Bytes packed, uint8_t* to) {
    // Deflate (method 8) with a window of at most 32K, no preset
    // dictionary, the header a multiple of 31.
    if (packed.size() < 2 || (packed[0] & 0x0F) != 8 || (packed[0] >> 4) > 7 || (packed[1] & 0x20) ||
        (packed[0] << 8 | packed[1]) % 31 != 0)
      return false;
    if (!ready_ && inflateInit2(&z_, -15) != Z_OK) return false;
    if (ready_ && inflateReset(&z_) != Z_OK) return false;
    ready_ = true;
    z_.next_in = const_cast<Bytef*>(packed.data() + 2);
    z_.avail_in = static_cast<uInt>(packed.size() - 2);
    z_.next_out = to;
    z_.avail_out = kScrFileSize;
    const int result = inflate(&z_, Z_SYNC_FLUSH);
    return (result == Z_OK || result == Z_STREAM_END) && z_.avail_out == 0;
  }

 private:
  z_stream z_{};
  bool ready_ = false;
};

// .szx: "ZXST", versions, machine and flags, then blocks of a 4-letter name
// and a length; each RAMP block one 16K RAM page, zlib-packed when its flags
// say so, and SPCR the ports, the border first.
std::string readSzx(Bytes b, Screens& out) {
  if (b.size() < 8 || std::memcmp(b.data(), "ZXST", 4) != 0)
    return CS_TRANSLATE_NOOP("Core", "an .szx file starts with \"ZXST\"");
  const unsigned machine = b[6];
  if (machine > 16)
    return FormatText(CS_TRANSLATE_NOOP("Core", "the .szx machine type %1 is unknown"),
                      {std::to_string(machine)});
  // 16K, 48K, the Timex machines and the NTSC 48K have no 128K paging.
  out.banked = !(machine <= 1 || machine == 8 || machine == 9 || machine == 12 || machine == 15);
  Bytes pages[2];
  for (std::size_t at = 8; at < b.size();) {
    if (b.size() - at < 8) return CS_TRANSLATE_NOOP("Core", "an .szx block's header is cut off");
    const std::size_t length = le(b, at + 4, 4);
    const Bytes name = b.subspan(at, 4);
    at += 8;
    if (b.size() - at < length) return CS_TRANSLATE_NOOP("Core", "an .szx block runs past the end");
    const Bytes data = b.subspan(at, length);
    at += length;
    if (std::memcmp(name.data(), "SPCR", 4) == 0) {
      if (length != 8)
        return FormatText(CS_TRANSLATE_NOOP("Core", "an .szx SPCR block has %1 bytes, not 8"),
                          {std::to_string(length)});
      out.border = data[0] & 7;
    } else if (std::memcmp(name.data(), "RAMP", 4) == 0) {
      if (length < 3) return CS_TRANSLATE_NOOP("Core", "an .szx RAMP block is cut off");
      const unsigned page = data[2];
      if (page > 63)
        return FormatText(CS_TRANSLATE_NOOP("Core", "an .szx RAMP block has the unknown page %1"),
                          {std::to_string(page)});
      if (!(data[0] & 1) && length - 3 < kPage)
        return CS_TRANSLATE_NOOP("Core", "an .szx RAM page is cut off");
      for (int s = 0; s < 2; ++s)
        if (page == unsigned(kScreenBanks[s])) pages[s] = data;
    }
  }
  ScreenInflater inflater;
  for (int s = 0; s < (out.banked ? 2 : 1); ++s) {
    if (pages[s].empty()) continue;
    if (!(pages[s][0] & 1)) {
      out.bank[s] = pages[s].data() + 3;
    } else {
      if (!inflater.screen(pages[s].subspan(3), out.unpacked[size_t(s)].data()))
        return FormatText(CS_TRANSLATE_NOOP("Core", "the packed RAM page %1 is damaged"),
                          {std::to_string(kScreenBanks[s])});
      out.bank[s] = out.unpacked[size_t(s)].data();
    }
  }
  return {};
}

}  // namespace

FileError DecodeSnapshot(std::span<const uint8_t> bytes, SnapshotKind kind, Picture& pic, std::string& note) {
  note.clear();
  Screens screens;
  std::string error;
  switch (kind) {
    case SnapshotKind::Sna: error = readSna(bytes, screens); break;
    case SnapshotKind::Z80: error = readZ80(bytes, screens); break;
    case SnapshotKind::Szx: error = readSzx(bytes, screens); break;
  }
  if (!error.empty()) return FileError::format(error);
  const int count = screens.banked ? 2 : 1;
  for (int s = 0; s < count; ++s)
    if (!screens.bank[s])
      return FileError::format(FormatText(CS_TRANSLATE_NOOP("Core", "the snapshot has no RAM bank %1"),
                                          {std::to_string(kScreenBanks[s])}));

  // The whole file is checked: the screens go straight into the Picture,
  // bank 5's into both for a 48K machine.
  for (int s = 0; s < count; ++s) ScreenToPlanes(screens.bank[s], 8, pic, s);
  if (count == 1) CopyScreen0ToScreen1(pic);
  pic.vertSize = 8;
  pic.borderIndex0 = screens.border;
  pic.borderIndex1 = screens.border;
  return {};
}

}  // namespace cs
