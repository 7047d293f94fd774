// The odometer's carry pass and rewrite rules. A full sweep of the rules costs the
// candidate's length every trial although a count usually changes only its first
// positions; the sweep reads at most two positions ahead and never looks back, so once
// it starts a step where the last sweep started one, past everything that changed since,
// the rest of it would repeat the last sweep's rest, which changed nothing. It stops there.
#include "solver/move_buffer.h"

#include <algorithm>

namespace tq {

void MoveBuffer::Start() {
  std::fill(moves_, moves_ + limit_ + Padding, uint8_t{0});
  std::fill(stepStarts_.begin(), stepStarts_.end(), uint8_t{0});
  moves_[1] = 1;
  length_ = 1;
  ruleWriteHigh_ = 0;
  countWriteHigh_ = 1;
}

void MoveBuffer::CarryInto(int32_t position) {
  ++moves_[position];
  countWriteHigh_ = std::max(countWriteHigh_, position);
  if (position > length_) {
    lengthFinished_(length_);
    length_ = position;
  }
}

// Values above 5 stand only where the last sweep wrote, at position 1 after a count,
// and where a carry is rippling.
void MoveBuffer::CarryPass() {
  const int32_t scanEnd = std::max(ruleWriteHigh_, 1);
  for (int32_t p = 1; p <= limit_ && p <= length_; ++p) {
    if (moves_[p] > 5) {
      moves_[p] = 1;
      CarryInto(p + 1);
    } else if (p >= scanEnd && p >= countWriteHigh_) {
      break;
    }
  }
}

namespace {
// What a pair rewrites the first of two positions to, or 0 for no rule:
// a turn followed by its inverse becomes the next code.
inline uint8_t PairRewrite(uint8_t first, uint8_t second) {
  switch (first) {
    case 1: return second == 2 ? 2 : 0;
    case 2: return second == 1 ? 3 : 0;
    case 3: return second == 4 ? 4 : 0;
    case 4: return second == 3 ? 5 : 0;
    default: return 0;
  }
}

// Three equal turns in a row: the first and the two after it become these.
constexpr uint8_t TripleFirst[5] = {0, 3, 0, 5, 2};
constexpr uint8_t TripleRest[5] = {0, 2, 1, 4, 3};
}  // namespace

// One step of the sweep at i: a slide makes the step move on to the next position
// (turning a second slide into a no-move), otherwise the pair rule; then the triple rule.
void MoveBuffer::PruneStep(int32_t& i, int32_t& writeHigh) {
  uint8_t* m = moves_;
  if (m[i] == 5) {
    stepStarts_[++i] = 0;
    if (m[i] == 5) {
      m[i] = 6;
      writeHigh = std::max(writeHigh, i);
    }
  } else if (const uint8_t rewrite = PairRewrite(m[i], m[i + 1])) {
    m[i] = rewrite;
    writeHigh = std::max(writeHigh, i);
  }
  const uint8_t c = m[i];
  if (c >= 1 && c <= 4 && m[i + 1] == c && m[i + 2] == c) {
    m[i] = TripleFirst[c];
    m[i + 1] = m[i + 2] = TripleRest[c];
    writeHigh = std::max(writeHigh, i + 2);
  }
}

void MoveBuffer::PrunePass() {
  const int32_t end = std::min(limit_, length_);
  const int32_t changedHigh = std::max(ruleWriteHigh_, countWriteHigh_);
  int32_t writeHigh = 0;
  for (int32_t i = 1; i <= end; ++i) {
    if (i > changedHigh && i > writeHigh && stepStarts_[i] != 0) break;
    stepStarts_[i] = 1;
    PruneStep(i, writeHigh);
  }
  ruleWriteHigh_ = writeHigh;
  countWriteHigh_ = 1;  // the next count changes position 1
}

bool MoveBuffer::Advance() {
  ++moves_[1];
  return moves_[limit_] == 5;
}

}  // namespace tq
