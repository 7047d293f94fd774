// The one current position of the drum, its 26-character text form and its slide state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

inline constexpr int SlotCount = 26;
inline constexpr int8_t EmptySlot = 0;

// Slot number = 5 * column + row. Long columns 0, 2, 4 have rows 0 to 5,
// short columns 1 and 3 rows 1 to 4. Value 0 is an empty slot, 1 to 6 a ball of
// colour code value - 1.
using FieldSlots = std::array<int8_t, SlotCount>;
extern FieldSlots Field;

// 0: the long columns' empty slots are in row 5; 1: they are in row 0.
extern int32_t SlideState;

struct SlotPlace {
  int32_t Column;
  int32_t Row;
};
extern const std::array<SlotPlace, SlotCount> SlotTable;

// A solved position with slide state 0.
extern const std::string StartLayout;

constexpr int SlotNumber(int column, int row) { return 5 * column + row; }

// " " for an empty slot, otherwise the decimal text of value - 1.
std::string FieldToLayout();
// Sets all 26 slots from the text: " " is empty, a digit d gives d + 1, any other
// character and a missing one give 1. Characters after the 26th are ignored.
int32_t LayoutToField(std::string_view layout);
// 1 when row 5 of every long column holds a ball, otherwise 0.
int32_t ReadSlideState();
// Sets the Field from a layout and SlideState from the Field.
void PlaceLayout(std::string_view layout);

// The same on a field of the caller's own, touching no process-wide state: these are the
// definitions the procedures above apply to the one Field.
// The slots of a layout, read as LayoutToField reads it.
FieldSlots FieldOfLayout(std::string_view layout);
// The layout text of a field, written as FieldToLayout writes it.
std::string LayoutOfField(const FieldSlots& field);
// 1 when row 5 of every long column holds a ball, otherwise 0.
int32_t SlideStateOf(const FieldSlots& field);

}  // namespace tq
