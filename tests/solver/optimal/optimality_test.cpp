// Shortest solutions: the search against breadth-first distances, and the move pruning against
// every move sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "layout_moves.h"
#include "solver/optimal/move_pruning.h"
#include "table_checks.h"
#include "test_tables.h"

namespace tq::optimal::test {
namespace {

TEST(SmallTable, SolutionsAreShortest) { ExpectShortestSolutions(SmallTable()); }

// The fewest moves to each position within `depth` moves, over the sequences the pruning
// allows, or over all of them.
void Explore(const std::string& layout, int state, MoveHistory history, int moves, int depth, bool pruned,
             std::map<std::string, int>& fewest) {
  auto [at, fresh] = fewest.emplace(layout, moves);
  if (!fresh) {
    if (at->second <= moves && !pruned) return;  // all sequences from here were seen already
    at->second = std::min(at->second, moves);
  }
  if (moves == depth) return;
  const unsigned allowed = pruned ? MovePruning::Get().Allowed(state, history) : 0x1Fu;
  for (int code = 1; code <= 5; ++code) {
    if ((allowed >> (code - 1)) & 1u) {
      Explore(Moved(layout, code), code == 5 ? 1 - state : state, AfterMove(history, code), moves + 1, depth, pruned, fewest);
    }
  }
}

TEST(MovePruning, KeepsAShortestWayToEveryPositionItCuts) {
  for (uint64_t seed = 1; seed <= 4; ++seed) {
    const std::string layout = RandomPosition(seed, 1001 + seed);  // both slide states
    const int state = layout[5] != ' ' ? 1 : 0;
    std::map<std::string, int> all, pruned;
    Explore(layout, state, EmptyHistory, 0, 7, false, all);
    Explore(layout, state, EmptyHistory, 0, 7, true, pruned);
    EXPECT_EQ(pruned, all) << layout;
  }
}

}  // namespace
}  // namespace tq::optimal::test
