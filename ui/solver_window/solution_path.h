// A shortest solution being followed: its start, its moves and the position after each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tq::solver_window {

class SolutionPath {
 public:
  // No solution: Length -1 and no positions.
  SolutionPath() = default;
  // The moves (digits 1 to 5) from `start`; the positions after each are worked out here.
  SolutionPath(std::string start, std::string moves);

  bool Empty() const { return positions_.empty(); }
  const std::string& Start() const { return start_; }
  const std::string& Moves() const { return moves_; }
  // The number of moves, 0 for a solved start, -1 for no solution.
  int Length() const { return static_cast<int>(positions_.size()) - 1; }
  // The position after `step` moves, 0 to Length.
  const std::string& PositionAt(int step) const { return positions_[static_cast<size_t>(step)]; }
  // The move code that leads from step to step + 1, or 0 past the end.
  int MoveAfter(int step) const;
  // The step whose position is `layout`, the one nearest to `near` where several are; -1 when
  // the layout is off the path.
  int StepOf(std::string_view layout, int near) const;

 private:
  std::string start_;
  std::string moves_;
  std::vector<std::string> positions_;
};

}  // namespace tq::solver_window
