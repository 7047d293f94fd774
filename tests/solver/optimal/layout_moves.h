// Positions as layout texts for the optimal solver's tests: moves taken from the model's own,
// random positions, replaying a solution, and exact distances near the solved positions.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace tq::optimal::test {

// The start position, and the solved position with the long columns slid down.
inline const std::string Start = "30000 111132222 444435555 ";
inline const std::string SlidSolved = " 000031111 222234444 55553";

// The layout after move code 1 to 5, the slide state read from the layout.
std::string Moved(const std::string& layout, int code);
// The start after `moves` random move codes.
std::string RandomPosition(uint64_t seed, int moves);
// The layout reached by replaying a solution text with the model's moves.
std::string Replayed(const std::string& layout, const std::string& solution);
// Five correct columns, by the model's test.
bool IsSolvedLayout(const std::string& layout);

// The 4-ball colours renamed in the order they first appear; renaming keeps every distance.
std::string Renamed(const std::string& layout);
// Breadth-first from both solved positions: every position (renamed) within `depth` moves of
// a solved one, with its exact distance.
std::unordered_map<std::string, int> DistancesUpTo(int depth);

}  // namespace tq::optimal::test
