// The long columns' way, read from a layout's text.
#include "ui/solver_window/layout_moves.h"

#include "model/field.h"

namespace tq::solver_window {

bool LongColumnsUp(std::string_view layout) {
  return layout.size() == SlotCount && layout[SlotNumber(0, 5)] == ' ' && layout[SlotNumber(2, 5)] == ' ' &&
         layout[SlotNumber(4, 5)] == ' ';
}

}  // namespace tq::solver_window
