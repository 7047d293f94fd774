// Derives each move's slot mapping by running the model's move on a field of slot numbers.
#include "solver/move_shuffles.h"

#include "model/field.h"
#include "model/moves.h"

namespace tq {

namespace {
// Slot s holds s + 1 before the move; afterwards slot s tells where its value came from.
template <typename Move>
SlotMapping MappingOf(Move move) {
  const FieldSlots saved = Field;
  for (int s = 0; s < SlotCount; ++s) Field[s] = static_cast<int8_t>(s + 1);
  move();
  SlotMapping mapping{};
  for (int s = 0; s < SlotCount; ++s) mapping.Source[s] = static_cast<int8_t>(Field[s] - 1);
  Field = saved;
  return mapping;
}

MoveShuffles BuildMoveShuffles() {
  MoveShuffles shuffles{};
  for (int32_t code = MoveUpperRight; code <= MoveLowerLeft; ++code) {
    shuffles.Turn[code] = PackedField::MakeShuffle(MappingOf([code] {
      int32_t unused = 0;
      ApplyMoveCode(code, unused);
    }));
  }
  for (int32_t state = 0; state <= 1; ++state) {
    shuffles.Slide[state] = PackedField::MakeShuffle(MappingOf([state] { SlideColumns(state); }));
  }
  return shuffles;
}
}  // namespace

const MoveShuffles& GetMoveShuffles() {
  static const MoveShuffles shuffles = BuildMoveShuffles();
  return shuffles;
}

}  // namespace tq
