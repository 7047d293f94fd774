// The scrambler: its own choice values 0 to 6, with 4 to 6 all meaning a slide.
#include "model/scramble.h"

#include "model/moves.h"

namespace tq {

namespace {
// Choices 0 to 3 are upper left, upper right, lower left, lower right.
constexpr int32_t ChoiceMoveCode[4] = {MoveUpperLeft, MoveUpperRight, MoveLowerLeft, MoveLowerRight};

int32_t DrawChoice(RandomWords& random, int32_t previous) {
  if (previous >= 4) return Random(random, 3);
  const int32_t forbidden = previous % 2 == 1 ? previous - 1 : previous + 1;
  int32_t choice = Random(random, 6);
  while (choice == forbidden) choice = Random(random, 6);
  return choice;
}
}  // namespace

int32_t Scramble(FieldSlots& field, int32_t& slideState, int32_t n, RandomWords& random) {
  int32_t previous = 0;
  for (int32_t k = 0; k < n; ++k) {
    const int32_t choice = DrawChoice(random, previous);
    ApplyMoveCode(field, choice >= 4 ? MoveSlide : ChoiceMoveCode[choice], slideState);
    previous = choice;
  }
  return 0;
}

int32_t Scramble(int32_t n) { return Scramble(Field, SlideState, n, RandomState); }

}  // namespace tq
