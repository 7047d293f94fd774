// The five moves as byte shuffles of a packed position, taken from the model's own moves,
// and the shuffles between layout order and the packed arrangement.
#pragma once

#include <cstdint>
#include <string_view>

#include "solver/packed_field.h"

namespace tq {

struct MoveShuffles {
  // Builds the table in place: the step table points into itself, so it is never copied.
  MoveShuffles();
  MoveShuffles(const MoveShuffles&) = delete;
  MoveShuffles& operator=(const MoveShuffles&) = delete;

  ByteShuffle Turn[5];   // index 1 to 4: move codes 1 to 4
  ByteShuffle Slide[2];  // index: the slide state the columns stand in
  ByteShuffle Identity;  // no move
  ByteShuffle FromLayout;
  ByteShuffle ToLayout;

  // A walk step without branches: for any buffer value and a slide state class (0, 1, or 2
  // for any other state), the shuffle and the class after it. A slide from state 0 or 1
  // moves the columns and flips the state; from any other state it changes nothing and
  // leaves state 0, as sliding the model's columns does.
  struct WalkStep {
    const ByteShuffle* Shuffle;
    uint32_t NextSlide;
  };
  WalkStep Step[256][4];  // the fourth class is unused: a row of 64 bytes is one shift away

  static uint32_t SlideClass(int32_t slideState) { return slideState == 0 || slideState == 1 ? slideState : 2; }
};

// Built once, on first use.
const MoveShuffles& GetMoveShuffles();

// The position a Field set from `layout` holds, packed.
PackedField PackLayout(std::string_view layout);
// The layout text of a packed position: 26 characters, and 6 more bytes of no meaning.
void UnpackLayout(PackedField packed, char* out32);
// The key of a layout for the solutions filter: PackedField::Key of the position whose text
// it is. Layouts no position has (other lengths, other characters) get keys of no meaning.
uint64_t PackedLayoutKey(std::string_view layout);

}  // namespace tq
