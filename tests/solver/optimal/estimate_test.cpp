// The tables' estimates: never above the true distance, zero exactly when solved, and never
// changing by more than one with a move (a wrong entry or a wrong lookup breaks one of these).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "layout_moves.h"
#include "test_tables.h"

namespace tq::optimal::test {
namespace {

void ExpectLowerBoundsNearSolved(const PatternTable& table) {
  for (const auto& [layout, distance] : DistancesUpTo(9)) {
    const int estimate = table.Estimate(layout);
    ASSERT_LE(estimate, distance) << layout;
    ASSERT_EQ(estimate == 0, distance == 0) << layout;
  }
}

void ExpectSteadyAlongMoves(const PatternTable& table) {
  for (uint64_t seed = 1; seed <= 300; ++seed) {
    const std::string layout = RandomPosition(seed, 2000);
    const int estimate = table.Estimate(layout);
    ASSERT_EQ(estimate == 0, IsSolvedLayout(layout)) << layout;
    for (int code = 1; code <= 5; ++code) {
      const std::string next = Moved(layout, code);
      ASSERT_LE(std::abs(table.Estimate(next) - estimate), 1) << layout << " then " << code;
    }
  }
}

TEST(SmallTable, EstimatesAreLowerBoundsNearTheSolvedPositions) { ExpectLowerBoundsNearSolved(SmallTable()); }
TEST(SmallTable, EstimatesChangeByAtMostOnePerMove) { ExpectSteadyAlongMoves(SmallTable()); }
TEST(FullTable, EstimatesAreLowerBoundsNearTheSolvedPositions) { ExpectLowerBoundsNearSolved(FullTable()); }
TEST(FullTable, EstimatesChangeByAtMostOnePerMove) { ExpectSteadyAlongMoves(FullTable()); }

// The search orders children by the estimate times 256 plus the sum of all lookups: the sum
// of the ten (or five) lookups must stay below 256.
void ExpectRoomForTheSumOfAllLookups(const PatternTable& table, int lookups) {
  const uint8_t largest = *std::max_element(table.Entries(), table.Entries() + table.EntryCount());
  EXPECT_LT(lookups * largest, 256);
}

TEST(SmallTable, EntriesLeaveRoomForTheSumOfAllLookups) { ExpectRoomForTheSumOfAllLookups(SmallTable(), 5); }
TEST(FullTable, EntriesLeaveRoomForTheSumOfAllLookups) { ExpectRoomForTheSumOfAllLookups(FullTable(), 10); }

TEST(SmallTable, EstimatesNothingForLayoutsTheMovesCannotReach) {
  for (const std::string layout : {"", "30000 111132222 444435555", "3000_ 111132222 444435555 ",
                                   "30000 111132222 444435555  ", "30000 111133222 444435555 ", "3000 0111132222 444435555 "}) {
    EXPECT_EQ(SmallTable().Estimate(layout), -1) << '"' << layout << '"';
  }
}

}  // namespace
}  // namespace tq::optimal::test
