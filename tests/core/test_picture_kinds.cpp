// The gallery kinds: our writers' files read back to the picture they were
// made from, hand-damaged files are refused whole, and the kinds without a
// writer read what hand-built files hold.
#include <numeric>
#include <tuple>

#include "emulator/snapshot_export.h"
#include "formats/formats.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::CoupledRandomPicture;
using testing::SamePicture;
using Bytes = std::vector<uint8_t>;

// `pic` as a file of its kind holds it: every entry the colours of the line
// `source` names, through a ZX attribute byte; screen 1 a copy of screen 0
// for the kinds of one screen.
template <typename Source>
Picture expectedFrom(const Picture& pic, int cellHeight, bool oneScreen, Source source) {
  Picture out = pic;
  out.vertSize = static_cast<uint8_t>(cellHeight);
  for (int s = 0; s < 2; ++s)
    for (int column = 0; column < kColumns; ++column)
      for (int line = 0; line < kLines; ++line)
        SetCellAttribute(out.attrs(s), column, line, 1, AttributeAt(pic.attrs(s), column, source(column, line)));
  if (oneScreen) CopyScreen0ToScreen1(out);
  return out;
}

FileError decode(const std::string& ext, const Bytes& bytes, Picture& pic, std::string& note) {
  return PictureKindOf("x" + ext)->decode(bytes, pic, note);
}

TEST(PictureKinds, EveryWriterIsReadBackToItsPictureAtEveryCellHeight) {
  for (int h : {8, 4, 2, 1}) {
    const Picture pic = CoupledRandomPicture(unsigned(h), h);
    const auto row8 = [](int, int line) { return line / 8 * 8; };
    const int iflRows = h <= 2 ? 2 : 4;
    const std::pair<const char*, Picture> cases[] = {
        {".scr", expectedFrom(pic, 8, true, row8)}, {".bsp", expectedFrom(pic, 8, false, row8)},
        {".ch$", expectedFrom(pic, 8, false, row8)},
        {".ifl", expectedFrom(pic, iflRows, true, [&](int c, int y) { return attributeLine(h, c, y / iflRows * iflRows); })},
        {".mlt", expectedFrom(pic, 1, true, [&](int c, int y) { return h == 1 ? y : attributeLine(h, c, y); })}};
    for (const auto& [ext, want] : cases) {
      SCOPED_TRACE(std::string(ext) + " at cell height " + std::to_string(h));
      const Bytes file = PictureWriterOf(std::string("x") + ext)->encode(pic);
      Picture back = CoupledRandomPicture(99, 2);  // the border stays, except a .bsp's
      std::tie(back.borderIndex0, back.borderIndex1) = std::pair(pic.borderIndex0, pic.borderIndex1);
      std::string note;
      ASSERT_FALSE(decode(ext, file, back, note));
      EXPECT_TRUE(SamePicture(back, want));
      EXPECT_EQ(PictureWriterOf(std::string("x") + ext)->encode(back), file) << "written back unchanged";
    }
  }
}

Bytes tapBlock(const Bytes& data, uint8_t flag) {
  // Sized at once: inserting into a three-byte vector trips g++ 12's bounds
  // warning at -O3.
  Bytes block(data.size() + 3);
  block[0] = uint8_t((data.size() + 2) & 0xFF), block[1] = uint8_t((data.size() + 2) >> 8), block[2] = flag;
  std::copy(data.begin(), data.end(), block.begin() + 3);
  block.push_back(std::accumulate(block.begin() + 2, block.end(), uint8_t{0}, std::bit_xor<uint8_t>()));
  return block;
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

std::string zxpText(const Picture& pic, int attributeLines, const char* eol) {
  std::string t = std::string("ZX-Paintbrush image") + eol + eol;
  for (int y = 0; y < kLines; ++y) {
    for (int x = 0; x < kWidth; ++x) t += pic.pixel(0, x, y) ? '1' : '0';
    t += eol;
  }
  t += eol;
  char hex[4];
  for (int row = 0; row < attributeLines; ++row, t += eol)
    for (int column = 0; column < kColumns; ++column, t += hex)
      std::snprintf(hex, sizeof hex, column ? " %02X" : "%02X",
                    AttributeAt(pic.attrs(0), column, row * kLines / attributeLines % kLines));
  return t;
}

TEST(PictureKinds, TapesTextsSnapshotsAndAttributesGiveTheirScreens) {
  const Picture pic = CoupledRandomPicture(7, 8);
  const Picture both = expectedFrom(pic, 8, false, [](int, int line) { return line / 8 * 8; });
  const Picture one = expectedFrom(pic, 8, true, [](int, int line) { return line / 8 * 8; });
  const Bytes img = EncodeImg(pic);
  const Bytes header(17, 3);
  std::string note;
  const auto check = [&](const std::string& ext, const Bytes& file, const Picture& want) {
    SCOPED_TRACE(ext);
    Picture back = pic;
    ASSERT_FALSE(decode(ext, file, back, note));
    EXPECT_TRUE(SamePicture(back, want));
  };
  check(".tap", concat({tapBlock(header, 0), tapBlock(Bytes(img.begin(), img.begin() + 6912), 0xFF),
                        tapBlock(Bytes(img.begin() + 6912, img.end()), 0xFF), tapBlock(header, 0)}),
        both);
  check(".tap", concat({tapBlock(header, 0), tapBlock(EncodeScr(pic), 0xFF)}), one);
  for (const char* eol : {"\n", "\r\n"}) {
    const std::string t = zxpText(pic, 24, eol);
    check(".zxp", Bytes(t.begin(), t.end()), one);
  }
  // The viewer's 128K snapshots hold the screens in banks 5 and 7; a 48K
  // .sna (header, then RAM from 0x4000) its one screen.
  Picture want = both, want48 = one;
  std::tie(want.borderIndex1, want48.borderIndex0, want48.borderIndex1) = std::tuple(want.borderIndex0, 5, 5);
  for (auto [ext, kind] : {std::pair{".sna", SnapshotKind::Sna}, {".z80", SnapshotKind::Z80}, {".szx", SnapshotKind::Szx}})
    check(ext, EncodeViewerSnapshot(pic, kind), want);
  Bytes sna(49179, 0);
  std::tie(sna[24], sna[26]) = std::pair(0x80, 5);  // SP 0x8000, border 5
  std::copy(img.begin(), img.begin() + 6912, sna.begin() + 27);
  check(".sna", sna, want48);
  Picture cleared = one;
  std::fill(cleared.pixels(0), cleared.pixels(0) + 2 * kPixelPlaneSize, uint8_t{0});
  check(".atr", Bytes(img.begin() + 6144, img.begin() + 6912), cleared);
  check(".53c", Bytes(img.begin() + 6144, img.begin() + 6912), cleared);
}

TEST(PictureKinds, HiddenOuterColoursAndDroppedBordersAreNoted) {
  Bytes mlt = EncodeMlt(CoupledRandomPicture(3, 8));
  Picture pic;
  std::string note;
  ASSERT_FALSE(decode(".mlt", mlt, pic, note));
  EXPECT_EQ(note, "") << "8x8 colours hide nothing";
  mlt[6144 + 3 * 32 + 31] ^= 0x3F;  // line 3 of the last column
  ASSERT_FALSE(decode(".mlt", mlt, pic, note));
  EXPECT_EQ(note, kOuterColumnsNote);
  EXPECT_EQ(EncodeMlt(pic), mlt) << "the hidden colour is kept";

  const std::string zxp = zxpText(CoupledRandomPicture(3, 1), 192, "\n") + "\n00 11\n";
  ASSERT_FALSE(decode(".zxp", Bytes(zxp.begin(), zxp.end()), pic, note));
  EXPECT_TRUE(pic.vertSize == 1 && !note.empty());

  Bytes bmc4(kBmc4FileSize, 0);
  bmc4[7680] = 0x1B;  // border colours 3 then 3
  ASSERT_FALSE(decode(".bmc4", bmc4, pic, note));
  EXPECT_TRUE(pic.vertSize == 4 && pic.borderIndex0 == 3 && pic.borderIndex1 == 3 && !note.empty());
}

// Damaged files of every kind leave the Picture as it was, with a reason.
TEST(PictureKinds, DamagedFilesAreRefusedWhole) {
  const Picture pic = CoupledRandomPicture(11, 4);
  const Bytes img = EncodeImg(pic);
  const Bytes screen(img.begin(), img.begin() + 6912);
  Bytes bspBorder = EncodeBsp(pic);
  bspBorder[3] |= 0x40;  // border data announced, but screen 1's points nowhere
  bspBorder[70] = bspBorder[71] = 0;
  bspBorder.resize(bspBorder.size() + 10);
  Bytes chrWide = EncodeChr(pic);
  chrWide[4] = 33;
  chrWide.resize(7 + 33 * 24 * 18);
  std::string zxpBad = zxpText(pic, 24, "\n");
  zxpBad[40] = '2';
  const std::string zxp25 = zxpText(pic, 25, "\n");
  Bytes tapBad = tapBlock(screen, 0xFF);
  const Bytes tapCut(tapBad.begin(), tapBad.end() - 1);
  tapBad[100] ^= 1;
  const struct {
    const char* ext;
    Bytes file;
    const char* reason;  // part of the message, when there is one
  } cases[] = {
      {".ifl", Bytes(9215), "this one 9215"}, {".ifl", Bytes(9217), "at most 9216"}, {".ifl", Bytes(8000), "8000"},
      {".mlt", Bytes(12287), "12287"}, {".mc", Bytes(12289), "at most"}, {".bmc4", Bytes(11903), "11903"},
      {".atr", Bytes(769), "at most"}, {".53c", Bytes(767), "767"}, {".bsp", Bytes(69, 'b'), ""},
      {".bsp", concat({Bytes{'B', 'S', 'P'}, Bytes(13891)}), "\"bsp\""}, {".bsp", bspBorder, "outside"},
      {".bsp", concat({EncodeBsp(pic), Bytes{0}}), "13894"}, {".ch$", chrWide, "33 x 24"},
      {".ch$", Bytes{'c', 'h', 'r', '$', 1, 1, 10}, "10"}, {".ch$", Bytes{'c', 'h', 'r', '$', 1, 1, 9, 0}, ""},
      {".ch$", concat({Bytes{'c', 'h', 'r', '$', 1, 1, 8}, Bytes(9)}), "has 15 bytes"},
      {".ch$", Bytes{'c', 'h', 'r', '$', 0, 0, 18}, "holds no cells"},
      {".ch$", Bytes{'c', 'h', 'r', '$', 32, 0, 9}, "holds no cells"},
      {".zxp", Bytes(zxpBad.begin(), zxpBad.end()), "line 3"}, {".zxp", Bytes(zxp25.begin(), zxp25.end()), "25"},
      {".zxp", Bytes{'Z', 'X'}, "ZX-Paintbrush"}, {".tap", tapBad, "checksum"}, {".tap", tapCut, ""},
      {".tap", tapBlock(Bytes(100), 0), "no block"}, {".sna", Bytes(5000, 1), "49179"}, {".z80", Bytes(30), "extra"},
      {".z80", concat({Bytes(30), Bytes{23, 0}, Bytes(23), Bytes{0, 0x40, 8}, Bytes(100)}), "past the end"},
      {".szx", Bytes{'Z', 'X', 'S', 'T'}, "ZXST"},
      {".szx", Bytes{'Z', 'X', 'S', 'T', 1, 4, 0, 0, 'C', 'R', 'T', 'R', 0, 1, 0, 0}, "past the end"},
  };
  testing::ScratchDir dir;
  std::string note;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.ext) + " of " + std::to_string(c.file.size()) + " bytes");
    const std::string name = dir.file(std::string("bad") + c.ext);
    testing::WriteBytes(name, c.file);
    Picture back = pic;
    const FileError err = LoadPicture(name, back, note);
    ASSERT_TRUE(err.kind == FileErrorKind::Format || err.kind == FileErrorKind::ReadBeyondEnd) << err.text();
    EXPECT_NE(err.text().find(c.reason), std::string::npos) << err.text();
    EXPECT_TRUE(SamePicture(back, pic));
  }
  Picture back = pic;
  std::filesystem::create_directory(dir.file("folder.ifl"));
  EXPECT_TRUE(LoadPicture(dir.path().string() + "/.", back, note).kind == FileErrorKind::Format &&
              LoadPicture(dir.file("folder.ifl"), back, note).kind == FileErrorKind::AccessDenied);
  EXPECT_TRUE(SamePicture(back, pic));
}

}  // namespace
}  // namespace cs
