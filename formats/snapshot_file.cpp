#include "formats/snapshot_file.h"

#include <libspectrum.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <memory>

#include "formats/screen_file.h"
#include "formats/zx_screen.h"

namespace cs {

namespace {

constexpr int kScreenBanks[2] = {5, 7};

libspectrum_id_t idOf(SnapshotKind kind) {
  switch (kind) {
    case SnapshotKind::Sna: return LIBSPECTRUM_ID_SNAPSHOT_SNA;
    case SnapshotKind::Z80: return LIBSPECTRUM_ID_SNAPSHOT_Z80;
    case SnapshotKind::Szx: return LIBSPECTRUM_ID_SNAPSHOT_SZX;
  }
  return LIBSPECTRUM_ID_UNKNOWN;
}

uint32_t le(std::span<const uint8_t> b, std::size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

// The library trusts the lengths a file gives, so the layout of each kind is
// checked here first: every length must stay inside the file. The empty
// string means the library may read it.
std::string layoutError(std::span<const uint8_t> b, SnapshotKind kind) {
  switch (kind) {
    case SnapshotKind::Sna:
      // 48K: 27-byte header and 48 KB; 128K: 4 more bytes and 5 or 6 more banks.
      if (b.size() == 49179 || b.size() == 131103 || b.size() == 147487) return {};
      return "an .sna file has 49179, 131103 or 147487 bytes, this one " + std::to_string(b.size());
    case SnapshotKind::Z80: {
      if (b.size() < 30) return "a .z80 file has a 30-byte header";
      if (le(b, 6, 2) != 0) return {};  // version 1: one block to the end
      if (b.size() < 32) return "the .z80 extra header is cut off";
      const std::size_t extra = le(b, 30, 2);
      if (extra != 23 && extra != 54 && extra != 55) return "the .z80 extra header has an unknown length";
      std::size_t at = 32 + extra;
      if (at > b.size()) return "the .z80 extra header is cut off";
      while (at < b.size()) {
        if (b.size() - at < 3) return "a .z80 memory block's header is cut off";
        const std::size_t length = le(b, at, 2) == 0xFFFF ? 16384 : le(b, at, 2);
        at += 3;
        if (b.size() - at < length) return "a .z80 memory block runs past the end";
        at += length;
      }
      return {};
    }
    case SnapshotKind::Szx: {
      if (b.size() < 8 || std::memcmp(b.data(), "ZXST", 4) != 0) return "an .szx file starts with \"ZXST\"";
      for (std::size_t at = 8; at < b.size();) {
        if (b.size() - at < 8) return "an .szx block's header is cut off";
        const std::size_t length = le(b, at + 4, 4);
        at += 8;
        if (b.size() - at < length) return "an .szx block runs past the end";
        at += length;
      }
      return {};
    }
  }
  return "unknown kind";
}

// The library reports its errors through one hook, whose default prints them
// and stops the process on the ones it calls logic errors, which some broken
// files reach. Here every error only makes the read fail: the caller says why.
libspectrum_error quietErrors(libspectrum_error error, const char*, va_list) { return error; }

bool libraryReady() {
  static const bool ready = [] {
    libspectrum_error_function = quietErrors;
    return libspectrum_init() == LIBSPECTRUM_ERROR_NONE;
  }();
  return ready;
}

}  // namespace

FileError DecodeSnapshot(std::span<const uint8_t> bytes, SnapshotKind kind, Picture& pic, std::string& note) {
  note.clear();
  if (const std::string error = layoutError(bytes, kind); !error.empty()) return FileError::format(error);
  if (!libraryReady()) return FileError::format("the snapshot library could not start");
  std::unique_ptr<libspectrum_snap, decltype(&libspectrum_snap_free)> snap(libspectrum_snap_alloc(),
                                                                           libspectrum_snap_free);
  if (libspectrum_snap_read(snap.get(), bytes.data(), bytes.size(), idOf(kind), nullptr) != LIBSPECTRUM_ERROR_NONE)
    return FileError::format("the snapshot library cannot read it");
  const bool banked =
      libspectrum_machine_capabilities(libspectrum_snap_machine(snap.get())) & LIBSPECTRUM_MACHINE_CAPABILITY_128_MEMORY;
  const int screens = banked ? 2 : 1;
  for (int s = 0; s < screens; ++s)
    if (!libspectrum_snap_pages(snap.get(), kScreenBanks[s]))
      return FileError::format("the snapshot has no RAM bank " + std::to_string(kScreenBanks[s]));

  // The library has read the whole file: the screens go straight into the
  // Picture, both from bank 5 for a 48K machine.
  for (int s = 0; s < 2; ++s) ScreenToPlanes(libspectrum_snap_pages(snap.get(), kScreenBanks[s < screens ? s : 0]), 8, pic, s);
  pic.vertSize = 8;
  pic.borderIndex0 = libspectrum_snap_out_ula(snap.get()) & 7;
  pic.borderIndex1 = pic.borderIndex0;
  return {};
}

}  // namespace cs
