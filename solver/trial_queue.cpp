// Counting ahead into a ring of trials: each keeps a copy of its moves, since the count has
// moved on by the time the search reports it, and the count's finished lengths travel with
// the trials so that the search lists them at the right one.
#include "solver/trial_queue.h"

#include <algorithm>
#include <cstring>

#include "model/field.h"

namespace tq {

TrialQueue::TrialQueue(int32_t limit, std::vector<uint8_t>& buffer, const PackedField& start,
                       const SolutionFilter& filter)
    : odometer_(limit, buffer, [this](int32_t finished) { finished_ = finished; }),
      start_{&GetMoveShuffles(), start},
      filter_(filter),
      stride_(BufferSize(limit)) {
  const size_t ring = filter.Usable() ? Ahead + 1 : 1;
  mask_ = ring - 1;
  trials_.resize(ring);
  trialBytes_.assign(2 * ring * stride_, 0);
  for (size_t k = 0; k < ring; ++k) {
    Trial& trial = trials_[k];
    trial.Copy = trialBytes_.data() + 2 * k * stride_;
    trial.ColumnCounts = trial.Copy + stride_;
    trial.Moves = RunsAhead() ? trial.Copy : odometer_.Moves();
  }
  // Before the first count, the last trial is a free place marked solved: nothing to key.
  last_ = &trials_[mask_];
  last_->Result.Solved = true;
}

template <bool RunAhead>
void TrialQueue::Start() {
  while (queued_ <= mask_ && Count<RunAhead>()) {
  }
}

template <bool RunAhead>
bool TrialQueue::Next() {
  front_ = (front_ + 1) & mask_;
  --queued_;
  Count<RunAhead>();
  return queued_ != 0;
}

template <bool RunAhead>
void TrialQueue::WalkFront() {
  Trial& trial = Front();
  if (!RunAhead || trial.SlideState != SlideState) [[unlikely]] WalkTrial<RunAhead>(trial);
}

bool TrialQueue::Advance() {
  if (!started_) {
    odometer_.Start();
    started_ = true;
  } else if (odometer_.Advance()) {
    return false;
  }
  odometer_.CarryPass();
  odometer_.PrunePass();
  return true;
}

// A copy of the moves for a trial reported later. The passes wrote them a trial ago, byte
// by byte: a wide read of bytes just written would wait for every one of them to reach the
// cache, while by now they are there.
[[gnu::always_inline]] inline void TrialQueue::KeepMoves(Trial& trial) {
  const uint8_t* moves = odometer_.Moves();
  std::memcpy(trial.Copy, moves, 32);
  // Past the candidate's length all is 0, in the copy as in the count.
  const size_t used = static_cast<size_t>(odometer_.Length()) + MoveBuffer::Padding;
  if (used > 32) [[unlikely]] std::memcpy(trial.Copy + 32, moves + 32, std::min(used, stride_) - 32);
}

template <bool RunAhead>
bool TrialQueue::Count() {
  if (done_) return false;
  if (RunAhead) {
    // The trial counted last was walked from the count's buffer, which is about to change.
    KeepMoves(*last_);
  }
  if (!Advance()) return Exhausted();
  Trial& trial = trials_[back_];
  back_ = (back_ + 1) & mask_;
  ++queued_;
  trial.FinishedLength = finished_;
  finished_ = 0;
  if (RunAhead) {
    // The last walk's end is keyed only now, so that working out its key overlaps this
    // walk instead of holding up the trial it ends. (The very last trial of a count that
    // runs out is never keyed: its word is unknown, and the list is asked in full.)
    trial.SlideState = SlideState;
    PrefetchAndWalk(filter_, last_->Result, odometer_.Moves(), start_, trial.SlideState, trial.ColumnCounts,
                    trial.Result);
    last_ = &trial;
  }
  return true;
}

template <bool RunAhead>
void TrialQueue::WalkTrial(Trial& trial) {
  if (RunAhead) {
    trial.SlideState = SlideState;
    WalkCandidate(trial.Moves, start_, trial.SlideState, trial.ColumnCounts, trial.Result);
    PrefetchFilterWord(filter_, trial.Result);
  } else {
    WalkCandidate(trial.Moves, start_, SlideState, trial.ColumnCounts, trial.Result);
  }
}

template void TrialQueue::Start<false>();
template void TrialQueue::Start<true>();
template void TrialQueue::WalkFront<false>();
template void TrialQueue::WalkFront<true>();
template bool TrialQueue::Next<false>();
template bool TrialQueue::Next<true>();

}  // namespace tq
