// The reentrant moves and scramble give what the procedures on the one Field give, and touch
// none of the process-wide state.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/field.h"
#include "model/layout_moves.h"
#include "model/moves.h"
#include "model/random.h"
#include "model/scramble.h"

namespace tq {
namespace {

TEST(LayoutMoves, EqualTheProceduresOnTheField) {
  for (uint64_t seed = 0; seed <= 200; ++seed) {
    const std::string layout = ScrambledLayout(StartLayout, static_cast<int>(seed % 40), seed);
    for (int code = 0; code <= 6; ++code) {
      PlaceLayout(layout);
      ApplyMoveCode(code, SlideState);
      EXPECT_EQ(LayoutAfterMove(layout, code), FieldToLayout()) << layout << " move " << code;
    }
    for (int ring = -1; ring <= 4; ++ring) {
      for (int direction = -2; direction <= 2; ++direction) {
        PlaceLayout(layout);
        RotateRing(ring, direction);
        FieldSlots field = FieldOfLayout(layout);
        RotateRing(field, ring, direction);
        EXPECT_EQ(field, Field) << layout << " ring " << ring << " direction " << direction;
      }
    }
    PlaceLayout(layout);
    EXPECT_EQ(CorrectColumns(FieldOfLayout(layout)), IsSolved());
    EXPECT_EQ(LongColumnsUp(layout), SlideState == 0);
  }
}

TEST(LayoutMoves, ScrambleDrawsAsTheGameDoesFromAGeneratorOfItsOwn) {
  for (uint32_t seed : {1u, 12345u, 4000000000u}) {
    for (int moves : {0, 1, 30, 500}) {
      SeedRandom(99);
      PlaceLayout(" 300001111 322224444 35555");
      const RandomWords generator = RandomState;
      const std::string scrambled = ScrambledLayout(StartLayout, moves, seed);
      EXPECT_EQ(std::memcmp(&generator, &RandomState, sizeof generator), 0) << "the game's generator was drawn";
      EXPECT_EQ(FieldToLayout(), " 300001111 322224444 35555") << "the game's Field was moved";
      PlaceLayout(StartLayout);
      SeedRandom(seed);
      Scramble(moves);
      EXPECT_EQ(scrambled, FieldToLayout()) << "seed " << seed << ", " << moves << " moves";
    }
  }
  EXPECT_NE(ScrambledLayout(StartLayout, 50, 5), ScrambledLayout(StartLayout, 50, 5 + (uint64_t{1} << 40)))
      << "both halves of a wide seed count";
}

}  // namespace
}  // namespace tq
