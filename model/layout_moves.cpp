// Moves on layout texts: read into a field of their own, moved there, written back.
#include "model/layout_moves.h"

#include "model/field.h"
#include "model/moves.h"
#include "model/random.h"
#include "model/scramble.h"

namespace tq {

std::string LayoutAfterMove(std::string_view layout, int code) {
  FieldSlots field = FieldOfLayout(layout);
  int32_t slideState = SlideStateOf(field);
  ApplyMoveCode(field, code, slideState);
  return LayoutOfField(field);
}

bool LongColumnsUp(std::string_view layout) { return SlideStateOf(FieldOfLayout(layout)) == 0; }

std::string ScrambledLayout(std::string_view layout, int moves, uint64_t seed) {
  FieldSlots field = FieldOfLayout(layout);
  int32_t slideState = SlideStateOf(field);
  RandomWords random{};
  // The generator takes 32 bits; both halves of the seed count.
  SeedRandom(random, static_cast<uint32_t>(seed ^ (seed >> 32)));
  Scramble(field, slideState, moves, random);
  return LayoutOfField(field);
}

}  // namespace tq
