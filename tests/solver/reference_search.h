// A word-for-word search over the model's Field, slow and plain, to hold the real one to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tq {

// Same contract as Solve: lists through the toolkit, stores, restores the Field.
std::string ReferenceSolve(int32_t limit);

// One sweep of the rewrite rules over every position 1 to limit of moves (index = position;
// positions past the end read as 0).
void ReferencePrune(std::vector<uint8_t>& moves, int32_t limit);

}  // namespace tq
