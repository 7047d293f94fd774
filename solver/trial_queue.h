// The search's trials, counted and walked a few ahead of the one the search reports on when
// the solutions list is to be asked: the filter word for each walk's end is fetched from the
// next count on, and by that trial's turn it is at hand rather than in far memory.
// A walk lists nothing, so walking ahead shows nothing early; a walk is made again at its
// turn if the slide state has changed since.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/move_buffer.h"
#include "solver/packed_field.h"
#include "solver/walk.h"
#include "store/solution_filter.h"

namespace tq {

struct Trial {
  const uint8_t* Moves = nullptr;   // the odometer's buffer, or the copy when it runs ahead
  int32_t FinishedLength = 0;       // a length the odometer finished on its way here, or 0
  int32_t SlideState = 0;           // the one the walk started from, when walked ahead
  Walk Result;
  uint8_t* ColumnCounts = nullptr;  // per line the walk lists: its number of correct columns
  uint8_t* Copy = nullptr;          // room for the moves, filled one count later
};

// Run ahead or not is chosen once, when the queue is made; the search's loop is built for
// each (the template argument RunAhead), so that neither pays for the other's tests.
class TrialQueue {
 public:
  // Trials walked ahead of the front one while the list is asked: one less than a power of two.
  static constexpr size_t Ahead = 15;
  static_assert(((Ahead + 1) & Ahead) == 0, "the ring of Ahead + 1 trials is indexed through a mask");

  // The buffer the count runs in must hold BufferSize(limit) bytes.
  static size_t BufferSize(int32_t limit) { return (static_cast<size_t>(limit) + MoveBuffer::Padding + 31) / 32 * 32; }

  // Runs ahead and asks `filter` about every walk's end when the filter can answer.
  TrialQueue(int32_t limit, std::vector<uint8_t>& buffer, const PackedField& start, const SolutionFilter& filter);

  bool RunsAhead() const { return mask_ != 0; }
  template <bool RunAhead>
  void Start();
  Trial& Front() { return trials_[front_]; }
  // Walks the front trial unless it was walked ahead from the current SlideState.
  template <bool RunAhead>
  void WalkFront();
  // On to the next trial; false when the count ran out after the front one.
  template <bool RunAhead>
  bool Next();

  int32_t Limit() const { return odometer_.Limit(); }

 private:
  // The next count; false when the count has run out.
  bool Advance();
  bool Exhausted() {
    done_ = true;
    return false;
  }
  // The next count into the ring's free place, walked at once when the ring runs ahead.
  template <bool RunAhead>
  bool Count();
  void KeepMoves(Trial& trial);
  template <bool RunAhead>
  void WalkTrial(Trial& trial);

  MoveBuffer odometer_;
  WalkStart start_;
  SolutionFilter filter_;
  std::vector<Trial> trials_;
  std::vector<uint8_t> trialBytes_;  // per trial: its moves when walked ahead, and its column counts
  size_t stride_;
  size_t mask_ = 0;
  size_t front_ = 0;
  size_t back_ = 0;  // where the next count goes
  size_t queued_ = 0;
  Trial* last_ = nullptr;  // the trial counted last (at first any), whose moves are still the count's
  bool started_ = false;
  bool done_ = false;
  int32_t finished_ = 0;
};

}  // namespace tq
