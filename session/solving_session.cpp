// The rules of a solving session: changes and their history, asking for solutions and taking
// the answers, following the solution and playing it.
#include "session/solving_session.h"

#include <utility>

#include "model/field.h"
#include "model/layout_moves.h"
#include "model/moves.h"

namespace tq::session {

namespace {

// A scramble as thorough as any person's: far more moves than the longest shortest solution.
constexpr int ScrambleMoves = 2000;

bool IsValid(std::string_view layout) { return FindLayoutFault(layout).What == LayoutFault::Kind::None; }

// The move that leads from one layout to the other, or 0: so that undo, redo and steps back
// report their move too.
int MoveBetween(const std::string& from, const std::string& to) {
  if (!IsValid(from)) return 0;
  for (int code = MoveUpperRight; code <= MoveSlide; ++code) {
    if (LayoutAfterMove(from, code) == to) return code;
  }
  return 0;
}

std::vector<MarkedFault> FaultsOf(std::string_view layout) {
  std::vector<MarkedFault> faults;
  for (MarkedLayoutFault& found : FindLayoutFaults(layout)) faults.push_back({found.Fault, std::move(found.Slots)});
  return faults;
}

// A text that is no layout at all opens the start position.
std::string OpeningLayout(std::string_view text) {
  std::string layout = LayoutFromText(text);
  const LayoutFault::Kind what = FindLayoutFault(layout).What;
  if (what == LayoutFault::Kind::Length || what == LayoutFault::Kind::Character) return StartLayout;
  return layout;
}

}  // namespace

SolvingSession::SolvingSession(std::string_view layout) {
  state_.Layout = OpeningLayout(layout);
  faults_ = FaultsOf(state_.Layout);
}

const std::string& SolvingSession::Layout() const { return state_.Layout; }
bool SolvingSession::Valid() const { return faults_.empty(); }
const std::vector<MarkedFault>& SolvingSession::Faults() const { return faults_; }
bool SolvingSession::Solved() const { return Valid() && CorrectColumns(FieldOfLayout(state_.Layout)) == 5; }
bool SolvingSession::LongColumnsUp() const { return tq::LongColumnsUp(state_.Layout); }
int SolvingSession::LastMove() const { return lastMove_; }

// --- Changes ------------------------------------------------------------------------------------

bool SolvingSession::Change(std::string layout, ChangeKind kind, int step, bool byPlay) {
  if (layout == state_.Layout) return false;
  const bool hadPath = !state_.Path.Empty() || waiting_ == Waiting::Solution;
  const std::string before = state_.Layout;
  undo_.push_back({state_, kind});
  redo_.clear();
  state_.Layout = std::move(layout);
  state_.Hint = 0;
  Follow(before, kind, hadPath, step, byPlay);
  return true;
}

void SolvingSession::Follow(const std::string& before, ChangeKind kind, bool hadPath, int step, bool byPlay) {
  if (!byPlay) playing_ = false;
  lastMove_ = MoveBetween(before, state_.Layout);
  faults_ = FaultsOf(state_.Layout);
  // A request was for the position before: its answer would be stale.
  EndWait();
  SolutionPath& path = state_.Path;
  if (step < 0 || step > path.Length() || path.PositionAt(step) != state_.Layout) {
    step = path.Empty() ? -1 : path.StepOf(state_.Layout, state_.Step);
  }
  if (step >= 0) {
    state_.Step = step;
    return;
  }
  path = {};
  state_.Step = -1;
  // Off the path by a move of the person's own (or by undo and redo): the way on from here is
  // asked for at once. A position set up by hand waits to be asked.
  const bool ownMove = kind == ChangeKind::Move || kind == ChangeKind::Step;
  if (hadPath && Valid() && ownMove) Ask(Waiting::Solution);
}

bool SolvingSession::Move(int code) {
  if (!Valid() || code < MoveUpperRight || code > MoveSlide) return false;
  return Change(LayoutAfterMove(state_.Layout, code), ChangeKind::Move);
}

bool SolvingSession::Edit(int slot, int value) {
  if (slot < 0 || slot >= SlotCount || value < -1 || value > 5) return false;
  std::string layout = state_.Layout;
  layout[static_cast<size_t>(slot)] = value < 0 ? ' ' : static_cast<char>('0' + value);
  return Change(std::move(layout), ChangeKind::Edit);
}

PasteResult SolvingSession::Paste(std::string_view text) {
  std::string layout = LayoutFromText(text);
  const LayoutFault fault = FindLayoutFault(layout);
  if (fault.What == LayoutFault::Kind::Length || fault.What == LayoutFault::Kind::Character) {
    pasteFault_ = fault;
    return PasteResult::Refused;
  }
  return Change(std::move(layout), ChangeKind::Paste) ? PasteResult::Pasted : PasteResult::Same;
}

LayoutFault SolvingSession::PasteFault() const { return pasteFault_; }

bool SolvingSession::Scramble(uint64_t seed) {
  // Scrambling needs a drum that moves; a position being set up starts from the solved one.
  const std::string& from = Valid() ? state_.Layout : StartLayout;
  return Change(ScrambledLayout(from, ScrambleMoves, seed), ChangeKind::Scramble);
}

bool SolvingSession::Reset() { return Change(StartLayout, ChangeKind::Reset); }

bool SolvingSession::CanUndo() const { return !undo_.empty(); }
bool SolvingSession::CanRedo() const { return !redo_.empty(); }

std::optional<ChangeKind> SolvingSession::UndoKind() const {
  if (undo_.empty()) return std::nullopt;
  return undo_.back().Kind;
}

std::optional<ChangeKind> SolvingSession::RedoKind() const {
  if (redo_.empty()) return std::nullopt;
  return redo_.back().Kind;
}

bool SolvingSession::Undo() { return Cross(undo_, redo_); }
bool SolvingSession::Redo() { return Cross(redo_, undo_); }

bool SolvingSession::Cross(std::vector<Entry>& from, std::vector<Entry>& to) {
  if (from.empty()) return false;
  Entry entry = std::move(from.back());
  from.pop_back();
  const bool hadPath = !state_.Path.Empty() || waiting_ == Waiting::Solution;
  const std::string before = state_.Layout;
  SolutionPath path = state_.Path;
  to.push_back({std::move(state_), entry.Kind});
  state_ = std::move(entry.Other);
  // The entry's own solution comes back with it; without one, the solution followed now still
  // serves if the position lies on it.
  if (state_.Path.Empty()) {
    state_.Path = std::move(path);
    state_.Step = -1;
  }
  Follow(before, entry.Kind, hadPath, state_.Step, false);
  return true;
}

// --- Solving ------------------------------------------------------------------------------------

void SolvingSession::Ask(Waiting what) {
  waiting_ = what;
  untaken_ = SolveRequest{++requestNumber_, state_.Layout};
}

void SolvingSession::EndWait() {
  waiting_ = Waiting::Nothing;
  untaken_.reset();
}

bool SolvingSession::RequestSolution() {
  if (!Valid()) return false;
  if (!state_.Path.Empty() && state_.Step == 0) return false;
  Ask(Waiting::Solution);
  return true;
}

bool SolvingSession::RequestHint() {
  if (!Valid()) return false;
  if (state_.Step >= 0) {
    // On the path the rest of a shortest solution is a shortest solution from here.
    state_.Hint = state_.Path.MoveAfter(state_.Step);
  } else if (waiting_ != Waiting::Solution) {
    Ask(Waiting::Hint);
  }
  return true;
}

std::optional<SolveRequest> SolvingSession::TakeSolveRequest() { return std::exchange(untaken_, std::nullopt); }

Waiting SolvingSession::WaitingFor() const { return waiting_; }

AnswerUse SolvingSession::Answer(uint64_t number, std::string_view moves) {
  if (waiting_ == Waiting::Nothing || number != requestNumber_) return AnswerUse::Stale;
  const Waiting what = waiting_;
  EndWait();
  for (const char c : moves) {
    if (c < '1' || c > '5') return AnswerUse::Refused;
  }
  SolutionPath path(state_.Layout, moves);
  if (CorrectColumns(FieldOfLayout(path.PositionAt(path.Length()))) != 5) return AnswerUse::Refused;
  if (what == Waiting::Hint) {
    state_.Hint = path.MoveAfter(0);
  } else {
    // A new solution to follow: whatever played, played another one.
    playing_ = false;
    state_.Path = std::move(path);
    state_.Step = 0;
    state_.Hint = 0;
  }
  return AnswerUse::Taken;
}

void SolvingSession::AnswerFailed(uint64_t number) {
  if (number == requestNumber_) EndWait();
}

// --- Following the solution ---------------------------------------------------------------------

const SolutionPath& SolvingSession::Path() const { return state_.Path; }
int SolvingSession::Step() const { return state_.Step; }

int SolvingSession::NextMove() const { return state_.Step >= 0 ? state_.Path.MoveAfter(state_.Step) : state_.Hint; }
int SolvingSession::HintMove() const { return state_.Hint; }
bool SolvingSession::AtEnd() const { return state_.Step >= 0 && state_.Step == state_.Path.Length(); }

bool SolvingSession::StepTo(int step) {
  if (state_.Step < 0 || step < 0 || step > state_.Path.Length()) return false;
  return Change(state_.Path.PositionAt(step), ChangeKind::Step, step);
}

bool SolvingSession::Next() { return state_.Step >= 0 && StepTo(state_.Step + 1); }
bool SolvingSession::Previous() { return state_.Step > 0 && StepTo(state_.Step - 1); }
bool SolvingSession::First() { return StepTo(0); }
bool SolvingSession::Last() { return state_.Step >= 0 && StepTo(state_.Path.Length()); }

bool SolvingSession::Playing() const { return playing_; }

bool SolvingSession::Play() {
  if (state_.Step < 0 || state_.Path.Length() <= 0) return false;
  if (AtEnd()) StepTo(0);
  playing_ = true;
  return true;
}

void SolvingSession::Pause() { playing_ = false; }

bool SolvingSession::PlayTick() {
  if (!playing_) return false;
  const int step = state_.Step;
  const bool moved = step >= 0 && step < state_.Path.Length() &&
                     Change(state_.Path.PositionAt(step + 1), ChangeKind::Step, step + 1, true);
  if (!moved || AtEnd()) playing_ = false;
  return moved;
}

}  // namespace tq::session
