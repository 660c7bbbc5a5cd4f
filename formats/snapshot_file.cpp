#include "formats/snapshot_file.h"

#include <libspectrum.h>

#include <algorithm>
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

bool libraryReady() {
  static const bool ready = libspectrum_init() == LIBSPECTRUM_ERROR_NONE;
  return ready;
}

}  // namespace

FileError DecodeSnapshot(std::span<const uint8_t> bytes, SnapshotKind kind, Picture& pic, std::string& note) {
  note.clear();
  if (!libraryReady()) return FormatError("the snapshot library could not start");
  std::unique_ptr<libspectrum_snap, decltype(&libspectrum_snap_free)> snap(libspectrum_snap_alloc(),
                                                                           libspectrum_snap_free);
  if (libspectrum_snap_read(snap.get(), bytes.data(), bytes.size(), idOf(kind), nullptr) != LIBSPECTRUM_ERROR_NONE)
    return FormatError("the snapshot library cannot read it");
  const bool banked =
      libspectrum_machine_capabilities(libspectrum_snap_machine(snap.get())) & LIBSPECTRUM_MACHINE_CAPABILITY_128_MEMORY;
  const int screens = banked ? 2 : 1;
  for (int s = 0; s < screens; ++s)
    if (!libspectrum_snap_pages(snap.get(), kScreenBanks[s]))
      return FormatError("the snapshot has no RAM bank " + std::to_string(kScreenBanks[s]));

  Picture loaded = pic;
  for (int s = 0; s < screens; ++s) {
    Picture one = loaded;
    const std::span<const uint8_t> screen(libspectrum_snap_pages(snap.get(), kScreenBanks[s]), kScrFileSize);
    if (FileError err = DecodeScreen(screen, false, true, one)) return err;
    std::copy(one.pixels(0), one.pixels(0) + kPixelPlaneSize, loaded.pixels(s));
    std::copy(one.attrs(0), one.attrs(0) + kAttrPlaneSize, loaded.attrs(s));
  }
  if (screens == 1) CopyScreen0ToScreen1(loaded);
  loaded.vertSize = 8;
  loaded.borderIndex0 = libspectrum_snap_out_ula(snap.get()) & 7;
  loaded.borderIndex1 = loaded.borderIndex0;
  pic = loaded;
  return {};
}

}  // namespace cs
