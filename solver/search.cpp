// The search: an odometer over move sequences, local rewrite rules that skip many
// self-undoing sequences, and a replay of each sequence from the start position, reported
// trial by trial while the count and the replays run a few trials ahead.
#include "solver/search.h"

#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/field.h"
#include "solver/move_shuffles.h"
#include "solver/notation.h"
#include "solver/search_host.h"
#include "solver/trial_queue.h"
#include "store/solutions.h"

namespace tq {

namespace {

// Made once: a trial lists them without building a text.
const std::string CorrectColumnLines[5] = {"", CorrectColumnsLine(1), CorrectColumnsLine(2), CorrectColumnsLine(3),
                                           CorrectColumnsLine(4)};

class Search {
 public:
  Search(int32_t limit, std::vector<uint8_t>& buffer, const std::string& startLayout)
      : startLayout_(startLayout),
        filter_(CurrentSolutionFilter()),
        askStore_(SolutionCount() != 0),
        host_(InstalledSearchHost()),
        trials_(limit, buffer, PackLayout(startLayout), filter_) {}

  std::string Run() { return trials_.RunsAhead() ? Loop<true>() : Loop<false>(); }

 private:
  template <bool RunAhead>
  std::string Loop() {
    mark_ = host_.TickCount();
    trials_.Start<RunAhead>();
    for (;;) {
      Trial& trial = trials_.Front();
      ++trialCounter_;
      if (trial.FinishedLength != 0) FinishLength(trial.FinishedLength);
      host_.SetSearchProgress(static_cast<int32_t>(static_cast<uint32_t>(trialCounter_) * 100u) / estimate_);
      host_.DrainEvents();
      host_.DrainEvents();
      trials_.WalkFront<RunAhead>();
      const Walk& walk = trial.Result;
      for (int32_t k = 0; k < walk.LineCount; ++k) host_.AddListLine(CorrectColumnLines[trial.ColumnCounts[k]]);
      const std::string_view stored = LookupReached(trial);
      if (walk.Solved || !stored.empty()) return Success(trial, stored);
      if (!trials_.Next<RunAhead>() || StopRequested.load(std::memory_order_relaxed) != 0) {
        return std::string(NoResult);
      }
    }
  }

  // The count grew the candidates past `finished` moves on its way to this trial.
  void FinishLength(int32_t finished) {
    const uint32_t now = host_.TickCount();
    host_.AddListLine(std::string(StatusText) + std::to_string(finished) + "/" + std::to_string(trials_.Limit()) + " " +
                      TimeLine(now - mark_));
    mark_ = now;
    uint32_t estimate = 1;
    for (int32_t k = 0; k < finished; ++k) estimate *= 3u;
    estimate_ = static_cast<int32_t>(estimate);
    trialCounter_ = 0;
  }

  // Most ends are answered by their filter word alone, fetched when the walk was made. A
  // list that changed during the search (only a command run inside a drain can change it)
  // is asked in full.
  std::string_view LookupReached(const Trial& trial) const {
    const Walk& walk = trial.Result;
    if (filter_.IsUpToDate()) {
      if (walk.FilterBits != 0) {
        if (!filter_.MayHold(walk.FilterWordIndex, walk.FilterBits)) return {};
      } else if (!askStore_) {
        return {};
      }
    }
    char reached[32];
    UnpackLayout(walk.End, reached);
    return FindSolution(std::string_view(reached, SlotCount));
  }

  std::string Success(const Trial& trial, std::string_view stored) {
    std::string result;
    AppendSolutionDigits(result, trial.Moves + 1, trial.Result.LastApplied);
    result += stored;
    StoreSolution(startLayout_, result);
    return result;
  }

  const std::string& startLayout_;
  SolutionFilter filter_;
  const bool askStore_;  // the list held entries when the search began
  const SearchHost host_;
  TrialQueue trials_;
  int32_t trialCounter_ = 0;  // trials since the last finished length
  int32_t estimate_ = 1;
  uint32_t mark_ = 0;
};

std::string Finish(const std::string& startLayout, std::string result) {
  SolverRunning.store(0);
  const SearchHost& host = InstalledSearchHost();
  host.SetSearchProgress(0);
  PlaceLayout(startLayout);
  host.RefreshField();
  return result;
}

bool ObtainBuffer(int32_t limit, std::vector<uint8_t>& buffer) {
  if (limit < 1) return false;  // no room for a single move: nothing to count
  try {
    buffer.assign(TrialQueue::BufferSize(limit), 0);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return true;
}

}  // namespace

std::string CorrectColumnsLine(int32_t correct) { return std::string(CorrectColumnsText) + std::to_string(correct); }

std::string TimeLine(int64_t milliseconds) { return "Time: " + std::to_string(milliseconds) + " ms"; }

std::string Solve(int32_t limit) {
  SolverRunning.store(1);
  std::vector<uint8_t> buffer;
  const bool haveBuffer = ObtainBuffer(limit, buffer);
  const std::string startLayout = FieldToLayout();
  if (!haveBuffer) return Finish(startLayout, std::string(NoResult));
  if (const std::string_view stored = FindSolution(startLayout); !stored.empty()) {
    InstalledSearchHost().AddListLine(SavedFieldLine);
    return Finish(startLayout, std::string(stored));
  }
  KeySolutionFilter(&PackedLayoutKey);  // so that a walk's end is asked without making its text
  std::optional<Search> search;
  try {
    search.emplace(limit, buffer, startLayout);
  } catch (const std::bad_alloc&) {
    return Finish(startLayout, std::string(NoResult));
  }
  return Finish(startLayout, search->Run());
}

TimedSearch SolveTimed(int32_t limit) {
  const uint32_t start = TickCount();
  std::string result = Solve(limit);
  return {std::move(result), static_cast<int32_t>(TickCount() - start)};
}

}  // namespace tq
