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

bool PositionHistory::Undo() {
  if (undo_.empty()) return false;
  Entry entry = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back({std::exchange(layout_, std::move(entry.Layout)), entry.Kind});
  return true;
}

bool PositionHistory::Redo() {
  if (redo_.empty()) return false;
  Entry entry = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({std::exchange(layout_, std::move(entry.Layout)), entry.Kind});
  return true;
}

}  // namespace tq::solver_window
