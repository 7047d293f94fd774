// The two kinds of move, the solved test and the move codes, on the current Field or any other.
#pragma once

#include <cstdint>

#include "model/field.h"

namespace tq {

// Move codes as solution texts and the search write them.
enum MoveCode : int32_t {
  MoveUpperRight = 1,
  MoveUpperLeft = 2,
  MoveLowerRight = 3,
  MoveLowerLeft = 4,
  MoveSlide = 5,
};

// Turns ring 0 to 3 (row ring + 1) one column: direction +1 to the right, -1 to the left.
// Any other ring or direction changes nothing.
int32_t RotateRing(int32_t ring, int32_t direction);
// Slides the long columns away from where `state` says they stand; returns the new state.
// A state other than 0 and 1 changes nothing and gives 0.
int32_t SlideColumns(int32_t state);
// The number of columns whose rows 1 to 4 hold four equal values, 0 to 5.
int32_t IsSolved();

// Applies move code 1 to 5 to the Field, keeping `slideState` in step; any other
// code is no move. Returns 1 when a move was applied.
int32_t ApplyMoveCode(int32_t code, int32_t& slideState);

// The same rules on a field of the caller's own, touching no process-wide state; the procedures
// above apply these to the one Field. Arguments and results as above; CorrectColumns is IsSolved.
int32_t RotateRing(FieldSlots& field, int32_t ring, int32_t direction);
int32_t SlideColumns(FieldSlots& field, int32_t state);
int32_t CorrectColumns(const FieldSlots& field);
int32_t ApplyMoveCode(FieldSlots& field, int32_t code, int32_t& slideState);

}  // namespace tq
