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

std::string FieldToLayout() {
  std::string layout;
  layout.reserve(SlotCount);
  for (int8_t value : Field) {
    if (value == EmptySlot) {
      layout += ' ';
    } else {
      layout += std::to_string(value - 1);
    }
  }
  return layout;
}

namespace {
int8_t SlotValueOf(char c) {
  if (c == ' ') return EmptySlot;
  if (c >= '0' && c <= '9') return static_cast<int8_t>(1 + (c - '0'));
  return 1;
}
}  // namespace

int32_t LayoutToField(std::string_view layout) {
  for (int slot = 0; slot < SlotCount; ++slot) {
    Field[slot] = slot < static_cast<int>(layout.size()) ? SlotValueOf(layout[slot]) : 1;
  }
  return 0;
}

int32_t ReadSlideState() {
  return Field[5] != EmptySlot && Field[15] != EmptySlot && Field[25] != EmptySlot ? 1 : 0;
}

void PlaceLayout(std::string_view layout) {
  LayoutToField(layout);
  SlideState = ReadSlideState();
}

}  // namespace tq
