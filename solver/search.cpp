// The search: an odometer over move sequences, local rewrite rules that skip many
// self-undoing sequences, and a replay of each sequence from the start position.
#include "solver/search.h"

#include <new>
#include <vector>

#include "model/field.h"
#include "solver/move_buffer.h"
#include "solver/foresight.h"
#include "solver/miss_cache.h"
#include "solver/move_shuffles.h"
#include "solver/notation.h"
#include "solver/walk.h"
#include "store/solutions.h"
#include "ui/toolkit.h"

namespace tq {

namespace {

const std::string NoResult = "No Result";

class Search {
 public:
  Search(int32_t limit, std::vector<uint8_t>& buffer, const std::string& startLayout)
      : count_(limit, buffer, [this](int32_t finished) { FinishLength(finished); }),
        startLayout_(startLayout),
        start_(PackLayout(startLayout)),
        askStore_(SolutionCount() != 0) {}

  std::string Run() {
    count_.Start();
    mark_ = TickCount();
    for (;;) {
      ++trials_;
      count_.CarryPass();
      SetSearchProgress(static_cast<int32_t>(static_cast<uint32_t>(trials_) * 100u) / estimate_);
      DrainEvents();
      count_.PrunePass();
      if (count_.LastChangeHigh() > Foresight::After) foresight_.Invalidate();
      DrainEvents();
      const Walk walk = WalkCandidate(count_.Moves(), start_, SlideState, askStore_ ? &foresight_ : nullptr);
      const std::string* stored = LookupReached(walk);
      if (walk.Solved || stored != nullptr) return Success(walk, stored);
      if (count_.Advance() || StopRequested.load(std::memory_order_relaxed) != 0) return NoResult;
    }
  }

 private:
  // A carry has grown the candidates past `finished` moves.
  void FinishLength(int32_t finished) {
    const uint32_t now = TickCount();
    AddListLine("Status: " + std::to_string(finished) + "/" + std::to_string(count_.Limit()) +
                " Time: " + std::to_string(now - mark_) + " ms");
    mark_ = now;
    uint32_t estimate = 1;
    for (int32_t k = 0; k < finished; ++k) estimate *= 3u;
    estimate_ = static_cast<int32_t>(estimate);
    trials_ = 0;
  }

  const std::string* LookupReached(const Walk& walk) {
    if (!askStore_ || misses_.Holds(walk.End)) return nullptr;
    const std::string* found;
    if (walk.Foreseen) {
      found = FindSolution(foresight_.Layout());
    } else {
      char reached[32];
      UnpackLayout(walk.End, reached);
      found = FindSolution(std::string_view(reached, SlotCount));
    }
    if (found == nullptr) misses_.Remember(walk.End);
    return found;
  }

  std::string Success(const Walk& walk, const std::string* stored) {
    std::string result;
    AppendSolutionDigits(result, count_.Moves() + 1, walk.LastApplied);
    if (stored != nullptr) result += *stored;
    StoreSolution(startLayout_, result);
    return result;
  }

  MoveBuffer count_;
  const std::string& startLayout_;
  PackedField start_;
  const bool askStore_;  // the list cannot gain entries while the search runs
  Foresight foresight_;
  MissCache misses_;
  int32_t trials_ = 0;
  int32_t estimate_ = 1;
  uint32_t mark_ = 0;
};

std::string Finish(const std::string& startLayout, std::string result) {
  SolverRunning.store(0);
  SetSearchProgress(0);
  LayoutToField(startLayout);
  SlideState = ReadSlideState();
  RefreshField();
  return result;
}

bool ObtainBuffer(int32_t limit, std::vector<uint8_t>& buffer) {
  if (limit < 1) return false;  // no room for a single move: nothing to count
  try {
    buffer.assign(static_cast<size_t>(limit) + MoveBuffer::Padding, 0);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return true;
}

}  // namespace

std::string Solve(int32_t limit) {
  SolverRunning.store(1);
  std::vector<uint8_t> buffer;
  const bool haveBuffer = ObtainBuffer(limit, buffer);
  const std::string startLayout = FieldToLayout();
  if (!haveBuffer) return Finish(startLayout, NoResult);
  if (const std::string* stored = FindSolution(startLayout)) {
    AddListLine("Saved Field...");
    return Finish(startLayout, *stored);
  }
  Search search(limit, buffer, startLayout);
  return Finish(startLayout, search.Run());
}

}  // namespace tq
