// The search's count through move sequences: an odometer whose fastest digit is the
// first move, with a carry pass and a pass of local rewrite rules after each count.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tq {

class MoveBuffer {
 public:
  // Index 0 is unused; positions 1 to limit hold the candidate, limit + 1 takes a carry
  // out of limit, and the two after it always read 0 so the rules may look ahead.
  static constexpr size_t Padding = 4;

  // `lengthFinished`(L) runs when a carry first reaches position L + 1.
  MoveBuffer(int32_t limit, std::vector<uint8_t>& buffer, std::function<void(int32_t)> lengthFinished)
      : limit_(limit),
        moves_(buffer.data()),
        stepStarts_(buffer.size(), 0),
        lengthFinished_(std::move(lengthFinished)) {}

  // The first candidate: one move with code 1.
  void Start();
  // Turns every value above 5 into 1 and carries one into the next position.
  void CarryPass();
  // One sweep of the pair and triple rules from position 1 upwards.
  void PrunePass();
  // The next count; true when the count has run out.
  bool Advance();

  const uint8_t* Moves() const { return moves_; }
  int32_t Limit() const { return limit_; }
  // The highest position that has held a move so far.
  int32_t Length() const { return length_; }

 private:
  void CarryInto(int32_t position);
  void PruneStep(int32_t& i, int32_t& writeHigh);

  int32_t limit_;
  uint8_t* moves_;
  // Both passes only look as far as something can have changed since the last trial:
  // where the last sweep of rules started its steps, the highest position it changed,
  // and the highest position this trial's count changed.
  std::vector<uint8_t> stepStarts_;
  int32_t ruleWriteHigh_ = 0;
  int32_t countWriteHigh_ = 1;
  std::function<void(int32_t)> lengthFinished_;
  int32_t length_ = 1;
};

}  // namespace tq
