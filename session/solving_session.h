// A solving session: one position being set up, solved and followed, with its history, its
// shortest solution, the step shown, the hint, what keeps it from being solved and whether a
// solution is being played. Every front end (the Qt window, the web page, a test) draws this and
// routes its events here; none of them holds a rule of its own.
//
// What it is not: a solver. When the session needs a solution it makes a SolveRequest and waits;
// the front end hands the request to whatever solves (a worker thread, a Web Worker) and gives
// the answer back with Answer(). Every request has a number; an answer to any request but the
// newest is stale and ignored, so a front end never has to cancel anything to stay correct.
//
// Layouts are the model's text: 26 characters, column by column from the top, " " for an empty
// slot and "0" to "5" for a ball (model/field.h). Methods that take a layout from outside read
// "_" as an empty slot too.
//
// Threads: a session is a plain value with no shared or process-wide state (it never touches the
// model's one Field or its random generator). One session may be used from one thread at a time;
// different sessions on different threads need no locking. It allocates, but never throws on
// bad input: a call that cannot apply says so by its return value and changes nothing.
//
// Undo and redo: every change of the position is one entry of the history, and an entry keeps
// the whole state beside the position: the solution, the step and the hint. Undo after an edit
// that dropped a solution brings the solution back at its step. An entry that had no solution
// keeps the solution followed now where its position lies on it.
//
// Play: Play() starts it; the front end calls PlayTick() on its own timer (the window every
// 600 ms). Any other change (a move, an edit, undo, redo, a step chosen by hand) pauses play.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout_check.h"

namespace tq::session {

// What made a change: for the Undo and Redo entries' words, and for what follows a change.
enum class ChangeKind { Move, Step, Edit, Paste, Scramble, Reset };

// A shortest solution being followed: its start, its moves and the position after each.
class SolutionPath {
 public:
  // No solution: Length -1 and no positions.
  SolutionPath() = default;
  // The moves (digits 1 to 5) from `start`, which the moves can reach; the positions after each
  // are worked out here. Characters other than 1 to 5 end the moves there.
  SolutionPath(std::string start, std::string_view moves);

  bool Empty() const { return positions_.empty(); }
  const std::string& Start() const { return start_; }
  const std::string& Moves() const { return moves_; }
  // The number of moves, 0 for a solved start, -1 for no solution.
  int Length() const { return static_cast<int>(positions_.size()) - 1; }
  // The position after `step` moves, 0 to Length; outside that range the nearest end (an empty
  // text without a solution).
  const std::string& PositionAt(int step) const;
  // The move code that leads from step to step + 1, or 0 outside the path or at its end.
  int MoveAfter(int step) const;
  // The step whose position is `layout`, the one nearest to `near` where several are; -1 off
  // the path.
  int StepOf(std::string_view layout, int near) const;

  bool operator==(const SolutionPath& other) const = default;

 private:
  std::string start_;
  std::string moves_;
  std::vector<std::string> positions_;
};

// One thing that keeps a layout from being solved, and the slots a front end marks for it (which
// ones for each kind: FindLayoutFaults in model/layout_check.h).
struct MarkedFault {
  LayoutFault Fault;
  std::vector<int> Slots;  // slot numbers 0 to 25 (5 * column + row); may be empty
};

// A request for a shortest solution of Layout, which the moves can reach.
struct SolveRequest {
  uint64_t Number = 0;
  std::string Layout;
};

// What the session waits for.
enum class Waiting { Nothing, Solution, Hint };

// What became of an answer.
enum class AnswerUse {
  Taken,     // the solution is shown (or the hint marked)
  Stale,     // not the newest request, or the position has changed since: ignored
  Refused,   // the moves do not solve the position they were asked for: ignored, waiting ends
};

// The result of a paste.
enum class PasteResult {
  Pasted,     // the position changed
  Same,       // the drum shows this position already: no change
  Refused,    // no layout at all (length or characters): no change; PasteFault() says why
};

class SolvingSession {
 public:
  // Opens on `layout`, which may be one that cannot be solved (Faults() then say why). A text
  // that is no layout at all (wrong length, other characters) opens the start position.
  explicit SolvingSession(std::string_view layout);

  // --- The position ---------------------------------------------------------------------------
  const std::string& Layout() const;
  // True when the moves can reach the layout: it can be moved and solved.
  bool Valid() const;
  // Every fault of the layout, in the order a person would mend them; empty when Valid().
  const std::vector<MarkedFault>& Faults() const;
  // True when the layout is valid and every column shows one colour in its four middle rows.
  bool Solved() const;
  // True when the long columns stand up (their empty slots in the bottom row), so that a slide
  // moves them down. Meaningful only when Valid().
  bool LongColumnsUp() const;
  // The move code (1 to 5) that led to the position from the one before the last change, or 0
  // when the last change was not a single move: for the front end's animation.
  int LastMove() const;

  // --- Changes ----------------------------------------------------------------------------------
  // Each gives true when the position changed. A change that leaves the solution's path by a move
  // of the person's own (a move, or a step off the path by undo or redo) asks for a new solution
  // at once when there was one; other changes drop the solution and wait to be asked.
  bool Move(int code);                  // move code 1 to 5; only when Valid()
  bool Edit(int slot, int value);       // slot 0 to 25; value -1 empties it, 0 to 5 is a colour
  PasteResult Paste(std::string_view text);
  LayoutFault PasteFault() const;       // why the last refused paste was refused
  bool Scramble(uint64_t seed);         // many random moves; from the start position when !Valid()
  bool Reset();                         // to the start position

  bool CanUndo() const;
  bool CanRedo() const;
  std::optional<ChangeKind> UndoKind() const;  // what Undo would take back
  std::optional<ChangeKind> RedoKind() const;
  bool Undo();
  bool Redo();

  // --- Solving ----------------------------------------------------------------------------------
  // Asks for a shortest solution of the current position (nothing when !Valid(), or when the
  // drum shows the start of the solution already). Gives true when a request was made.
  bool RequestSolution();
  // Marks the first move of a shortest solution: at once on the path; otherwise asks for one
  // (or, while a solution is awaited, lets its first move be the hint). False only when
  // !Valid(); HintMove() is 0 when the drum is solved.
  bool RequestHint();
  // The request the front end must pass on now, taken once: after any call above, the front end
  // takes it and hands it to its solver.
  std::optional<SolveRequest> TakeSolveRequest();
  Waiting WaitingFor() const;
  // The solver's answer to request `number`: the solution's digits (empty for a solved layout).
  AnswerUse Answer(uint64_t number, std::string_view moves);
  // The solver could not answer request `number` (no table, cancelled): the wait ends.
  void AnswerFailed(uint64_t number);

  // --- Following the solution -------------------------------------------------------------------
  const SolutionPath& Path() const;
  // The step of Path() the drum shows, or -1 off the path (or without a solution).
  int Step() const;
  bool OnPath() const { return Step() >= 0; }
  // The move to make now: the path's move after Step(), or the hint; 0 when none.
  int NextMove() const;
  int HintMove() const;
  // True at the end of the path: the drum is solved by following it.
  bool AtEnd() const;
  bool StepTo(int step);  // any step of the path, while on it
  bool Next();
  bool Previous();
  bool First();
  bool Last();

  bool Playing() const;
  // Starts playing the rest of the solution (from its start when at its end); false when there
  // is nothing to play.
  bool Play();
  void Pause();
  // One step of play; play stops by itself at the end. Gives true when it moved.
  bool PlayTick();

  // --- Kept between runs ------------------------------------------------------------------------
  // The position, its solution and the step, as a few lines of text (no history, no requests).
  std::string SavedText() const;
  // A session opened on what SavedText wrote; any damage (a foreign or cut text, a solution that
  // does not belong to its start) falls back to as much as holds: the position alone, or the
  // start position. Never throws.
  static SolvingSession FromSavedText(std::string_view text);

 private:
  // Layout, path, step, hint: what one history entry holds. Path is empty or holds Layout at
  // Step; Step is -1 exactly when Path is empty.
  struct State {
    std::string Layout;
    SolutionPath Path;
    int Step = -1;
    int Hint = 0;
  };
  struct Entry {
    State Other;  // the state on the other side of the change
    ChangeKind Kind;
  };

  // Makes `layout` current as a change of `kind`; `step` is the path's step it shows, when known.
  bool Change(std::string layout, ChangeKind kind, int step = -1, bool byPlay = false);
  // Crosses the change on top of `from` and puts it on `to`.
  bool Cross(std::vector<Entry>& from, std::vector<Entry>& to);
  // What follows once the state holds a new position: play, faults, step or a new solve.
  void Follow(const std::string& before, ChangeKind kind, bool hadPath, int step, bool byPlay);
  void Ask(Waiting what);
  void EndWait();

  State state_;
  std::vector<MarkedFault> faults_;
  std::vector<Entry> undo_;
  std::vector<Entry> redo_;
  int lastMove_ = 0;
  Waiting waiting_ = Waiting::Nothing;
  uint64_t requestNumber_ = 0;
  std::optional<SolveRequest> untaken_;
  bool playing_ = false;
  LayoutFault pasteFault_;
};

// Reads a layout in either spelling (a space or "_" for an empty slot), dropping the line end
// a copy brings along; nothing else is trimmed, since a layout may end in an empty slot.
std::string LayoutFromText(std::string_view text);
// The layout with "_" for every empty slot, which survives where spaces are trimmed.
std::string TextOfLayout(std::string_view layout);

}  // namespace tq::session
