// The positions along a solution, replayed once with the model's moves on a field of their own.
#include <cstdlib>

#include "model/layout_moves.h"
#include "session/solving_session.h"

namespace tq::session {

SolutionPath::SolutionPath(std::string start, std::string_view moves) : start_(std::move(start)) {
  positions_.reserve(moves.size() + 1);
  positions_.push_back(start_);
  for (const char move : moves) {
    if (move < '1' || move > '5') break;
    moves_ += move;
    positions_.push_back(LayoutAfterMove(positions_.back(), move - '0'));
  }
}

const std::string& SolutionPath::PositionAt(int step) const {
  if (positions_.empty()) return start_;
  if (step <= 0) return positions_.front();
  if (step >= Length()) return positions_.back();
  return positions_[static_cast<size_t>(step)];
}

int SolutionPath::MoveAfter(int step) const {
  if (step < 0 || step >= Length()) return 0;
  return moves_[static_cast<size_t>(step)] - '0';
}

int SolutionPath::StepOf(std::string_view layout, int near) const {
  int found = -1;
  for (int step = 0; step <= Length(); ++step) {
    if (positions_[static_cast<size_t>(step)] != layout) continue;
    if (found < 0 || std::abs(step - near) < std::abs(found - near)) found = step;
  }
  return found;
}

}  // namespace tq::session
