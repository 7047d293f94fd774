// Random moves on the current Field or any other, for a position to solve.
#pragma once

#include <cstdint>

#include "model/field.h"
#include "model/random.h"

namespace tq {

// Applies n random moves: never two slides in a row, never a half turn undone at once.
// Keeps SlideState in step. n of 0 or less does nothing. Draws from RandomState.
int32_t Scramble(int32_t n);

// The same on a field, slide state and generator of the caller's own, touching no process-wide
// state; Scramble(n) is this on Field, SlideState and RandomState.
int32_t Scramble(FieldSlots& field, int32_t& slideState, int32_t n, RandomWords& random);

}  // namespace tq
