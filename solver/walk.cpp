// The search's inner loop. Built twice on x86-64: processors with AVX2 and BMI2 run a copy
// whose byte shuffles take three operands, and whose shifts need no count register.
#include "solver/walk.h"

#include <bit>

#include "model/moves.h"
#include "solver/move_shuffles.h"

// The copy is chosen while the program loads, before a sanitizer's runtime is ready to
// watch the code that chooses; sanitized and portable builds keep the one plain copy.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define TQ_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TQ_SANITIZED 1
#endif

#if defined(__x86_64__) && defined(__GNUC__) && !defined(TQ_SANITIZED) && !defined(TQ_PORTABLE)
#define TQ_INNER_LOOP __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define TQ_INNER_LOOP
#endif

namespace tq {

namespace {
// The position lives in locals so that it stays in registers between the moves. Step
// applies move i and returns false where the walk ends after it: solved, or no move follows.
// The slide state comes without a branch (slides come at no pattern a predictor could
// learn): from states 0 and 1 a slide just flips it, one instruction on the chain from move
// to move; only a walk from any other state needs the table's next state.
template <bool AnyState>
struct Walker {
  const MoveShuffles& shuffles;
  const uint8_t* moves;
  uint8_t* columnCounts;
  PackedField position;
  uint32_t slide;
  size_t code;  // moves[i], read while testing the move before it
  Walk walk;

  [[gnu::always_inline]] bool Step(int32_t i) {
    const MoveShuffles::WalkStep& step = shuffles.Step[code][slide];
    position.Apply(*step.Shuffle);
    if constexpr (AnyState) {
      slide = step.NextSlide;
    } else {
      slide ^= static_cast<uint32_t>(code == MoveSlide);
    }
    const uint32_t correctMask = position.CorrectColumnMask();
    if (correctMask != 0) [[unlikely]] {
      const int32_t correct = std::popcount(correctMask);
      if (correct == 5) {
        walk.Solved = true;
        walk.LastApplied = i;
        return false;
      }
      columnCounts[walk.LineCount++] = static_cast<uint8_t>(correct);
    }
    code = moves[i + 1];
    return code != 0;
  }

  [[gnu::always_inline]] void Run() {
    int32_t i = 1;
    while (Step(i)) ++i;
    if (!walk.Solved) walk.LastApplied = i;
  }
};

template <bool AnyState>
[[gnu::always_inline]] inline void WalkFrom(const uint8_t* moves, const WalkStart& start, uint32_t slide,
                                            uint8_t* columnCounts, Walk& out) {
  Walker<AnyState> w{*start.Shuffles, moves, columnCounts, start.Position, slide, moves[1], Walk{}};
  w.Run();
  out.Solved = w.walk.Solved;
  out.LastApplied = w.walk.LastApplied;
  out.LineCount = w.walk.LineCount;
  out.End = w.position;
  out.FilterBits = 0;
}

[[gnu::always_inline]] inline void WalkBody(const uint8_t* moves, const WalkStart& start, int32_t slideState,
                                            uint8_t* columnCounts, Walk& out) {
  const uint32_t slide = MoveShuffles::SlideClass(slideState);
  if (slide < 2) [[likely]] {
    WalkFrom<false>(moves, start, slide, columnCounts, out);
  } else {
    WalkFrom<true>(moves, start, slide, columnCounts, out);
  }
}
}  // namespace

TQ_INNER_LOOP void WalkCandidate(const uint8_t* moves, const WalkStart& start, int32_t slideState,
                                 uint8_t* columnCounts, Walk& out) {
  WalkBody(moves, start, slideState, columnCounts, out);
}

TQ_INNER_LOOP void PrefetchAndWalk(const SolutionFilter& filter, Walk& earlier, const uint8_t* moves,
                                   const WalkStart& start, int32_t slideState, uint8_t* columnCounts, Walk& out) {
  PrefetchFilterWord(filter, earlier);
  WalkBody(moves, start, slideState, columnCounts, out);
}

}  // namespace tq
