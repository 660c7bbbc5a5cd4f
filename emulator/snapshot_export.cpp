#include "emulator/snapshot_export.h"

#include <libspectrum.h>

#include <memory>
#include <span>

#include "emulator/embedded_code.h"
#include "emulator/multicolour.h"
#include "emulator/zx_machine.h"
#include "formats/file_io.h"
#include "formats/file_name.h"
#include "model/translatable.h"

namespace cs {

namespace {

// A bank for the snap, from libspectrum's allocator: the snap frees it.
std::span<uint8_t, kBankSize> newBank(libspectrum_snap* snap, int bank) {
  auto* page = static_cast<uint8_t*>(libspectrum_malloc0_n(kBankSize, 1));
  libspectrum_snap_set_pages(snap, bank, page);
  return std::span<uint8_t, kBankSize>(page, kBankSize);
}

libspectrum_id_t idOf(SnapshotKind kind) {
  switch (kind) {
    case SnapshotKind::Sna: return LIBSPECTRUM_ID_SNAPSHOT_SNA;
    case SnapshotKind::Z80: return LIBSPECTRUM_ID_SNAPSHOT_Z80;
    case SnapshotKind::Szx: return LIBSPECTRUM_ID_SNAPSHOT_SZX;
  }
  return LIBSPECTRUM_ID_SNAPSHOT_SZX;
}

}  // namespace

std::vector<uint8_t> EncodeViewerSnapshot(const Picture& pic, SnapshotKind kind) {
  static const bool ready = libspectrum_init() == LIBSPECTRUM_ERROR_NONE;
  if (!ready) return {};
  std::unique_ptr<libspectrum_snap, decltype(&libspectrum_snap_free)> snap(libspectrum_snap_alloc(),
                                                                           libspectrum_snap_free);
  libspectrum_snap_set_machine(snap.get(), LIBSPECTRUM_MACHINE_PENT);
  // The kinds of fixed layout hold all eight banks; an SZX file leaves out
  // the ones the viewer does not use.
  if (kind != SnapshotKind::Szx)
    for (int bank = 0; bank < 8; ++bank) newBank(snap.get(), bank);
  const auto bankOf = [&](int bank) {
    libspectrum_byte* page = libspectrum_snap_pages(snap.get(), bank);
    return page ? std::span<uint8_t, kBankSize>(page, kBankSize) : newBank(snap.get(), bank);
  };
  FillScreenBank(pic, 0, bankOf(kScreen0Bank));
  FillScreenBank(pic, 1, bankOf(kScreen1Bank));
  const auto viewer = bankOf(kViewerBank);
  FillViewerBank(pic, ViewerCode(), viewer);
  if (pic.cellHeight() != 8) {
    FillLinesViewer(viewer, pic.cellHeight());
    const auto fill = pic.cellHeight() == 1 ? FillStream : FillRowStream;
    for (int s = 0; s < 2; ++s)
      fill(pic, s, std::span<uint8_t>(bankOf(kStreamBanks[s])).subspan(kStreamAddress - 0xC000));
  }
  // The viewer sets all of this up itself; the snapshot agrees with it so
  // that the first frame is already the viewer's.
  libspectrum_snap_set_pc(snap.get(), kViewerStart);
  libspectrum_snap_set_sp(snap.get(), kViewerStack);
  libspectrum_snap_set_i(snap.get(), kViewerVectorPage);
  libspectrum_snap_set_im(snap.get(), 2);
  libspectrum_snap_set_iff1(snap.get(), 0);
  libspectrum_snap_set_iff2(snap.get(), 0);
  libspectrum_snap_set_out_128_memoryport(snap.get(), kViewerPaging);
  libspectrum_snap_set_out_ula(snap.get(), pic.borderIndex0 & 7);

  libspectrum_byte* buffer = nullptr;
  size_t length = 0;
  int flags = 0;
  if (libspectrum_snap_write(&buffer, &length, &flags, snap.get(), idOf(kind), nullptr, 0) != LIBSPECTRUM_ERROR_NONE)
    return {};
  std::vector<uint8_t> bytes(buffer, buffer + length);
  libspectrum_free(buffer);
  return bytes;
}

bool SnapshotKindOfName(const std::string& name, SnapshotKind& kind) {
  const std::string ext = LowerExtension(name);
  if (ext == ".szx") kind = SnapshotKind::Szx;
  else if (ext == ".z80") kind = SnapshotKind::Z80;
  else if (ext == ".sna") kind = SnapshotKind::Sna;
  else return false;
  return true;
}

FileError WriteViewerSnapshot(const std::string& name, const Picture& pic, SnapshotKind kind) {
  const std::vector<uint8_t> bytes = EncodeViewerSnapshot(pic, kind);
  if (bytes.empty())
    return FileError::format(CS_TRANSLATE_NOOP("Core", "the snapshot library could not write the snapshot"));
  return WriteFileAtomic(name, bytes);
}

}  // namespace cs
