// The five moves as byte shuffles of a packed position, taken from the model's own moves.
#pragma once

#include "solver/packed_field.h"

namespace tq {

struct MoveShuffles {
  PackedField::Shuffle Turn[5];   // index 1 to 4: move codes 1 to 4
  PackedField::Shuffle Slide[2];  // index: the slide state the columns stand in
};

// Built once, on first use.
const MoveShuffles& GetMoveShuffles();

}  // namespace tq
