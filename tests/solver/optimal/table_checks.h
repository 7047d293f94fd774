// The properties both tables must have, each checked by a test of the Small table and one of
// the Full table.
#pragma once

#include <map>

#include "solver/optimal/optimal_solver.h"

namespace tq::optimal::test {

// Estimates never above the true distance near the solved positions, zero exactly when solved.
void ExpectLowerBoundsNearSolved(const PatternTable& table);
// Estimates change by at most one with a move.
void ExpectSteadyAlongMoves(const PatternTable& table);
// The search orders children by the estimate times 256 plus the sum of all `lookups`: the sum
// must stay below 256.
void ExpectRoomForTheSumOfAllLookups(const PatternTable& table, int lookups);
// The search's solutions near the solved positions are as long as the breadth-first distance.
void ExpectShortestSolutions(const PatternTable& table);

// How many entries hold each value.
std::map<int, uint64_t> EntriesAtEachDistance(const PatternTable& table);

}  // namespace tq::optimal::test
