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
      start_{&GetMoveShuffles(), start},
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

bool TrialQueue::Advance() {
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
  return true;
}

bool TrialQueue::Count() {
  // The trial counted last is walked, and its moves are about to change.
  if (mask_ != 0 && queued_ != 0 && !done_) KeepMoves(trials_[(back_ - 1) & mask_]);
  if (!Advance()) return false;
  Trial& trial = trials_[back_];
  back_ = (back_ + 1) & mask_;
  ++queued_;
  trial.FinishedLength = finished_;
  finished_ = 0;
  // Walked from the count's own buffer, which stays as it is until the next count.
  trial.Moves = count_.Moves();
  trial.Walked = false;
  if (mask_ != 0) WalkTrial(trial);
  return true;
}

// A copy of the moves for a trial reported later. The passes wrote them a trial ago, byte
// by byte: a wide read of bytes just written would wait for every one of them to reach the
// cache, while by now they are there.
[[gnu::always_inline]] inline void TrialQueue::KeepMoves(Trial& trial) {
  const uint8_t* moves = count_.Moves();
  std::memcpy(trial.Copy, moves, 32);
  // Only as far as the candidate reaches, in whole blocks: past its length all is 0.
  const size_t used = static_cast<size_t>(count_.Length()) + MoveBuffer::Padding;
  if (used > 32) [[unlikely]] std::memcpy(trial.Copy + 32, moves + 32, std::min(used, stride_) - 32);
  trial.Moves = trial.Copy;
}

void TrialQueue::WalkTrial(Trial& trial) {
  trial.SlideState = SlideState;
  trial.Walked = true;
  if (mask_ != 0) {
    WalkAndLocate(trial.Moves, start_, trial.SlideState, trial.Lines, filter_, trial.Result);
  } else {
    WalkCandidate(trial.Moves, start_, trial.SlideState, trial.Lines, trial.Result);
  }
}

}  // namespace tq
