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
    case 0: pic.planes[rng() % kPixelBlockSize] ^= uint8_t(1 << rng() % 8); break;
    case 1:
      for (size_t i = kPixelBlockSize + rng() % 20000, n = rng() % 500; n-- > 0;)
        pic.planes[i++] = uint8_t(rng() % 15);
      break;
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
  // Walks to the oldest step kept and back to the newest, checking each.
  void expectWalk(History& h) {
    const size_t dropped = truth.size() - h.size();
    Picture pic;
    while (h.back(pic)) ASSERT_TRUE(SamePicture(pic, truth[h.current() + dropped])) << h.current();
    while (h.forward(pic)) ASSERT_TRUE(SamePicture(pic, truth[h.current() + dropped])) << h.current();
  }
  std::vector<Picture> truth{RandomPicture(1, 8)};
};

TEST_F(HistoryWalk, EveryStepComesBackByteForByteWhicheverWayItIsReached) {
  History h(truth[0]);
  recordEdits(h, 300, 7);
  ASSERT_EQ(h.size(), truth.size());
  expectWalk(h);
  Picture pic;
  std::mt19937 rng(3);
  for (int i = 0; i < 100; ++i) {
    const size_t target = (h.current() + 1 + rng() % (h.size() - 1)) % h.size();  // never the current one
    h.pictureAt(target, pic);
    ASSERT_TRUE(SamePicture(pic, truth[target]) && h.jumpTo(target, pic)) << target;
    ASSERT_TRUE(SamePicture(pic, truth[target]) && SamePicture(h.currentPicture(), pic)) << target;
  }
  EXPECT_FALSE(h.record(h.currentPicture(), "Nothing"));  // an unchanged Picture is no step
}

TEST_F(HistoryWalk, StepsBackThenAChangeDropsTheStepsAheadAndTheSavedMark) {
  History h(truth[0]);
  recordEdits(h, 10, 11);
  const size_t steps = h.size();
  Picture pic;
  h.markClean();
  EXPECT_TRUE(h.back(pic) && !h.clean() && h.forward(pic) && h.clean());  // saved where it stands
  h.jumpTo(steps - 4, pic);
  pic.planes[5] ^= 0xFF;
  ASSERT_TRUE(h.record(pic, "Pen"));
  EXPECT_EQ(h.size(), steps - 2);
  EXPECT_EQ(h.name(h.current()), "Pen");
  EXPECT_FALSE(h.forward(pic) || h.clean());
  EXPECT_TRUE(h.back(pic) && SamePicture(pic, truth[steps - 4]));
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
  expectWalk(h);
}

TEST_F(HistoryWalk, CtrlZAfterAJumpReturnsToWhereTheUserWas) {
  History h(truth[0]);
  recordEdits(h, 5, 3);
  EditorState s;
  s.picture = truth.back();
  ASSERT_TRUE(JumpHistory(h, s, 0));
  EXPECT_FALSE(JumpHistory(h, s, 0));  // already there: no snapshot, no move
  SwapUndoSnapshot(s);
  EXPECT_EQ(s.picture.planes, truth.back().planes);
}

}  // namespace
}  // namespace cs
