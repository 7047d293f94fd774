// Undo and redo as two stacks of positions.
#include "ui/solver_window/position_history.h"

#include <utility>

namespace tq::solver_window {

bool PositionHistory::Change(std::string layout, ChangeKind kind) {
  if (layout == layout_) return false;
  undo_.push_back({std::exchange(layout_, std::move(layout)), kind});
  redo_.clear();
  return true;
}

std::optional<ChangeKind> PositionHistory::Cross(std::vector<Entry>& from, std::vector<Entry>& to) {
  if (from.empty()) return std::nullopt;
  Entry entry = std::move(from.back());
  from.pop_back();
  to.push_back({std::exchange(layout_, std::move(entry.Layout)), entry.Kind});
  return entry.Kind;
}

}  // namespace tq::solver_window
