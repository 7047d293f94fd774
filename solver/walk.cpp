// The search's inner loop. Built twice on x86-64: processors with AVX2 and BMI2 run a copy
// whose byte shuffles take three operands, and whose shifts need no count register.
#include "solver/walk.h"

#include <bit>

#include "solver/move_shuffles.h"

// The copy is chosen while the program loads, before a sanitizer's runtime is ready to
// watch the code that chooses; sanitized builds keep the one plain copy.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define TQ_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TQ_SANITIZED 1
#endif

#if defined(__x86_64__) && defined(__GNUC__) && !defined(TQ_SANITIZED)
#define TQ_INNER_LOOP __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define TQ_INNER_LOOP
#endif

namespace tq {

namespace {
// The position lives in locals so that it stays in registers between the moves. Step
// returns false where the walk ends, after move i.
struct Walker {
  const MoveShuffles& shuffles;
  const uint8_t* moves;
  uint8_t* lines;
  PackedField position;
  uint32_t slide;
  Walk walk;

  [[gnu::always_inline]] bool Step(int32_t i) {
    // The slide state comes from the table too: slides come at no pattern a predictor
    // could learn, so a branch on them would often be wrong.
    const MoveShuffles::WalkStep& step = shuffles.Step[moves[i]][slide];
    position.Apply(*step.Shuffle);
    slide = step.NextSlide;
    const uint32_t correctMask = position.CorrectColumnMask();
    if (correctMask != 0) [[unlikely]] {
      const int32_t correct = std::popcount(correctMask);
      if (correct == 5) {
        walk.Solved = true;
        walk.LastApplied = i;
        return false;
      }
      lines[walk.Lines++] = static_cast<uint8_t>(correct);
    }
    if (moves[i + 1] == 0) {
      walk.LastApplied = i;
      return false;
    }
    return true;
  }
};

template <bool Locate>
[[gnu::always_inline]] inline void WalkBody(const uint8_t* moves, const PackedField& start, int32_t slideState,
                                            uint8_t* lines, const SolutionFilter* filter, Walk& out) {
  const MoveShuffles& shuffles = GetMoveShuffles();
  const uint32_t slide = slideState == 0 || slideState == 1 ? static_cast<uint32_t>(slideState) : 2;
  Walker w{shuffles, moves, lines, start, slide, Walk{}};
  for (int32_t i = 1; w.Step(i); ++i) {
  }
  out.Solved = w.walk.Solved;
  out.LastApplied = w.walk.LastApplied;
  out.Lines = w.walk.Lines;
  out.End = w.position;
  if constexpr (Locate) {
    if (!out.Solved) {  // a solved walk ends the search, and the list is asked in full
      const uint64_t key = w.position.Key();
      out.FilterWord = filter->WordOf(key);
      out.FilterBits = FilterBitsOf(key);
      filter->Prefetch(out.FilterWord);
    }
    out.Located = !out.Solved;
  }
}
}  // namespace

TQ_INNER_LOOP void WalkCandidate(const uint8_t* moves, const PackedField& start, int32_t slideState, uint8_t* lines,
                                 Walk& out) {
  WalkBody<false>(moves, start, slideState, lines, nullptr, out);
}

TQ_INNER_LOOP void WalkAndLocate(const uint8_t* moves, const PackedField& start, int32_t slideState, uint8_t* lines,
                                 const SolutionFilter& filter, Walk& out) {
  WalkBody<true>(moves, start, slideState, lines, &filter, out);
}

}  // namespace tq
