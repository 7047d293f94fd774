// The scrambler's rules: exact move count, no slide after a slide, no immediate undo,
// the slide state kept in step, and the balls preserved.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/field.h"
#include "model/moves.h"
#include "model/random.h"
#include "model/scramble.h"

namespace tq {
namespace {

// Which move took the Field from `before` to its present state: its code, or 0.
int32_t MoveBetween(const std::string& before, int32_t slideBefore) {
  const std::string after = FieldToLayout();
  for (int32_t code = MoveUpperRight; code <= MoveSlide; ++code) {
    LayoutToField(before);
    int32_t slide = slideBefore;
    ApplyMoveCode(code, slide);
    if (FieldToLayout() == after) {
      LayoutToField(after);
      return code;
    }
  }
  LayoutToField(after);
  return 0;
}

// Records the moves of Scramble(n) one at a time by replaying the same draws.
std::vector<int32_t> ScrambleMoves(uint32_t seed, int32_t n) {
  std::vector<int32_t> moves;
  for (int32_t k = 1; k <= n; ++k) {
    LayoutToField(StartLayout);
    SlideState = 0;
    SeedRandom(seed);
    Scramble(k - 1);
    const std::string before = FieldToLayout();
    const int32_t slideBefore = SlideState;
    LayoutToField(StartLayout);
    SlideState = 0;
    SeedRandom(seed);
    Scramble(k);
    moves.push_back(MoveBetween(before, slideBefore));
  }
  return moves;
}

TEST(Scramble, NothingHappensForZeroOrFewerMovesAndNoNumberIsDrawn) {
  for (int32_t n : {0, -1, -50}) {
    LayoutToField(StartLayout);
    SlideState = 0;
    SeedRandom(3);
    Scramble(n);
    EXPECT_EQ(FieldToLayout(), StartLayout);
    EXPECT_EQ(SlideState, 0);
    const int32_t next = Random(9999);
    SeedRandom(3);
    EXPECT_EQ(Random(9999), next);
  }
}

TEST(Scramble, FollowsItsRulesOverManySeeds) {
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    const std::vector<int32_t> moves = ScrambleMoves(seed, 12);
    ASSERT_EQ(moves.size(), 12u);
    for (size_t i = 0; i < moves.size(); ++i) {
      ASSERT_NE(moves[i], 0) << "seed " << seed << ": step " << i << " was no single move";
      if (i == 0) continue;
      EXPECT_FALSE(moves[i] == MoveSlide && moves[i - 1] == MoveSlide) << "seed " << seed;
      const bool undoes = (moves[i] == 1 && moves[i - 1] == 2) || (moves[i] == 2 && moves[i - 1] == 1) ||
                          (moves[i] == 3 && moves[i - 1] == 4) || (moves[i] == 4 && moves[i - 1] == 3);
      EXPECT_FALSE(undoes) << "seed " << seed << " step " << i;
    }
  }
}

TEST(Scramble, FirstMoveIsNeverUpperHalfRight) {
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    EXPECT_NE(ScrambleMoves(seed, 1)[0], MoveUpperRight) << seed;
  }
}

TEST(Scramble, KeepsSlideStateInStepAndTheBallsTheSame) {
  std::string sortedStart = StartLayout;
  std::sort(sortedStart.begin(), sortedStart.end());
  SeedRandom(99);
  LayoutToField(StartLayout);
  SlideState = 0;
  for (int k = 0; k < 500; ++k) {
    Scramble(3);
    ASSERT_EQ(SlideState, ReadSlideState());
    std::string sorted = FieldToLayout();
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, sortedStart);
  }
}

}  // namespace
}  // namespace tq
