// Snapshots the viewer's writer does not make: version 1 and plainly stored
// .z80 pages, the hardware types of versions 2 and 3, plain and packed .szx
// pages, and damaged files of each kind.
#include <zlib.h>

#include "formats/formats.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using Bytes = std::vector<uint8_t>;

// The .z80 run-length code: runs of 5 or more, and every ED, as ED ED n b.
Bytes packZ80(const Bytes& in) {
  Bytes out;
  for (std::size_t i = 0, run = 1; i < in.size(); i += run) {
    for (run = 1; i + run < in.size() && in[i + run] == in[i] && run < 255;) ++run;
    if (run < 5 && in[i] != 0xED) run = 1, out.push_back(in[i]);
    else out.insert(out.end(), {0xED, 0xED, uint8_t(run), in[i]});
  }
  return out;
}

// A 16K RAM page that starts with `screen`.
Bytes page(const Bytes& screen) {
  Bytes p(16384, 0);
  std::copy(screen.begin(), screen.end(), p.begin());
  return p;
}

Bytes z80Header(int extra, uint8_t type, uint8_t border) {
  Bytes h(32 + std::size_t(extra), 0);
  h[12] = uint8_t(border << 1), h[30] = uint8_t(extra), h[34] = type;
  return h;
}

void addZ80Page(Bytes& file, uint8_t number, const Bytes& data, bool packed) {
  const Bytes body = packed ? packZ80(data) : data;
  const std::size_t length = packed ? body.size() : 0xFFFF;
  file.insert(file.end(), {uint8_t(length), uint8_t(length >> 8), number});
  file.insert(file.end(), body.begin(), body.end());
}

void addSzxBlock(Bytes& file, const char* name, const Bytes& data) {
  const std::size_t n = data.size();
  file.insert(file.end(), name, name + 4);
  file.insert(file.end(), {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)});
  file.insert(file.end(), data.begin(), data.end());
}

Bytes szxPage(uint8_t number, const Bytes& data, bool packed) {
  Bytes body = data;
  if (packed) {
    uLongf size = compressBound(uLong(data.size()));
    body.resize(size);
    compress(body.data(), &size, data.data(), uLong(data.size()));
    body.resize(size);
  }
  body.insert(body.begin(), {uint8_t(packed ? 1 : 0), 0, number});
  return body;
}

struct SnapshotFiles : ::testing::Test {
  const Picture pic = testing::CoupledRandomPicture(5, 8);
  const Bytes img = EncodeImg(pic);
  const Bytes screen0{img.begin(), img.begin() + 6912}, screen1{img.begin() + 6912, img.end()};
  Picture both, one;  // the screens of banks 5 and 7, or bank 5's twice; border 3
  std::string note;

  void SetUp() override {
    ASSERT_FALSE(DecodeScreen(img, false, false, both));
    ASSERT_FALSE(DecodeScreen(screen0, false, true, one));
    both.borderIndex0 = both.borderIndex1 = one.borderIndex0 = one.borderIndex1 = 3;
  }
  void expectRead(SnapshotKind kind, const Bytes& file, const Picture& want) {
    Picture back = pic;
    ASSERT_FALSE(DecodeSnapshot(file, kind, back, note));
    EXPECT_TRUE(testing::SamePicture(back, want));
  }
};

TEST_F(SnapshotFiles, Z80VersionsAndHardwareTypesGiveTheirScreens) {
  // Version 1: 48K from 0x4000, packed up to the end marker.
  Bytes v1(30, 0);
  std::tie(v1[7], v1[12]) = std::pair(0x80, 0x20 | 3 << 1);
  Bytes ram(49152, 0);
  std::copy(screen0.begin(), screen0.end(), ram.begin());
  const Bytes packed = packZ80(ram);
  v1.insert(v1.end(), packed.begin(), packed.end());
  v1.insert(v1.end(), {0x00, 0xED, 0xED, 0x00});
  expectRead(SnapshotKind::Z80, v1, one);
  // Type 3 is a 128K in version 2 but a 48K in version 3; bank 5 stored
  // plainly, bank 7 packed.
  for (auto [extra, want] : {std::pair{23, &both}, {54, &one}}) {
    SCOPED_TRACE(extra);
    Bytes file = z80Header(extra, 3, 3);
    addZ80Page(file, 8, page(screen0), false);
    addZ80Page(file, 10, page(screen1), true);
    expectRead(SnapshotKind::Z80, file, *want);
  }
}

TEST_F(SnapshotFiles, SzxPagesPlainOrPackedGiveTheirScreens) {
  Bytes file{'Z', 'X', 'S', 'T', 1, 4, 1, 0};  // a 48K
  addSzxBlock(file, "SPCR", {3, 0, 0, 0, 0, 0, 0, 0});
  addSzxBlock(file, "RAMP", szxPage(5, page(screen0), false));
  expectRead(SnapshotKind::Szx, file, one);
  file[6] = 7;  // a Pentagon: bank 7 packed
  addSzxBlock(file, "RAMP", szxPage(7, page(screen1), true));
  expectRead(SnapshotKind::Szx, file, both);
}

TEST_F(SnapshotFiles, DamagedSnapshotsAreRefusedWithTheirReason) {
  Bytes noMarker(30, 0), shortRam(30, 0), cutRun = z80Header(54, 9, 0), pageTwice = z80Header(54, 0, 0);
  noMarker[7] = shortRam[7] = 0x80, noMarker[12] = shortRam[12] = 0x20;
  noMarker.insert(noMarker.end(), {1, 2, 3});
  shortRam.insert(shortRam.end(), {0xED, 0xED, 9, 1, 0x00, 0xED, 0xED, 0x00});
  cutRun.insert(cutRun.end(), {3, 0, 8, 0xED, 0xED, 5});
  addZ80Page(pageTwice, 8, page(screen0), false);
  addZ80Page(pageTwice, 8, page(screen0), false);
  Bytes sp(49179, 0), copies(131103, 0);
  copies[27 + 49152 + 2] = 5, copies[27 + 32768] = 1;  // bank 5 paged in, its two copies differ
  Bytes badMachine{'Z', 'X', 'S', 'T', 1, 4, 17, 0}, badPacking{'Z', 'X', 'S', 'T', 1, 4, 1, 0};
  Bytes badPage = szxPage(5, page(screen0), true);
  badPage.resize(100);  // less than a screen
  addSzxBlock(badPacking, "RAMP", badPage);
  const struct {
    SnapshotKind kind;
    Bytes file;
    const char* reason;
  } cases[] = {
      {SnapshotKind::Z80, noMarker, "end marker"}, {SnapshotKind::Z80, shortRam, "48K"},
      {SnapshotKind::Z80, z80Header(54, 11, 0), "hardware type 11"}, {SnapshotKind::Z80, cutRun, "inside a run"},
      {SnapshotKind::Z80, pageTwice, "page 8 twice"}, {SnapshotKind::Z80, z80Header(23, 4, 0), "no RAM bank 5"},
      {SnapshotKind::Sna, sp, "stack pointer"}, {SnapshotKind::Sna, copies, "bank 5 differ"},
      {SnapshotKind::Szx, badMachine, "machine type 17"}, {SnapshotKind::Szx, badPacking, "damaged"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    Picture back = pic;
    const FileError err = DecodeSnapshot(c.file, c.kind, back, note);
    ASSERT_EQ(err.kind, FileErrorKind::Format);
    EXPECT_NE(err.text().find(c.reason), std::string::npos) << err.text();
    EXPECT_TRUE(testing::SamePicture(back, pic));
  }
}

}  // namespace
}  // namespace cs
