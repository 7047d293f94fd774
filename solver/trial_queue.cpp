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
    : count_(limit, buffer, [this](int32_t finished) { finished_ = finished; }),
      start_(start),
      filter_(filter),
      stride_(BufferSize(limit)) {
  const size_t ring = filter.Usable() ? Ahead + 1 : 1;
  mask_ = ring - 1;
  trials_.resize(ring);
  store_.assign(2 * ring * stride_, 0);
  for (size_t k = 0; k < ring; ++k) {
    trials_[k].Copy = store_.data() + 2 * k * stride_;
    trials_[k].Lines = trials_[k].Copy + stride_;
  }
}

void TrialQueue::Start() {
  while (queued_ <= mask_ && Count()) {
  }
}

bool TrialQueue::Next() {
  front_ = (front_ + 1) & mask_;
  --queued_;
  Count();
  return queued_ != 0;
}

void TrialQueue::WalkFront() {
  Trial& trial = Front();
  if (!trial.Walked || trial.SlideState != SlideState) WalkTrial(trial);
}

// The next count into the ring's free place, walked at once when the ring runs ahead.
bool TrialQueue::Count() {
  if (done_) return false;
  if (!started_) {
    count_.Start();
    started_ = true;
  } else if (count_.Advance()) {
    done_ = true;
    return false;
  }
  count_.CarryPass();
  count_.PrunePass();
  const size_t at = (front_ + queued_) & mask_;
  Trial& trial = trials_[at];
  trial.FinishedLength = finished_;
  finished_ = 0;
  trial.Walked = false;
  ++queued_;
  if (mask_ == 0) {
    trial.Moves = count_.Moves();
    return true;
  }
  // Only as far as the candidate reaches, in whole blocks: past its length all is 0.
  const uint8_t* moves = count_.Moves();
  std::memcpy(trial.Copy, moves, 32);
  const size_t used = static_cast<size_t>(count_.Length()) + MoveBuffer::Padding;
  if (used > 32) [[unlikely]] std::memcpy(trial.Copy + 32, moves + 32, std::min(used, stride_) - 32);
  trial.Moves = trial.Copy;
  WalkTrial(trial);
  return true;
}

void TrialQueue::WalkTrial(Trial& trial) {
  trial.SlideState = SlideState;
  trial.Walked = true;
  if (mask_ != 0) {
    WalkAndLocate(trial.Moves, start_, trial.SlideState, trial.Lines, filter_, trial.Result);
  } else {
    WalkCandidate(trial.Moves, start_, trial.SlideState, trial.Lines, trial.Result);
    trial.Result.Located = false;
  }
}

}  // namespace tq
