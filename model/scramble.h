// Random moves on the current Field, for a position to solve.
#pragma once

#include <cstdint>

namespace tq {

// Applies n random moves: never two slides in a row, never a half turn undone at once.
// Keeps SlideState in step. n of 0 or less does nothing.
int32_t Scramble(int32_t n);

}  // namespace tq
