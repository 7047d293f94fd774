// The search: an odometer over move sequences, local rewrite rules that skip many
// self-undoing sequences, and a replay of each sequence from the start position.
#include "solver/search.h"

#include <new>
#include <vector>

#include "model/field.h"
#include "solver/move_buffer.h"
#include "solver/move_shuffles.h"
#include "solver/notation.h"
#include "store/solutions.h"
#include "ui/toolkit.h"

namespace tq {

namespace {

const std::string NoResult = "No Result";
constexpr std::string_view CorrectColumnLines[5] = {
    "", "Richtige Spalten: 1", "Richtige Spalten: 2", "Richtige Spalten: 3", "Richtige Spalten: 4"};

// The layout a Field set from `layout` would give back: what every walk starts from.
void NormalisedLayout(const std::string& layout, char* out26) {
  for (int slot = 0; slot < SlotCount; ++slot) {
    const char c = slot < static_cast<int>(layout.size()) ? layout[slot] : '0';
    out26[slot] = c == ' ' || (c >= '0' && c <= '9') ? c : '0';
  }
}

struct Walk {
  bool Solved = false;
  int32_t LastApplied = 0;  // the highest position whose move was applied
};

class Search {
 public:
  Search(int32_t limit, std::vector<uint8_t>& buffer, const std::string& startLayout)
      : count_(limit, buffer, [this](int32_t finished) { FinishLength(finished); }),
        shuffles_(GetMoveShuffles()),
        startLayout_(startLayout) {
    NormalisedLayout(startLayout, startChars_);
  }

  std::string Run() {
    count_.Start();
    mark_ = TickCount();
    for (;;) {
      ++trials_;
      count_.CarryPass();
      SetSearchProgress(static_cast<int32_t>(static_cast<uint32_t>(trials_) * 100u) / estimate_);
      DrainEvents();
      count_.PrunePass();
      DrainEvents();
      const Walk walk = Replay();
      const std::string* stored = LookupReached();
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

  void ApplyCode(uint8_t code, int32_t& slide) {
    if (code >= 1 && code <= 4) {
      position_.Apply(shuffles_.Turn[code]);
    } else if (code == 5) {
      if (slide == 0 || slide == 1) position_.Apply(shuffles_.Slide[slide]);
      slide = slide == 0 ? 1 : 0;
    }
  }

  Walk Replay() {
    const uint8_t* moves = count_.Moves();
    position_.Load(startChars_);
    int32_t slide = SlideState;
    int32_t i = 1;
    for (;;) {
      ApplyCode(moves[i], slide);
      const int32_t correct = position_.CorrectColumns();
      if (correct == 5) return {true, i};
      if (correct != 0) AddListLine(CorrectColumnLines[correct]);
      ++i;
      if (moves[i] == 0) return {false, i - 1};
    }
  }

  const std::string* LookupReached() {
    if (SolutionCount() == 0) return nullptr;
    char reached[SlotCount];
    position_.Store(reached);
    return FindSolution(std::string_view(reached, SlotCount));
  }

  std::string Success(const Walk& walk, const std::string* stored) {
    std::string result;
    AppendSolutionDigits(result, count_.Moves() + 1, walk.LastApplied);
    if (stored != nullptr) result += *stored;
    StoreSolution(startLayout_, result);
    return result;
  }

  MoveBuffer count_;
  const MoveShuffles& shuffles_;
  const std::string& startLayout_;
  char startChars_[SlotCount];
  PackedField position_;
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
