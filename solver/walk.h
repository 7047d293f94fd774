// The walk: a candidate replayed from the start position, tested after every move.
#pragma once

#include <cstdint>

#include "solver/move_shuffles.h"
#include "solver/instruction_set.h"
#include "solver/packed_field.h"
#include "store/solution_filter.h"

namespace tq {

struct Walk {
  bool Solved = false;
  int32_t LastApplied = 0;  // the highest position whose move was applied
  int32_t LineCount = 0;    // moves that left 1 to 4 columns correct: lines to list
  PackedField End;          // where the walk stopped
  // Set by PrefetchFilterWord for a walk not solved: which word of the solutions filter End's
  // key falls in (its fetch is under way) and the key's bits to test in it. Bits of 0 (as
  // every walk leaves them): the word is not known.
  uint64_t FilterWordIndex = 0;
  uint64_t FilterBits = 0;
};

// Where every walk of a search starts, the table its moves are looked up in, and the copy of
// the walk that runs them: any the processor has gives the same walk.
struct WalkStart {
  const MoveShuffles* Shuffles;
  PackedField Position;
  InstructionSet Instructions = ProcessorInstructionSet();
};

// Applies moves[1], moves[2], ... from `start` with the walk's own slide state, until the
// field is solved or the next position holds 0. For every move that leaves 1 to 4 columns
// correct it keeps that count in columnCounts[0], columnCounts[1], ...: one per move at most.
// The walk lists nothing itself, so that it can run ahead of what the search has listed.
void WalkCandidate(const uint8_t* moves, const WalkStart& start, int32_t slideState, uint8_t* columnCounts,
                   Walk& out);
// Works out the key of a walk's end (PackedField::Key), starts fetching the solutions
// filter's word for it, and keeps the word's index and the bits to test in it; unless the
// walk was solved: a solved walk ends the search, and the list is then asked in full.
template <bool Vector = false>
[[gnu::always_inline]] inline void PrefetchFilterWord(const SolutionFilter& filter, Walk& walk) {
  if (walk.Solved) [[unlikely]] return;
  const uint64_t key = walk.End.Key<Vector>();
  walk.FilterWordIndex = filter.WordIndexOf(key);
  walk.FilterBits = FilterBitsOf(key);
  filter.Prefetch(walk.FilterWordIndex);
}

// PrefetchFilterWord(filter, earlier), then WalkCandidate: a walk run ahead keys the walk
// before it, so that working out that key overlaps this walk rather than holding up the trial
// it ends.
void PrefetchAndWalk(const SolutionFilter& filter, Walk& earlier, const uint8_t* moves, const WalkStart& start,
                     int32_t slideState, uint8_t* columnCounts, Walk& out);

}  // namespace tq
