// The odometer's carry pass and rewrite rules. Positions above the length hold 0, so
// both passes stop there: no rule and no carry can fire on a run of zeros.
#include "solver/move_buffer.h"

#include <algorithm>

namespace tq {

void MoveBuffer::Start() {
  std::fill(moves_, moves_ + limit_ + Padding, uint8_t{0});
  moves_[1] = 1;
  length_ = 1;
}

void MoveBuffer::CarryInto(int32_t position) {
  ++moves_[position];
  if (position > length_) {
    lengthFinished_(length_);
    length_ = position;
  }
}

void MoveBuffer::CarryPass() {
  for (int32_t p = 1; p <= limit_ && p <= length_; ++p) {
    if (moves_[p] > 5) {
      moves_[p] = 1;
      CarryInto(p + 1);
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

void MoveBuffer::PrunePass() {
  uint8_t* m = moves_;
  const int32_t end = std::min(limit_, length_);
  for (int32_t i = 1; i <= end; ++i) {
    if (m[i] == 5) {
      ++i;
      if (m[i] == 5) m[i] = 6;
    } else if (const uint8_t rewrite = PairRewrite(m[i], m[i + 1])) {
      m[i] = rewrite;
    }
    const uint8_t c = m[i];
    if (c >= 1 && c <= 4 && m[i + 1] == c && m[i + 2] == c) {
      m[i] = TripleFirst[c];
      m[i + 1] = m[i + 2] = TripleRest[c];
    }
  }
}

bool MoveBuffer::Advance() {
  ++moves_[1];
  return moves_[limit_] == 5;
}

}  // namespace tq
