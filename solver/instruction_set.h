// Which copy of the solvers' inner loops this processor runs. Every x86-64 processor has the
// baseline copy; the others use byte shuffles, checksums and popcounts (every processor since
// about 2009), and three-operand shuffles (AVX2, BMI2), chosen while the program runs, so that
// one build runs everywhere and is fast where it can be. Every copy gives the same results, so
// a copy may stand in for another at any time, and tests compare them.
#pragma once

#include <cstdint>

// The x86-64 copies are written with GCC's instruction builtins inlined into functions built
// for their instructions; TQ_PORTABLE keeps only the baseline copy, to build and test the code
// an older processor runs.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(TQ_PORTABLE)
#define TQ_VECTOR_COPIES 1
// V2 names the instructions rather than the level, so that its functions inline any plain
// function as the rest of the program does: GCC inlines nothing across a change of arch=.
#define TQ_TARGET_V2 __attribute__((target("ssse3,sse4.1,sse4.2,popcnt")))
#define TQ_TARGET_V3 __attribute__((target("arch=x86-64-v3")))
#else
#define TQ_VECTOR_COPIES 0
#endif

namespace tq {

// In rising order: a processor with one has those below it too.
enum class InstructionSet : uint8_t {
  Baseline,  // SSE2 on x86-64; plain code elsewhere
  V2,        // adds SSSE3, SSE4.1, SSE4.2 and POPCNT
  V3,        // adds AVX2, BMI2 and others
};

inline InstructionSet DetectInstructionSet() {
#if TQ_VECTOR_COPIES
  __builtin_cpu_init();  // may run before the constructor that would do it
  if (__builtin_cpu_supports("x86-64-v3")) return InstructionSet::V3;
  if (__builtin_cpu_supports("x86-64-v2")) return InstructionSet::V2;
#endif
  return InstructionSet::Baseline;
}

// The best copy this processor runs, worked out once.
inline InstructionSet ProcessorInstructionSet() {
  static const InstructionSet best = DetectInstructionSet();
  return best;
}

}  // namespace tq
