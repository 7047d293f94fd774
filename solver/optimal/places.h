// Places of the 23 balls in coordinates where a slide moves no ball, and the moves and
// symmetries as shifts and masks on sets of places.
#pragma once

#include <array>
#include <cstdint>

namespace tq::optimal {

// A set of places is a mask with bit 5 * column + k. A long column's five balls are k = 0 to 4
// from the top wherever the column stands, so a slide only changes the slide state; a short
// column's four balls keep their rows, k = 1 to 4. Bits 5 and 15 stay unused.
using PlaceSet = uint32_t;
inline constexpr int PlaceBitCount = 25;
inline constexpr int MoveCount = 5;  // move codes 1 to 5; index code - 1

constexpr bool IsLongColumn(int column) { return column % 2 == 0; }
constexpr PlaceSet ColumnPlaces(int column) { return (IsLongColumn(column) ? 0x1Fu : 0x1Eu) << (5 * column); }
inline constexpr PlaceSet LongPlaces = ColumnPlaces(0) | ColumnPlaces(2) | ColumnPlaces(4);
inline constexpr PlaceSet ShortPlaces = ColumnPlaces(1) | ColumnPlaces(3);
inline constexpr PlaceSet AllPlaces = LongPlaces | ShortPlaces;

// Rows 1 to 4 of a column, which a solved position fills with one colour.
constexpr PlaceSet MiddleRows(int column, int slideState) {
  if (!IsLongColumn(column)) return ColumnPlaces(column);
  return (slideState == 0 ? 0x1Eu : 0x0Fu) << (5 * column);
}
// Row 0 of the long columns when they stand up, row 5 when they stand down: colour 3's goal.
constexpr PlaceSet ExtraRow(int slideState) { return (slideState == 0 ? 0x1u : 0x10u) * 0x100401u; }

struct SlotPlace {
  int Column;
  int Row;
};

// Slot number = 5 * column + row; slots 5, 15 and 25 are row 5 of the long columns.
constexpr SlotPlace PlaceOfSlot(int slot) {
  const int column = slot / 5, row = slot % 5;
  if (row == 0 && (column % 2 == 1 || column == 5)) return {column - 1, 5};
  return {column, row};
}

// The slot that holds place `bit`, and the place of a ball at (column, row).
constexpr int SlotOfBit(int bit, int slideState) {
  const int column = bit / 5, k = bit % 5;
  return 5 * column + k + (IsLongColumn(column) && slideState == 1 ? 1 : 0);
}
constexpr int BitOfPlace(int column, int row, int slideState) {
  return 5 * column + row - (IsLongColumn(column) && slideState == 1 ? 1 : 0);
}

// Where each place goes: Target[bit], or -1 for an unused bit.
using PlaceMap = std::array<int8_t, PlaceBitCount>;

constexpr bool IsPlace(int bit) { return ((AllPlaces >> bit) & 1u) != 0; }

// Move code 1 to 4 turns the upper (1, 2) or lower (3, 4) half right (odd) or left (even).
constexpr PlaceMap TurnMap(int code, int slideState) {
  PlaceMap map{};
  const int firstRow = code <= 2 ? 1 : 3;
  const int step = code % 2 == 1 ? 1 : 4;  // right is +1, left is +4 = -1 modulo 5
  for (int bit = 0; bit < PlaceBitCount; ++bit) {
    if (!IsPlace(bit)) {
      map[bit] = -1;
      continue;
    }
    const int column = bit / 5;
    const int row = SlotOfBit(bit, slideState) - 5 * column;
    const bool turns = row == firstRow || row == firstRow + 1;
    map[bit] = static_cast<int8_t>(turns ? BitOfPlace((column + step) % 5, row, slideState) : bit);
  }
  return map;
}

// The left-right mirror: column c to 4 - c.
constexpr PlaceMap MirrorMap() {
  PlaceMap map{};
  for (int bit = 0; bit < PlaceBitCount; ++bit) map[bit] = IsPlace(bit) ? static_cast<int8_t>(20 - bit + 2 * (bit % 5)) : -1;
  return map;
}

// Upside down: row r to 5 - r, the upper half to the lower, and the other slide state.
constexpr PlaceMap FlipMap() {
  PlaceMap map{};
  for (int bit = 0; bit < PlaceBitCount; ++bit) {
    const int column = bit / 5, k = bit % 5;
    map[bit] = IsPlace(bit) ? static_cast<int8_t>(5 * column + (IsLongColumn(column) ? 4 - k : 5 - k)) : -1;
  }
  return map;
}

constexpr PlaceSet MapPlaces(const PlaceMap& map, PlaceSet places) {
  PlaceSet mapped = 0;
  for (int bit = 0; bit < PlaceBitCount; ++bit) {
    if ((places >> bit) & 1u) mapped |= PlaceSet{1} << map[bit];
  }
  return mapped;
}

// A turn as masks and shifts, applied to two place sets at once, one in each half of a
// 64-bit word: each place moves by one of at most two distances forward or two backward.
struct ShiftMove {
  uint64_t Keep;
  uint64_t Left[2];
  int LeftBy[2];
  uint64_t Right[2];
  int RightBy[2];

  uint64_t operator()(uint64_t places) const {
    return (places & Keep) | ((places & Left[0]) << LeftBy[0]) | ((places & Left[1]) << LeftBy[1]) |
           ((places & Right[0]) >> RightBy[0]) | ((places & Right[1]) >> RightBy[1]);
  }
};

constexpr uint64_t BothHalves(PlaceSet places) { return places | (uint64_t{places} << 32); }

// Adds a place to the term of its distance, opening one if need be.
constexpr void AddShifted(uint64_t (&masks)[2], int (&by)[2], int& used, int distance, uint64_t place) {
  int term = 0;
  while (term < used && by[term] != distance) ++term;
  if (term == used) by[used++] = distance;
  masks[term] |= place;
}

constexpr ShiftMove MakeShiftMove(const PlaceMap& map) {
  ShiftMove move{};
  int lefts = 0, rights = 0;
  for (int bit = 0; bit < PlaceBitCount; ++bit) {
    if (map[bit] < 0) continue;
    const int by = map[bit] - bit;
    const uint64_t place = BothHalves(PlaceSet{1} << bit);
    if (by == 0) move.Keep |= place;
    else if (by > 0) AddShifted(move.Left, move.LeftBy, lefts, by, place);
    else AddShifted(move.Right, move.RightBy, rights, -by, place);
  }
  return move;
}

// The turns by slide state and move code 1 to 4 (index code - 1).
inline constexpr std::array<std::array<ShiftMove, 4>, 2> Turns = [] {
  std::array<std::array<ShiftMove, 4>, 2> turns{};
  for (int state = 0; state < 2; ++state) {
    for (int code = 1; code <= 4; ++code) turns[state][code - 1] = MakeShiftMove(TurnMap(code, state));
  }
  return turns;
}();

// The mirror on two packed place sets: whole columns change places.
constexpr uint64_t Mirror(uint64_t x) {
  constexpr uint64_t c0 = BothHalves(0x1Fu), c1 = c0 << 5, c2 = c0 << 10, c3 = c0 << 15, c4 = c0 << 20;
  return ((x & c0) << 20) | ((x & c1) << 10) | (x & c2) | ((x & c3) >> 10) | ((x & c4) >> 20);
}

// The flip on two packed place sets: each column's five bits reversed, then the short columns'
// four balls moved back to k = 1 to 4.
constexpr uint64_t Flip(uint64_t x) {
  constexpr uint64_t k0 = BothHalves(0x108421u), k1 = k0 << 1;
  uint64_t t = ((x >> 4) ^ x) & k0;
  x ^= t | (t << 4);
  t = ((x >> 2) ^ x) & k1;
  x ^= t | (t << 2);
  constexpr uint64_t shortLow = BothHalves(ShortPlaces >> 1);
  return (x & ~shortLow) | ((x & shortLow) << 1);
}

// Symmetry 0 is none, 1 the mirror, 2 the flip, 3 both. Without branches: the symmetry of
// each position comes at random, and a missed guess costs more than computing both sides.
constexpr uint64_t ApplySymmetry(int symmetry, uint64_t x) {
  const uint64_t mirrored = Mirror(x), mirror = 0 - static_cast<uint64_t>(symmetry & 1);
  x = (mirrored & mirror) | (x & ~mirror);
  const uint64_t flipped = Flip(x), flip = 0 - static_cast<uint64_t>((symmetry >> 1) & 1);
  return (flipped & flip) | (x & ~flip);
}

}  // namespace tq::optimal
