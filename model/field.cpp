// The current position, its layout text and the slide state read from it.
#include "model/field.h"

namespace tq {

FieldSlots Field{};
int32_t SlideState = 0;

const std::array<SlotPlace, SlotCount> SlotTable = {{
    {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5},
    {1, 1}, {1, 2}, {1, 3}, {1, 4},
    {2, 0}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5},
    {3, 1}, {3, 2}, {3, 3}, {3, 4},
    {4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5},
}};

const std::string StartLayout = "30000 111132222 444435555 ";

std::string LayoutOfField(const FieldSlots& field) {
  std::string layout;
  layout.reserve(SlotCount);
  for (int8_t value : field) {
    if (value == EmptySlot) {
      layout += ' ';
    } else {
      layout += std::to_string(value - 1);
    }
  }
  return layout;
}

std::string FieldToLayout() { return LayoutOfField(Field); }

namespace {
int8_t SlotValueOf(char c) {
  if (c == ' ') return EmptySlot;
  if (c >= '0' && c <= '9') return static_cast<int8_t>(1 + (c - '0'));
  return 1;
}
}  // namespace

FieldSlots FieldOfLayout(std::string_view layout) {
  FieldSlots field{};
  for (size_t slot = 0; slot < field.size(); ++slot) {
    field[slot] = slot < layout.size() ? SlotValueOf(layout[slot]) : 1;
  }
  return field;
}

int32_t LayoutToField(std::string_view layout) {
  Field = FieldOfLayout(layout);
  return 0;
}

int32_t SlideStateOf(const FieldSlots& field) {
  return field[5] != EmptySlot && field[15] != EmptySlot && field[25] != EmptySlot ? 1 : 0;
}

int32_t ReadSlideState() { return SlideStateOf(Field); }

void PlaceLayout(std::string_view layout) {
  LayoutToField(layout);
  SlideState = ReadSlideState();
}

}  // namespace tq
