// The current position with every change before and after it, for undo and redo.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tq::solver_window {

// What made a change, for the Undo and Redo menu entries and for what follows a change.
enum class ChangeKind { Move, Step, Edit, Paste, Scramble, Reset };

class PositionHistory {
 public:
  explicit PositionHistory(std::string layout) : layout_(std::move(layout)) {}

  const std::string& Layout() const { return layout_; }

  // Makes `layout` the current position and forgets what could be redone. A layout equal to the
  // current one is no change: false, and nothing is remembered.
  bool Change(std::string layout, ChangeKind kind);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // The kind of change that Undo or Redo would take back or make again; only when it can.
  ChangeKind UndoKind() const { return undo_.back().Kind; }
  ChangeKind RedoKind() const { return redo_.back().Kind; }
  // Goes one change back or forward and gives the kind of change it went over; nothing when
  // there is none.
  std::optional<ChangeKind> Undo() { return Cross(undo_, redo_); }
  std::optional<ChangeKind> Redo() { return Cross(redo_, undo_); }

 private:
  struct Entry {
    std::string Layout;  // the position on the other side of the change
    ChangeKind Kind;
  };
  // Crosses the change on top of `from` and puts it on `to`, to be crossed back.
  std::optional<ChangeKind> Cross(std::vector<Entry>& from, std::vector<Entry>& to);
  std::string layout_;
  std::vector<Entry> undo_;
  std::vector<Entry> redo_;
};

}  // namespace tq::solver_window
