// The properties both tables must have: a wrong entry or a wrong lookup breaks one of these.
#include "table_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "layout_moves.h"

namespace tq::optimal::test {

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

void ExpectRoomForTheSumOfAllLookups(const PatternTable& table, int lookups) {
  const uint8_t largest = *std::max_element(table.Entries(), table.Entries() + table.EntryCount());
  EXPECT_LT(lookups * largest, 256);
}

namespace {
// Every 40th position 6 to 10 moves from solved, about 300 of them, in a fixed order.
std::vector<std::pair<std::string, int>> PositionsNearSolved() {
  std::vector<std::pair<std::string, int>> all;
  for (const auto& entry : DistancesUpTo(10)) {
    if (entry.second >= 6) all.push_back(entry);
  }
  std::sort(all.begin(), all.end());
  std::vector<std::pair<std::string, int>> some;
  for (size_t i = 0; i < all.size(); i += 40) some.push_back(all[i]);
  return some;
}
}  // namespace

void ExpectShortestSolutions(const PatternTable& table) {
  const auto positions = PositionsNearSolved();
  ASSERT_GT(positions.size(), 250u);
  for (const auto& [layout, distance] : positions) {
    const SearchResult result = Solve(table, layout);
    ASSERT_EQ(result.Status, SearchStatus::Solved) << layout;
    EXPECT_EQ(static_cast<int>(result.Solution.size()), distance) << layout;
    EXPECT_TRUE(IsSolvedLayout(Replayed(layout, result.Solution))) << layout << " " << result.Solution;
  }
}

std::map<int, uint64_t> EntriesAtEachDistance(const PatternTable& table) {
  std::array<uint64_t, 256> counts{};
  for (uint64_t i = 0; i < table.EntryCount(); ++i) ++counts[table.Entries()[i]];
  std::map<int, uint64_t> found;
  for (int value = 0; value < 256; ++value) {
    if (counts[value] != 0) found[value] = counts[value];
  }
  return found;
}

}  // namespace tq::optimal::test
