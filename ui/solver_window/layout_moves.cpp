// Moves on layouts: the layout is placed in the model's Field, moved there and read back.
#include "ui/solver_window/layout_moves.h"

#include "model/field.h"
#include "model/moves.h"
#include "model/scramble.h"

namespace tq::solver_window {

std::string LayoutAfterMove(std::string_view layout, int code) {
  PlaceLayout(layout);
  ApplyMoveCode(code, SlideState);
  return FieldToLayout();
}

bool LongColumnsUp(std::string_view layout) {
  PlaceLayout(layout);
  return SlideState == 0;
}

std::string ScrambledLayout(std::string_view layout, int count) {
  PlaceLayout(layout);
  Scramble(count);
  return FieldToLayout();
}

}  // namespace tq::solver_window
