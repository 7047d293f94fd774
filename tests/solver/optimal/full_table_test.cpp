// The Full table, which the test run's set-up builds once into the build tree: the properties
// both tables share, and what it holds.
#include <gtest/gtest.h>

#include "solver/optimal/packed_position.h"
#include "table_checks.h"
#include "test_tables.h"

namespace tq::optimal::test {
namespace {

TEST(FullTableFile, IsBuiltForTheTestRun) {
  EXPECT_EQ(FullTable().EntryCount(), 115010610u);
  EXPECT_EQ(PatternTable::Load(TablePath(TableKind::Full), TableKind::Full).Status, LoadStatus::Loaded);
}

TEST(FullTable, EstimatesAreLowerBoundsNearTheSolvedPositions) { ExpectLowerBoundsNearSolved(FullTable()); }
TEST(FullTable, EstimatesChangeByAtMostOnePerMove) { ExpectSteadyAlongMoves(FullTable()); }
TEST(FullTable, EntriesLeaveRoomForTheSumOfAllLookups) { ExpectRoomForTheSumOfAllLookups(FullTable(), 10); }
TEST(FullTable, SolutionsAreShortest) { ExpectShortestSolutions(FullTable()); }

// Any change of what the table holds shows here, and must be meant: the format version of the
// table's file goes up with it.
TEST(FullTable, HoldsAKnownNumberOfEntriesAtEachDistance) {
  const std::map<int, uint64_t> expected = {
      {0, 10}, {1, 30}, {2, 68}, {3, 152}, {4, 384}, {5, 968}, {6, 2402}, {7, 5828}, {8, 13689},
      {9, 32182}, {10, 74707}, {11, 166119}, {12, 357789}, {13, 757305}, {14, 1586270},
      {15, 3234117}, {16, 6298689}, {17, 11374189}, {18, 18063148}, {19, 23399317}, {20, 22965208},
      {21, 16621121}, {22, 8254841}, {23, 1730559}, {24, 71234}, {25, 284}};
  EXPECT_EQ(EntriesAtEachDistance(FullTable()), expected);
  EXPECT_LE(expected.rbegin()->first, LargestEntry) << "the lookups' sum would reach into the estimate";
}

}  // namespace
}  // namespace tq::optimal::test
