// The positions along a solution, replayed once with the model's moves.
#include "ui/solver_window/solution_path.h"

#include <cstdlib>

#include "ui/solver_window/layout_moves.h"

namespace tq::solver_window {

SolutionPath::SolutionPath(std::string start, std::string moves) : start_(std::move(start)), moves_(std::move(moves)) {
  positions_.reserve(moves_.size() + 1);
  positions_.push_back(start_);
  for (const char move : moves_) positions_.push_back(LayoutAfterMove(positions_.back(), move - '0'));
}

int SolutionPath::MoveAfter(int step) const {
  if (step < 0 || step >= Length()) return 0;
  return moves_[static_cast<size_t>(step)] - '0';
}

int SolutionPath::StepOf(std::string_view layout, int near) const {
  int found = -1;
  for (int step = 0; step <= Length(); ++step) {
    if (PositionAt(step) != layout) continue;
    if (found < 0 || std::abs(step - near) < std::abs(found - near)) found = step;
  }
  return found;
}

}  // namespace tq::solver_window
