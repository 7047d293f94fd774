// Composes the moves after the first few into one shuffle, and applies it ahead of the walk.
#include "solver/foresight.h"

#include "store/solutions.h"

namespace tq {

// Runs the rest of the walk on a position whose bytes name themselves (byte b holds b + 1,
// 0 for no slot), which leaves in each byte where its value comes from.
void Foresight::Compose(uint32_t slide, const uint8_t* moves) {
  const MoveShuffles& shuffles = GetMoveShuffles();
  char bytes[32] = {};
  for (int8_t b : SlotByte) bytes[b] = static_cast<char>(b + 1);
  PackedField sources;
  sources.LoadBytes(bytes);
  uint32_t state = slide;
  for (int32_t i = After + 1; moves[i] != 0; ++i) {
    sources.Apply(*shuffles.Step[moves[i]][state]);
    if (moves[i] == 5) state = state == 0 ? 1 : 0;
  }
  sources.StoreBytes(bytes);
  ByteMapping mapping;
  for (int b = 0; b < 32; ++b) mapping[b] = static_cast<int8_t>(bytes[b] - 1);
  rest_[slide] = PackedField::MakeShuffle(mapping);
  valid_[slide] = true;
}

void Foresight::Foresee(PackedField position, uint32_t slide, const uint8_t* moves) {
  if (!valid_[slide]) Compose(slide, moves);
  position.Apply(rest_[slide]);
  UnpackLayout(position, layout_);
  PrefetchSolution(Layout());
}

}  // namespace tq
