// Which move may follow the last five: none that makes a stretch of up to six moves do what a
// shorter stretch, or one of as many moves with smaller digits, already does. Every position has
// a shortest solution with no such stretch (the first of its shortest in that order), so the
// search loses no length by skipping them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tq::optimal {

// The last five moves, the latest in the lowest base-6 digit, 0 where there was none yet.
using MoveHistory = uint16_t;
inline constexpr MoveHistory EmptyHistory = 0;
inline constexpr int HistoryStates = 6 * 6 * 6 * 6 * 6;

constexpr MoveHistory AfterMove(MoveHistory history, int code) {
  return static_cast<MoveHistory>((history * 6 + code) % HistoryStates);
}

class MovePruning {
 public:
  // Built once, on first use, and shared; read-only afterwards.
  static const MovePruning& Get();

  // Bit code - 1 is set for each move code that may follow, in the slide state reached.
  uint8_t Allowed(int slideState, MoveHistory history) const { return allowed_[slideState * HistoryStates + history]; }

  // Stretches are covered up to this many moves.
  static constexpr int Window = 6;

 private:
  MovePruning();
  std::vector<uint8_t> allowed_;
};

}  // namespace tq::optimal
