// The walk: a candidate replayed from the start position, tested after every move.
#pragma once

#include <cstdint>

#include "solver/foresight.h"
#include "solver/packed_field.h"

namespace tq {

struct Walk {
  bool Solved = false;
  int32_t LastApplied = 0;  // the highest position whose move was applied
  bool Foreseen = false;    // the end was foreseen and the walk got there
  PackedField End;          // where the walk stopped
};

// Applies moves[1], moves[2], ... from `start` with the walk's own slide state, until the
// field is solved or the next position holds 0; lists every move that leaves 1 to 4
// columns correct. With a foresight, foresees the end a few moves in.
Walk WalkCandidate(const uint8_t* moves, const PackedField& start, int32_t slideState, Foresight* foresight);

}  // namespace tq
