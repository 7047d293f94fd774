// The tables' estimates: never above the true distance, zero exactly when solved, and never
// changing by more than one with a move (a wrong entry or a wrong lookup breaks one of these).
#include <gtest/gtest.h>

#include "solver/optimal/packed_position.h"
#include "table_checks.h"
#include "test_tables.h"

namespace tq::optimal::test {
namespace {

TEST(SmallTable, EstimatesAreLowerBoundsNearTheSolvedPositions) { ExpectLowerBoundsNearSolved(SmallTable()); }
TEST(SmallTable, EstimatesChangeByAtMostOnePerMove) { ExpectSteadyAlongMoves(SmallTable()); }

TEST(SmallTable, EntriesLeaveRoomForTheSumOfAllLookups) { ExpectRoomForTheSumOfAllLookups(SmallTable(), 5); }

// Any change of what the table holds shows here, and must be meant: the format version of the
// table's file goes up with it.
TEST(SmallTable, HoldsAKnownNumberOfEntriesAtEachDistance) {
  const std::map<int, uint64_t> expected = {
      {0, 5}, {1, 15}, {2, 35}, {3, 78}, {4, 195}, {5, 470}, {6, 1054}, {7, 2318}, {8, 4872},
      {9, 9876}, {10, 19608}, {11, 38763}, {12, 74295}, {13, 139871}, {14, 259680}, {15, 452503},
      {16, 686254}, {17, 832385}, {18, 782665}, {19, 589181}, {20, 375093}, {21, 135921},
      {22, 17324}, {23, 1015}, {24, 9}};
  EXPECT_EQ(EntriesAtEachDistance(SmallTable()), expected);
  EXPECT_LE(expected.rbegin()->first, LargestEntry) << "the lookups' sum would reach into the estimate";
}

TEST(SmallTable, EstimatesNothingForLayoutsTheMovesCannotReach) {
  for (const std::string layout : {"", "30000 111132222 444435555", "3000_ 111132222 444435555 ",
                                   "30000 111132222 444435555  ", "30000 111133222 444435555 ", "3000 0111132222 444435555 "}) {
    EXPECT_EQ(SmallTable().Estimate(layout), -1) << '"' << layout << '"';
  }
}

}  // namespace
}  // namespace tq::optimal::test
