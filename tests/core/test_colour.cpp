#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "model/colour.h"
#include "model/current_colours.h"

namespace cs {
namespace {

// The palette written out by hand, independent of how the code derives it.
const Rgb kZx[15] = {rgb(0, 0, 0),       rgb(0, 0, 202),     rgb(0, 0, 254),     rgb(202, 0, 0),
                     rgb(254, 0, 0),     rgb(202, 0, 202),   rgb(254, 0, 254),   rgb(0, 202, 0),
                     rgb(0, 254, 0),     rgb(0, 202, 202),   rgb(0, 254, 254),   rgb(202, 202, 0),
                     rgb(254, 254, 0),   rgb(202, 202, 202), rgb(254, 254, 254)};

int mixLevel(int a, int b) {
  static const std::map<std::pair<int, int>, int> table{
      {{0, 0}, 0}, {{0, 202}, 115}, {{0, 254}, 157}, {{202, 202}, 202}, {{202, 254}, 230}, {{254, 254}, 254}};
  return table.at({std::min(a, b), std::max(a, b)});
}

Rgb expectedMix(int c0, int c1) {
  const Rgb a = kZx[c0], b = kZx[c1];
  return rgb(mixLevel(red(a), red(b)), mixLevel(green(a), green(b)), mixLevel(blue(a), blue(b)));
}

TEST(ZxPalette, MatchesTheTable) {
  for (uint8_t i = 0; i < 15; ++i) EXPECT_EQ(zxColour(i), kZx[i]) << int(i);
  EXPECT_EQ(zxColour(15), rgb(0, 0, 0));
  EXPECT_EQ(zxColour(255), rgb(0, 0, 0));
}

TEST(MixTable, StatedExamples) {
  const MixTable t = ComputeMixTable();
  EXPECT_EQ(t.at(1, 0), rgb(0, 0, 115));
  EXPECT_EQ(t.at(2, 13), rgb(115, 115, 230));
  EXPECT_EQ(t.at(4, 13), rgb(230, 115, 115));
  EXPECT_EQ(t.at(14, 14), rgb(254, 254, 254));
  EXPECT_EQ(t.at(2, 0), rgb(0, 0, 157));
}

TEST(MixTable, IsSymmetricAndFollowsTheComponentRule) {
  const MixTable t = ComputeMixTable();
  for (int a = 0; a < 15; ++a)
    for (int b = 0; b < 15; ++b) {
      EXPECT_EQ(t.at(uint8_t(a), uint8_t(b)), t.at(uint8_t(b), uint8_t(a)));
      EXPECT_EQ(t.at(uint8_t(a), uint8_t(b)), expectedMix(a, b)) << a << "," << b;
    }
}

TEST(MixTable, DamagedIndicesMixLikeBlackAndStayInsideTheTable) {
  const MixTable t = ComputeMixTable();
  for (int bad : {15, 16, 200, 255}) {
    EXPECT_EQ(t.at(uint8_t(bad), 0), rgb(0, 0, 0));
    EXPECT_EQ(t.at(uint8_t(bad), 13), t.at(0, 13));
    EXPECT_EQ(t.at(9, uint8_t(bad)), t.at(9, 0));
  }
}

TEST(PaletteImages, ZxStripShowsEachColourOverItsWholeSwatch) {
  const RgbImage img = MakeZxPaletteImage();
  ASSERT_EQ(img.width(), 240);
  ASSERT_EQ(img.height(), 16);
  for (int x = 0; x < 240; ++x)
    for (int y = 0; y < 16; ++y) ASSERT_EQ(img.at(x, y), kZx[x / 16]) << x << "," << y;
}

TEST(PaletteImages, FullPaletteShowsEveryMixAndBuildsTheSameTable) {
  const RgbImage img = MakeFullPaletteImage();
  ASSERT_EQ(img.width(), 240);
  ASSERT_EQ(img.height(), 240);
  for (int x = 0; x < 240; ++x)
    for (int y = 0; y < 240; ++y) ASSERT_EQ(img.at(x, y), expectedMix(x / 16, y / 16)) << x << "," << y;
  EXPECT_EQ(BuildMixTable(img).cells, ComputeMixTable().cells);
}

TEST(PaletteImages, BorderPaletteMixesTheNormalColours) {
  const RgbImage img = MakeBorderPaletteImage();
  ASSERT_EQ(img.width(), 128);
  for (int x = 0; x < 128; ++x)
    for (int y = 0; y < 128; ++y) {
      const int z0 = x / 16, z1 = y / 16;
      ASSERT_EQ(img.at(x, y), expectedMix(z0 ? 2 * z0 - 1 : 0, z1 ? 2 * z1 - 1 : 0));
    }
  EXPECT_EQ(img.at(37, 100), rgb(202, 115, 0));
  EXPECT_EQ(BorderColor(2, 6), rgb(202, 115, 0));
}

TEST(Tables, NormalBrightAndBitsAgreeWithTheIndexRule) {
  for (uint8_t i = 1; i < 15; ++i) {
    EXPECT_FALSE(isBright(NormalOf[i]));
    EXPECT_TRUE(isBright(BrightOf[i]));
    EXPECT_EQ((NormalOf[i] + 1) / 2, (i + 1) / 2);
    EXPECT_EQ(PaperBits[i] & 0x38, ((i + 1) / 2) << 3);
    EXPECT_EQ(InkBits[i] & 0x07, (i + 1) / 2);
    EXPECT_EQ((PaperBits[i] & 0x40) != 0, isBright(i));
  }
  EXPECT_EQ(BitMask[0], 0x80);
  EXPECT_EQ(BitMask[7], 0x01);
}

TEST(Attribute, ByteExamples) {
  EXPECT_EQ(AttributeByte(2, 13), 0x4F);  // bright blue INK, white PAP
  EXPECT_EQ(AttributeByte(0, 0), 0x00);
  EXPECT_EQ(AttributeByte(13, 0), 0x38);
  EXPECT_EQ(AttributeByte(14, 0), 0x78);
  EXPECT_EQ(AttributeByte(0, 14), 0x47);
  EXPECT_EQ(AttributeByte(1, 4), 0x4A) << "mixed brightness carries BRIGHT";
}

TEST(Attribute, SplitExamplesIgnoreFlash) {
  EXPECT_EQ(SplitAttribute(0x4F), (InkPap{2, 14}));
  EXPECT_EQ(SplitAttribute(0x38), (InkPap{13, 0}));
  EXPECT_EQ(SplitAttribute(0xB8), (InkPap{13, 0}));
  EXPECT_EQ(SplitAttribute(0x40), (InkPap{0, 0}));
  EXPECT_EQ(SplitAttribute(0x57), (InkPap{4, 14}));
}

TEST(Attribute, EveryByteWithoutFlashSurvivesARoundTripUnlessBrightIsLostOnBlack) {
  for (int a = 0; a < 128; ++a) {
    const InkPap ip = SplitAttribute(uint8_t(a));
    const bool bothBlack = (a & 0x3F) == 0;
    EXPECT_EQ(AttributeByte(ip.ink, ip.pap), bothBlack ? 0 : a) << a;
  }
}

TEST(CoupleBright, Examples) {
  CurrentColours cc;
  cc.pap0 = 4;
  SetRoleColour(cc, Role::Ink0, 1);
  EXPECT_EQ(cc.ink0, 1);
  EXPECT_EQ(cc.pap0, 3);

  cc = {};
  SetRoleColour(cc, Role::Ink0, 1);
  EXPECT_EQ(cc.pap0, 0) << "black has no brightness to follow";

  cc = {};
  cc.pap0 = 12;
  SetRoleColour(cc, Role::Ink0, 0);
  EXPECT_EQ(cc.pap0, 12);

  cc = {};
  cc.ink0 = 1;
  cc.pap0 = 3;
  PickStripColour(cc, Role::Ink0, 70);
  EXPECT_EQ(cc.ink0, 4);
  EXPECT_EQ(cc.pap0, 4);

  cc = {};
  SetRoleColour(cc, Role::Pap0, 14);
  EXPECT_EQ(cc.ink0, 0);
}

TEST(CoupleBright, NeverCrossesScreens) {
  CurrentColours cc;
  cc.ink1 = 3;
  cc.pap1 = 5;
  SetRoleColour(cc, Role::Ink0, 2);
  SetRoleColour(cc, Role::Pap0, 7);
  EXPECT_EQ(cc.ink0, 1);
  EXPECT_EQ(cc.ink1, 3);
  EXPECT_EQ(cc.pap1, 5);
}

TEST(MixSelection, SelectMixSetsBothBits) {
  CurrentColours cc;
  for (int n = 0; n < 4; ++n) {
    SelectMix(cc, n);
    EXPECT_EQ(cc.mix, n);
    EXPECT_EQ(cc.bit0, n / 2);
    EXPECT_EQ(cc.bit1, n % 2);
  }
}

TEST(MixSelection, RoleButtonsCombineFreely) {
  CurrentColours cc;
  SelectMix(cc, 1);
  ChooseScreenBit(cc, 0, 1);
  EXPECT_EQ(cc.mix, 3);
  ChooseScreenBit(cc, 1, 0);
  EXPECT_EQ(cc.mix, 2);
  ChooseScreenBit(cc, 0, 0);
  EXPECT_EQ(cc.mix, 0);
}

TEST(MixSelection, PickMixPairSetsTheCurrentMixesColoursAndCouplesTheirPartners) {
  CurrentColours cc;
  cc.ink0 = 1;
  cc.pap0 = 3;
  cc.ink1 = 6;
  cc.pap1 = 9;
  SelectMix(cc, 1);
  PickMixPair(cc, 200, 20);
  EXPECT_EQ(cc.ink0, 12);
  EXPECT_EQ(cc.pap1, 1);
  EXPECT_EQ(cc.pap0, 4) << "screen 0 partner follows bright yellow";
  EXPECT_EQ(cc.ink1, 5) << "screen 1 partner follows normal blue";
  EXPECT_EQ(cc.mix, 1);
  EXPECT_EQ(cc.mixColour(ComputeMixTable(), 1), ComputeMixTable().at(12, 1));
}

TEST(MixSelection, PickMixPairLeavesBlackPartnersBlack) {
  CurrentColours cc;
  SelectMix(cc, 2);
  PickMixPair(cc, 239, 239);
  EXPECT_EQ(cc.pap0, 14);
  EXPECT_EQ(cc.ink1, 14);
  EXPECT_EQ(cc.ink0, 0);
  EXPECT_EQ(cc.pap1, 0);
}

}  // namespace
}  // namespace cs
