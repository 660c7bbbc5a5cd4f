#include <gtest/gtest.h>

#include <random>

#include "model/editor_state.h"
#include "model/history.h"
#include "tests/core/format_test_util.h"

namespace cs {
namespace {

using testing::RandomPicture;
using testing::SamePicture;

// One random edit of the kinds the editor makes: a few pen bytes, a block
// of attributes, a new cell height, a new border, or a whole new picture.
void randomEdit(Picture& pic, std::mt19937& rng) {
  switch (rng() % 5) {
    case 0:
      for (unsigned n = 1 + rng() % 4; n > 0; --n) pic.planes[rng() % kPixelBlockSize] ^= uint8_t(1 << rng() % 8);
      break;
    case 1: {
      const size_t from = kPixelBlockSize + rng() % (kAttrBlockSize - 500);
      for (size_t i = from; i < from + rng() % 500; ++i) pic.planes[i] = uint8_t(rng() % 15);
      break;
    }
    case 2: pic.vertSize = uint8_t(1 << rng() % 4); break;
    case 3: pic.borderIndex1 = uint8_t(rng() % 8); break;
    default: pic = RandomPicture(unsigned(rng()), int(1 << rng() % 4));
  }
}

class HistoryWalk : public ::testing::Test {
 protected:
  // Records `n` random edits, keeping every Picture recorded.
  void recordEdits(History& h, int n, unsigned seed) {
    std::mt19937 rng(seed);
    Picture pic = truth.back();
    while (n-- > 0) {
      randomEdit(pic, rng);
      if (h.record(pic, "Edit")) truth.push_back(pic);
    }
  }
  std::vector<Picture> truth{RandomPicture(1, 8)};
};

TEST_F(HistoryWalk, EveryStepComesBackByteForByteWhicheverWayItIsReached) {
  History h(truth[0]);
  recordEdits(h, 300, 7);
  ASSERT_EQ(h.size(), truth.size());
  Picture pic;
  while (h.back(pic)) ASSERT_TRUE(SamePicture(pic, truth[h.current()])) << h.current();
  EXPECT_EQ(h.current(), 0u);
  while (h.forward(pic)) ASSERT_TRUE(SamePicture(pic, truth[h.current()])) << h.current();
  std::mt19937 rng(3);
  for (int i = 0; i < 200; ++i) {
    const size_t target = rng() % h.size();
    h.pictureAt(target, pic);
    ASSERT_TRUE(SamePicture(pic, truth[target])) << target;
    if (target != h.current()) {
      ASSERT_TRUE(h.jumpTo(target, pic));
    }
    ASSERT_TRUE(SamePicture(pic, truth[target]) && SamePicture(h.currentPicture(), truth[target])) << target;
  }
  // An unchanged Picture is no step.
  EXPECT_FALSE(h.record(h.currentPicture(), "Nothing"));
}

TEST_F(HistoryWalk, StepsBackThenAChangeDropsTheStepsAheadAndTheSavedMark) {
  History h(truth[0]);
  recordEdits(h, 10, 11);
  const size_t steps = h.size();
  Picture pic;
  h.markClean();
  EXPECT_TRUE(h.clean());
  h.back(pic);
  h.back(pic);
  EXPECT_FALSE(h.clean());
  h.forward(pic);
  h.forward(pic);
  EXPECT_TRUE(h.clean());  // back where the file was saved
  h.jumpTo(steps - 4, pic);
  pic.planes[5] ^= 0xFF;
  ASSERT_TRUE(h.record(pic, "Pen"));
  EXPECT_EQ(h.size(), steps - 2);
  EXPECT_EQ(h.current(), steps - 3);
  EXPECT_EQ(h.name(h.current()), "Pen");
  EXPECT_FALSE(h.forward(pic));
  EXPECT_FALSE(h.clean());
  h.back(pic);
  EXPECT_TRUE(SamePicture(pic, truth[steps - 4]));
}

TEST_F(HistoryWalk, KeepsAThousandWholePicturesWithinSixtyFourMiBAndDropsTheOldestBeyondALimit) {
  History big(truth[0]);
  for (unsigned i = 0; i < 1100; ++i) big.record(RandomPicture(100 + i, 1), "Import image");
  EXPECT_GE(big.size(), 1000u);
  EXPECT_LE(big.bytes(), size_t(64) << 20);

  // A small limit: only the newest steps stay, and they still come back.
  History h(truth[0], "Start", {200000, 100000});
  recordEdits(h, 400, 5);
  EXPECT_LE(h.bytes(), 200000u);
  ASSERT_LT(h.size(), truth.size());
  const size_t dropped = truth.size() - h.size();
  Picture pic;
  while (h.back(pic)) ASSERT_TRUE(SamePicture(pic, truth[h.current() + dropped]));
  History counted(truth[0], "Start", {size_t(64) << 20, 50});
  recordEdits(counted, 100, 5);
  EXPECT_EQ(counted.size(), 50u);
}

TEST(HistoryCost, APenPointCostsAboutTheBytesItChanged) {
  Picture pic = RandomPicture(4, 1);
  History h(pic);
  const size_t before = h.bytes();
  pic.planes[1000] ^= 0x10;
  pic.planes[kPixelBlockSize + 2000] = 3;
  pic.planes[kPixelBlockSize + kAttrPlaneSize + 2000] = 4;
  h.record(pic, "Pen");
  EXPECT_LT(h.bytes() - before, 120u);
}

TEST(HistoryJump, CtrlZAfterAJumpReturnsToWhereTheUserWas) {
  EditorState s;
  s.picture = RandomPicture(9, 4);
  History h(s.picture);
  for (unsigned i = 0; i < 5; ++i) {
    TakeUndoSnapshot(s);
    s.picture.planes[i * 100] ^= 0x81;
    h.record(s.picture, "Pen");
  }
  const Picture before = s.picture;
  ASSERT_TRUE(JumpHistory(h, s, 1));
  EXPECT_FALSE(SamePicture(s.picture, before));
  SwapUndoSnapshot(s);
  EXPECT_TRUE(SamePicture(s.picture, before));
  EXPECT_FALSE(JumpHistory(h, s, 1));  // already there: no snapshot, no move
}

}  // namespace
}  // namespace cs
