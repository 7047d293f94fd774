// Ring turns, column slides and the count of correct columns, on any field; the procedures on the
// one Field apply the same rules to it.
#include "model/moves.h"

namespace tq {

int32_t RotateRing(FieldSlots& field, int32_t ring, int32_t direction) {
  if (ring < 0 || ring > 3) return 0;
  const int row = ring + 1;
  if (direction == -1) {
    const int8_t kept = field[SlotNumber(0, row)];
    for (int x = 0; x <= 3; ++x) field[SlotNumber(x, row)] = field[SlotNumber(x + 1, row)];
    field[SlotNumber(4, row)] = kept;
  } else if (direction == 1) {
    const int8_t kept = field[SlotNumber(4, row)];
    for (int x = 3; x >= 0; --x) field[SlotNumber(x + 1, row)] = field[SlotNumber(x, row)];
    field[SlotNumber(0, row)] = kept;
  }
  return 0;
}

int32_t SlideColumns(FieldSlots& field, int32_t state) {
  static constexpr int LongColumns[] = {0, 2, 4};
  if (state == 0) {
    for (int c : LongColumns) {
      for (int y = 5; y >= 1; --y) field[SlotNumber(c, y)] = field[SlotNumber(c, y - 1)];
      field[SlotNumber(c, 0)] = EmptySlot;
    }
    return 1;
  }
  if (state == 1) {
    for (int c : LongColumns) {
      for (int y = 0; y <= 4; ++y) field[SlotNumber(c, y)] = field[SlotNumber(c, y + 1)];
      field[SlotNumber(c, 5)] = EmptySlot;
    }
  }
  return 0;
}

int32_t CorrectColumns(const FieldSlots& field) {
  int32_t count = 5;
  for (int x = 0; x <= 4; ++x) {
    const int8_t reference = field[SlotNumber(x, 1)];
    if (field[SlotNumber(x, 2)] != reference || field[SlotNumber(x, 3)] != reference ||
        field[SlotNumber(x, 4)] != reference) {
      --count;
    }
  }
  return count;
}

namespace {
void TurnHalf(FieldSlots& field, int32_t firstRing, int32_t direction) {
  RotateRing(field, firstRing, direction);
  RotateRing(field, firstRing + 1, direction);
}
}  // namespace

int32_t ApplyMoveCode(FieldSlots& field, int32_t code, int32_t& slideState) {
  switch (code) {
    case MoveUpperRight: TurnHalf(field, 0, +1); return 1;
    case MoveUpperLeft: TurnHalf(field, 0, -1); return 1;
    case MoveLowerRight: TurnHalf(field, 2, +1); return 1;
    case MoveLowerLeft: TurnHalf(field, 2, -1); return 1;
    case MoveSlide: slideState = SlideColumns(field, slideState); return 1;
    default: return 0;
  }
}

int32_t RotateRing(int32_t ring, int32_t direction) { return RotateRing(Field, ring, direction); }

int32_t SlideColumns(int32_t state) { return SlideColumns(Field, state); }

int32_t IsSolved() { return CorrectColumns(Field); }

int32_t ApplyMoveCode(int32_t code, int32_t& slideState) { return ApplyMoveCode(Field, code, slideState); }

}  // namespace tq
