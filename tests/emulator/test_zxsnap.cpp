// chromasmith-zxsnap run as the scripts run it, its snapshots read back
// through libspectrum: the screens in their banks exactly as the picture
// file holds them, the viewer's start state, and the ROM it writes.
#include <gtest/gtest.h>
#include <libspectrum.h>

#include <cstdlib>
#include <cstring>

#include "formats/formats.h"
#include "formats/zx_screen.h"
#include "tests/core/format_test_util.h"

using namespace cs;
using namespace cs::testing;

namespace {

int zxsnap(const std::string& arguments) {
  return std::system((std::string(CHROMASMITH_ZXSNAP) + " " + arguments + " 2>/dev/null").c_str());
}

struct Snapshot {
  libspectrum_snap* snap = libspectrum_snap_alloc();
  explicit Snapshot(const std::vector<uint8_t>& bytes) {
    EXPECT_EQ(libspectrum_snap_read(snap, bytes.data(), bytes.size(), LIBSPECTRUM_ID_SNAPSHOT_SZX, nullptr),
              LIBSPECTRUM_ERROR_NONE);
  }
  ~Snapshot() { libspectrum_snap_free(snap); }
  std::vector<uint8_t> bank(int n, std::size_t size) const {
    const uint8_t* page = libspectrum_snap_pages(snap, n);
    return page ? std::vector<uint8_t>(page, page + size) : std::vector<uint8_t>();
  }
};

// One screen as its bank holds it: the display file, then 768 attributes.
std::vector<uint8_t> screenOf(const std::vector<uint8_t>& file, std::size_t pixels, std::size_t attributes) {
  std::vector<uint8_t> out(6912);
  std::memcpy(out.data(), file.data() + pixels, 6144);
  std::memcpy(out.data() + 6144, file.data() + attributes, 768);
  return out;
}

class Zxsnap : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(libspectrum_init(), LIBSPECTRUM_ERROR_NONE); }
  // Writes `pic` as `name`, runs the tool on it and returns the snapshot's bytes.
  std::vector<uint8_t> snapshotOf(const Picture& pic, const std::string& name) {
    EXPECT_TRUE(WriteMgFile(dir.file(name), pic).ok());
    EXPECT_EQ(zxsnap(dir.file(name) + " " + dir.file("p.szx")), 0);
    return ReadBytes(dir.file("p.szx"));
  }
  ScratchDir dir;
};

}  // namespace

TEST_F(Zxsnap, BanksHoldTheScreensOfThePictureFileAndTheViewerStartsWithItsBorders) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const Picture pic = RandomPicture(seed, 8);
    Snapshot s(snapshotOf(pic, "p.mg8"));
    const std::vector<uint8_t> file = ReadBytes(dir.file("p.mg8"));
    EXPECT_EQ(libspectrum_snap_machine(s.snap), LIBSPECTRUM_MACHINE_PENT);
    EXPECT_EQ(s.bank(5, 6912), screenOf(file, 256, 12544)) << "seed " << seed;
    EXPECT_EQ(s.bank(7, 6912), screenOf(file, 6400, 13312)) << "seed " << seed;
    const std::vector<uint8_t> viewer = s.bank(2, 5);
    ASSERT_EQ(viewer.size(), 5u);
    EXPECT_EQ(viewer[0], 0xC3) << "a jump to the viewer's start";
    EXPECT_EQ(viewer[3], pic.borderIndex0);
    EXPECT_EQ(viewer[4], pic.borderIndex1);
    EXPECT_EQ(libspectrum_snap_pc(s.snap), 0x8000);
    EXPECT_EQ(libspectrum_snap_im(s.snap), 2);
    EXPECT_EQ(libspectrum_snap_out_128_memoryport(s.snap) & 0x08, 0) << "screen 0 shown first";
    EXPECT_EQ(libspectrum_snap_pages(s.snap, 0), nullptr) << "only the banks it fills";
  }
}

TEST_F(Zxsnap, SmallerCellHeightsShowEachCellsFirstLineAsAnEightByEightCell) {
  for (int h : {4, 2, 1}) {
    const Picture pic = RandomPicture(10u + unsigned(h), h);
    Snapshot s(snapshotOf(pic, "p.mg"));

    for (int screen : {0, 1}) {
      const std::vector<uint8_t> bank = s.bank(screen ? 7 : 5, 6912);
      ASSERT_EQ(bank.size(), 6912u);
      for (int row = 0; row < 24; ++row)
        for (int column = 0; column < 32; ++column)
          ASSERT_EQ(bank[size_t(6144 + row * 32 + column)], AttributeAt(pic.attrs(screen), column, row * 8))
              << "h " << h << " screen " << screen << " row " << row << " column " << column;
    }
  }
}

TEST_F(Zxsnap, WritesItsRomAndRefusesWhatIsNoPicture) {
  ASSERT_EQ(zxsnap("--rom " + dir.file("r.rom")), 0);
  const std::vector<uint8_t> rom = ReadBytes(dir.file("r.rom"));
  ASSERT_EQ(rom.size(), 16384u);
  EXPECT_EQ(std::vector<uint8_t>(rom.begin() + 0x38, rom.begin() + 0x3A), (std::vector<uint8_t>{0xFB, 0xC9}));
  EXPECT_EQ(std::vector<uint8_t>(rom.begin() + 0x66, rom.begin() + 0x68), (std::vector<uint8_t>{0xED, 0x45}));

  WriteBytes(dir.file("bad.mg8"), std::vector<uint8_t>(14080, 'M'));
  EXPECT_NE(zxsnap(dir.file("bad.mg8") + " " + dir.file("bad.szx")), 0);
  EXPECT_NE(zxsnap(dir.file("missing.mg8") + " " + dir.file("bad.szx")), 0);
  EXPECT_NE(zxsnap(dir.file("only-one-argument")), 0);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"bad.mg8", "r.rom"}));
}

TEST_F(Zxsnap, EightByOnePicturesCarryEveryLinesCentralAttributesForTheViewer) {
  const Picture pic = RandomPicture(21u, 1);
  Snapshot s(snapshotOf(pic, "p.mg1"));

  for (int screen : {0, 1}) {
    // Bank 0 holds screen 0's stream, bank 7 screen 1's after its screen;
    // either is at 0xC000 while its screen is shown.
    const std::vector<uint8_t> bank = s.bank(screen ? 7 : 0, 16384);
    ASSERT_EQ(bank.size(), 16384u);
    for (int line = 0; line < 192; ++line)
      for (int k = 0; k < 16; ++k)
        ASSERT_EQ(bank[size_t(0x1B00 + line * 16 + k)], AttributeAt(pic.attrs(screen), 8 + k, line))
            << "screen " << screen << " line " << line << " column " << 8 + k;
  }
  const std::vector<uint8_t> viewer = s.bank(2, 16);
  EXPECT_EQ(viewer[6], 0x0F) << "the flip pages each screen's stream in with it";
  EXPECT_NE(viewer[7] | viewer[8], 0) << "line code for screen 0";
  EXPECT_NE(viewer[9] | viewer[10], 0) << "line code for screen 1";
  EXPECT_EQ(libspectrum_snap_out_128_memoryport(s.snap), 0x10) << "screen 0 with bank 0 at 0xC000";
}

TEST_F(Zxsnap, EightByFourAndEightByTwoPicturesCarryEveryCellRowsAttributesForTheViewer) {
  for (int h : {4, 2}) {
    const Picture pic = RandomPicture(20u + unsigned(h), h);
    Snapshot s(snapshotOf(pic, "p.mg"));

    for (int screen : {0, 1}) {
      const std::vector<uint8_t> bank = s.bank(screen ? 7 : 0, 16384);
      ASSERT_EQ(bank.size(), 16384u);
      for (int cellRow = 0; cellRow < 192 / h; ++cellRow)
        for (int column = 0; column < 32; ++column)
          ASSERT_EQ(bank[size_t(0x1B00 + cellRow * 32 + column)],
                    AttributeAt(pic.attrs(screen), column, cellRow * h))
              << "h " << h << " screen " << screen << " cell row " << cellRow << " column " << column;
    }
    EXPECT_EQ(s.bank(2, 16)[6], 0x0F);
  }
}
