// The search's inner loop. Built twice on x86-64: processors with AVX2 run a copy whose
// byte shuffles take three operands and need no register copies between them.
#include "solver/walk.h"

#include <bit>
#include <string_view>

#include "solver/move_shuffles.h"
#include "ui/toolkit.h"

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
#define TQ_INNER_LOOP __attribute__((target_clones("avx2", "default")))
#else
#define TQ_INNER_LOOP
#endif

namespace tq {

namespace {
constexpr std::string_view CorrectColumnLines[5] = {
    "", "Richtige Spalten: 1", "Richtige Spalten: 2", "Richtige Spalten: 3", "Richtige Spalten: 4"};
}  // namespace

// The position lives in locals so that it stays in registers between the moves.
TQ_INNER_LOOP Walk WalkCandidate(const uint8_t* moves, const PackedField& start, int32_t slideState,
                                 Foresight* foresight) {
  const MoveShuffles& shuffles = GetMoveShuffles();
  PackedField position = start;
  uint32_t slide = slideState == 0 || slideState == 1 ? static_cast<uint32_t>(slideState) : 2;
  Walk walk;
  for (int32_t i = 1;; ++i) {
    const uint32_t code = moves[i];
    position.Apply(*shuffles.Step[code][slide]);
    // Computed without a branch: slides come at no pattern a predictor could learn.
    const uint32_t flipped = static_cast<uint32_t>(slide == 0);
    const uint32_t keep = static_cast<uint32_t>(code != 5) - 1u;  // all ones for a slide
    slide = (flipped & keep) | (slide & ~keep);
    const uint32_t correctMask = position.CorrectColumnMask();
    if (correctMask != 0) [[unlikely]] {
      const int32_t correct = std::popcount(correctMask);
      if (correct == 5) {
        walk.Solved = true;
        walk.LastApplied = i;
        break;
      }
      AddListLine(CorrectColumnLines[correct]);
    }
    if (moves[i + 1] == 0) {
      walk.LastApplied = i;
      break;
    }
    if (i == Foresight::After && foresight != nullptr) {
      foresight->Foresee(position, slide, moves);
      walk.Foreseen = true;
    }
  }
  walk.Foreseen = walk.Foreseen && !walk.Solved;
  walk.End = position;
  return walk;
}

}  // namespace tq
