// The search's inner loop, in a copy for each instruction set (solver/instruction_set.h):
// processors with AVX2 and BMI2 run one whose byte shuffles take three operands and whose
// shifts need no count register.
#include "solver/walk.h"

#include <bit>

#include "model/moves.h"
#include "solver/move_shuffles.h"

namespace tq {

namespace {
// The position lives in locals so that it stays in registers between the moves. Step
// applies move i and returns false where the walk ends after it: solved, or no move follows.
// The slide state comes without a branch (slides come at no pattern a predictor could
// learn): from states 0 and 1 a slide just flips it, one instruction on the chain from move
// to move; only a walk from any other state needs the table's next state.
template <bool AnyState, bool Vector>
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
    position.Apply<Vector>(*step.Shuffle);
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

template <bool AnyState, bool Vector>
[[gnu::always_inline]] inline void WalkFrom(const uint8_t* moves, const WalkStart& start, uint32_t slide,
                                            uint8_t* columnCounts, Walk& out) {
  Walker<AnyState, Vector> w{*start.Shuffles, moves, columnCounts, start.Position, slide, moves[1], Walk{}};
  w.Run();
  out.Solved = w.walk.Solved;
  out.LastApplied = w.walk.LastApplied;
  out.LineCount = w.walk.LineCount;
  out.End = w.position;
  out.FilterBits = 0;
}

template <bool Vector>
[[gnu::always_inline]] inline void WalkBody(const uint8_t* moves, const WalkStart& start, int32_t slideState,
                                            uint8_t* columnCounts, Walk& out) {
  const uint32_t slide = MoveShuffles::SlideClass(slideState);
  if (slide < 2) [[likely]] {
    WalkFrom<false, Vector>(moves, start, slide, columnCounts, out);
  } else {
    WalkFrom<true, Vector>(moves, start, slide, columnCounts, out);
  }
}

template <bool Prefetch, bool Vector>
[[gnu::always_inline]] inline void WalkCopy(const SolutionFilter* filter, Walk* earlier, const uint8_t* moves,
                                            const WalkStart& start, int32_t slideState, uint8_t* columnCounts,
                                            Walk& out) {
  if constexpr (Prefetch) PrefetchFilterWord<Vector>(*filter, *earlier);
  WalkBody<Vector>(moves, start, slideState, columnCounts, out);
}

// One function per copy, each built for its instructions, with the whole walk inlined into it.
template <bool Prefetch>
void WalkBaseline(const SolutionFilter* f, Walk* e, const uint8_t* m, const WalkStart& s, int32_t st, uint8_t* c,
                  Walk& out) {
  WalkCopy<Prefetch, false>(f, e, m, s, st, c, out);
}
#if TQ_VECTOR_COPIES
template <bool Prefetch>
TQ_TARGET_V2 void WalkV2(const SolutionFilter* f, Walk* e, const uint8_t* m, const WalkStart& s, int32_t st,
                         uint8_t* c, Walk& out) {
  WalkCopy<Prefetch, true>(f, e, m, s, st, c, out);
}
template <bool Prefetch>
TQ_TARGET_V3 void WalkV3(const SolutionFilter* f, Walk* e, const uint8_t* m, const WalkStart& s, int32_t st,
                         uint8_t* c, Walk& out) {
  WalkCopy<Prefetch, true>(f, e, m, s, st, c, out);
}
#endif

template <bool Prefetch>
[[gnu::always_inline]] inline void WalkOn(const SolutionFilter* f, Walk* e, const uint8_t* m, const WalkStart& s,
                                          int32_t st, uint8_t* c, Walk& out) {
#if TQ_VECTOR_COPIES
  if (s.Instructions == InstructionSet::V3) [[likely]] return WalkV3<Prefetch>(f, e, m, s, st, c, out);
  if (s.Instructions == InstructionSet::V2) return WalkV2<Prefetch>(f, e, m, s, st, c, out);
#endif
  WalkBaseline<Prefetch>(f, e, m, s, st, c, out);
}
}  // namespace

void WalkCandidate(const uint8_t* moves, const WalkStart& start, int32_t slideState, uint8_t* columnCounts,
                   Walk& out) {
  WalkOn<false>(nullptr, nullptr, moves, start, slideState, columnCounts, out);
}

void PrefetchAndWalk(const SolutionFilter& filter, Walk& earlier, const uint8_t* moves, const WalkStart& start,
                     int32_t slideState, uint8_t* columnCounts, Walk& out) {
  WalkOn<true>(&filter, &earlier, moves, start, slideState, columnCounts, out);
}

}  // namespace tq
