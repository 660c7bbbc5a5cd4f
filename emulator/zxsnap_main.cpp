// chromasmith-zxsnap: turns a multicolour picture file into a Pentagon 128
// snapshot that shows it. Screen 0 goes into RAM bank 5, screen 1 into bank 7
// and the viewer (viewer.asm) into bank 2; the snapshot starts the viewer,
// which flips between the two screens on every frame interrupt.
//
//   chromasmith-zxsnap IN.mg8 OUT.szx   (any of .mg1/.mg2/.mg4/.mg8; the
//                                        viewer gives every cell its own
//                                        colours in time with the beam)
//   chromasmith-zxsnap --rom OUT.rom    writes the 16 KB ROM the emulator
//                                        runs the snapshot with
#include <libspectrum.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "emulator/embedded_code.h"
#include "emulator/multicolour.h"
#include "emulator/zx_machine.h"
#include "formats/file_io.h"
#include "formats/mg_file.h"

namespace {

using namespace cs;

int fail(const std::string& text) {
  std::fprintf(stderr, "chromasmith-zxsnap: %s\n", text.c_str());
  return 1;
}

// A bank for the snap, from libspectrum's allocator: the snap frees it.
std::span<uint8_t, kBankSize> newBank(libspectrum_snap* snap, int bank) {
  auto* page = static_cast<uint8_t*>(libspectrum_malloc0_n(kBankSize, 1));
  libspectrum_snap_set_pages(snap, bank, page);
  return std::span<uint8_t, kBankSize>(page, kBankSize);
}

std::vector<uint8_t> makeSnapshot(const Picture& pic) {
  std::unique_ptr<libspectrum_snap, decltype(&libspectrum_snap_free)> snap(libspectrum_snap_alloc(),
                                                                           libspectrum_snap_free);
  libspectrum_snap_set_machine(snap.get(), LIBSPECTRUM_MACHINE_PENT);
  FillScreenBank(pic, 0, newBank(snap.get(), kScreen0Bank));
  FillScreenBank(pic, 1, newBank(snap.get(), kScreen1Bank));
  const auto viewer = newBank(snap.get(), kViewerBank);
  FillViewerBank(pic, ViewerCode(), viewer);
  if (pic.cellHeight() != 8) {
    FillLinesViewer(viewer, pic.cellHeight());
    const auto fill = pic.cellHeight() == 1 ? FillStream : FillRowStream;
    fill(pic, 0, newBank(snap.get(), kStreamBanks[0]).subspan(kStreamAddress - 0xC000));
    const auto bank7 = std::span<uint8_t, kBankSize>(libspectrum_snap_pages(snap.get(), kScreen1Bank), kBankSize);
    fill(pic, 1, std::span<uint8_t>(bank7).subspan(kStreamAddress - 0xC000));
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
  if (libspectrum_snap_write(&buffer, &length, &flags, snap.get(), LIBSPECTRUM_ID_SNAPSHOT_SZX, nullptr, 0) !=
      LIBSPECTRUM_ERROR_NONE)
    return {};
  std::vector<uint8_t> bytes(buffer, buffer + length);
  libspectrum_free(buffer);
  return bytes;
}

const char* const kUsage =
    "Usage: chromasmith-zxsnap IN.mgN OUT.szx\n"
    "  or:  chromasmith-zxsnap --rom OUT.rom\n"
    "  or:  chromasmith-zxsnap --help | --version\n";

const char* const kHelp =
    "\n"
    "Makes a Pentagon 128 snapshot (SZX) that shows a GigaScreen picture in an\n"
    "emulator: screen 0 in RAM bank 5, screen 1 in bank 7 and a viewer that shows\n"
    "them in turn, one each frame, with their border colours. IN.mgN is a .mg1,\n"
    ".mg2, .mg4 or .mg8 file; for cell heights 4, 2 and 1 the viewer sets every\n"
    "cell's colours in step with the beam. The emulator preview's scripts\n"
    "(view8x8.sh ...) run it and start fuse with the snapshot.\n"
    "\n"
    "Options:\n"
    "  --rom OUT.rom   write the 16 KB ROM the snapshot is run with\n"
    "  --help          show this text\n"
    "  --version       print the program's version\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written, 2 for\n"
    "wrong arguments.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 2 && first == "--help") {
    std::printf("%s%s", kUsage, kHelp);
    return 0;
  }
  if (argc == 2 && first == "--version") {
    std::printf("chromasmith-zxsnap %s\n", CHROMASMITH_VERSION);
    return 0;
  }
  if (argc != 3) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string in = argv[1], out = argv[2];
  if (in == "--rom") {
    if (const FileError err = WriteFileAtomic(out, RomCode())) return fail(out + ": " + err.text());
    return 0;
  }
  Picture pic;
  if (const FileError err = LoadMgFile(in, pic)) return fail(in + ": " + err.text());
  if (libspectrum_init() != LIBSPECTRUM_ERROR_NONE) return fail("libspectrum could not start");
  const std::vector<uint8_t> snapshot = makeSnapshot(pic);
  if (snapshot.empty()) return fail("libspectrum could not write the snapshot");
  if (const FileError err = WriteFileAtomic(out, snapshot)) return fail(out + ": " + err.text());
  return 0;
}
