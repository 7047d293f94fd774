// Ring turns, column slides and the count of correct columns.
#include "model/moves.h"

#include "model/field.h"

namespace tq {

int32_t RotateRing(int32_t ring, int32_t direction) {
  if (ring < 0 || ring > 3) return 0;
  const int row = ring + 1;
  if (direction == -1) {
    const int8_t kept = Field[SlotNumber(0, row)];
    for (int x = 0; x <= 3; ++x) Field[SlotNumber(x, row)] = Field[SlotNumber(x + 1, row)];
    Field[SlotNumber(4, row)] = kept;
  } else if (direction == 1) {
    const int8_t kept = Field[SlotNumber(4, row)];
    for (int x = 3; x >= 0; --x) Field[SlotNumber(x + 1, row)] = Field[SlotNumber(x, row)];
    Field[SlotNumber(0, row)] = kept;
  }
  return 0;
}

int32_t SlideColumns(int32_t state) {
  static constexpr int LongColumns[] = {0, 2, 4};
  if (state == 0) {
    for (int c : LongColumns) {
      for (int y = 5; y >= 1; --y) Field[SlotNumber(c, y)] = Field[SlotNumber(c, y - 1)];
      Field[SlotNumber(c, 0)] = EmptySlot;
    }
    return 1;
  }
  if (state == 1) {
    for (int c : LongColumns) {
      for (int y = 0; y <= 4; ++y) Field[SlotNumber(c, y)] = Field[SlotNumber(c, y + 1)];
      Field[SlotNumber(c, 5)] = EmptySlot;
    }
  }
  return 0;
}

int32_t IsSolved() {
  int32_t count = 5;
  for (int x = 0; x <= 4; ++x) {
    const int8_t reference = Field[SlotNumber(x, 1)];
    if (Field[SlotNumber(x, 2)] != reference || Field[SlotNumber(x, 3)] != reference ||
        Field[SlotNumber(x, 4)] != reference) {
      --count;
    }
  }
  return count;
}

namespace {
void TurnHalf(int32_t firstRing, int32_t direction) {
  RotateRing(firstRing, direction);
  RotateRing(firstRing + 1, direction);
}
}  // namespace

int32_t ApplyMoveCode(int32_t code, int32_t& slideState) {
  switch (code) {
    case MoveUpperRight: TurnHalf(0, +1); return 1;
    case MoveUpperLeft: TurnHalf(0, -1); return 1;
    case MoveLowerRight: TurnHalf(2, +1); return 1;
    case MoveLowerLeft: TurnHalf(2, -1); return 1;
    case MoveSlide: slideState = SlideColumns(slideState); return 1;
    default: return 0;
  }
}

}  // namespace tq
