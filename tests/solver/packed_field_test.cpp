// The packed position's conversions and its filter key, against the plain layout text, and the
// walk's copies for each instruction set against each other.
#include <gtest/gtest.h>

#include <random>

#include "model/field.h"
#include "solver/move_buffer.h"
#include "solver/move_shuffles.h"
#include "solver/walk.h"

namespace tq {
namespace {

std::string RandomLayout(std::mt19937& gen) {
  const std::string alphabet = " 0123456789";
  std::string layout;
  for (int i = 0; i < SlotCount; ++i) layout += alphabet[gen() % alphabet.size()];
  return layout;
}

TEST(PackedField, KeepsALayoutAndKeysItAsItsTextIsKeyed) {
  std::mt19937 gen(3);
  for (int k = 0; k < 2000; ++k) {
    const std::string layout = RandomLayout(gen);
    const PackedField packed = PackLayout(layout);
    char back[32];
    UnpackLayout(packed, back);
    ASSERT_EQ(std::string(back, SlotCount), layout);
    ASSERT_EQ(PackedLayoutKey(layout), packed.Key()) << layout;
  }
}

TEST(PackedField, KeysTellLayoutsApart) {
  // One ball moved to a neighbouring slot must not leave the key as it was.
  std::mt19937 gen(4);
  int same = 0;
  for (int k = 0; k < 5000; ++k) {
    std::string layout = RandomLayout(gen);
    const uint64_t before = PackedLayoutKey(layout);
    const size_t at = gen() % (SlotCount - 1);
    if (layout[at] == layout[at + 1]) continue;
    std::swap(layout[at], layout[at + 1]);
    same += PackedLayoutKey(layout) == before ? 1 : 0;
  }
  EXPECT_EQ(same, 0);
}

// A walk on one instruction set's copy, and its end's key as the next walk works it out.
struct CopiedWalk {
  Walk Result;
  std::vector<uint8_t> Counts;
  std::string End;
};

CopiedWalk WalkOnCopy(InstructionSet set, const std::vector<uint8_t>& moves, const std::string& layout,
                      int32_t slideState) {
  // The filter's word index with no shift is the whole key.
  static const uint64_t words[1] = {0};
  static const uint64_t changes = 0;
  const SolutionFilter filter(words, 0, &changes);
  const WalkStart start{&GetMoveShuffles(), PackLayout(layout), set};
  uint8_t counts[64];
  CopiedWalk walk;
  Walk next;
  WalkCandidate(moves.data(), start, slideState, counts, walk.Result);
  PrefetchAndWalk(filter, walk.Result, moves.data(), start, slideState, counts, next);
  walk.Counts.assign(counts, counts + walk.Result.LineCount);
  char end[32];
  UnpackLayout(walk.Result.End, end);
  walk.End.assign(end, SlotCount);
  return walk;
}

TEST(PackedField, EveryCopyOfTheWalkGivesTheSameWalkAndKey) {
  std::mt19937 gen(5);
  for (int k = 0; k < 300; ++k) {
    std::vector<uint8_t> moves(64 + MoveBuffer::Padding, 0);
    const size_t length = 1 + gen() % 60;
    for (size_t i = 1; i <= length; ++i) moves[i] = static_cast<uint8_t>(1 + gen() % 5);
    const std::string layout = RandomLayout(gen);
    const auto slideState = static_cast<int32_t>(gen() % 3);
    const CopiedWalk baseline = WalkOnCopy(InstructionSet::Baseline, moves, layout, slideState);
    if (!baseline.Result.Solved) {
      ASSERT_EQ(baseline.Result.FilterWordIndex, PackedLayoutKey(baseline.End));
    }
    // Each further copy the processor has (a copy left out of the build runs the baseline's).
    for (auto set = static_cast<int>(InstructionSet::V2); set <= static_cast<int>(ProcessorInstructionSet()); ++set) {
      const CopiedWalk other = WalkOnCopy(static_cast<InstructionSet>(set), moves, layout, slideState);
      ASSERT_EQ(other.End, baseline.End) << "set " << set;
      ASSERT_EQ(other.Result.Solved, baseline.Result.Solved);
      ASSERT_EQ(other.Result.LastApplied, baseline.Result.LastApplied);
      ASSERT_EQ(other.Counts, baseline.Counts);
      ASSERT_EQ(other.Result.FilterWordIndex, baseline.Result.FilterWordIndex) << "set " << set;
      ASSERT_EQ(other.Result.FilterBits, baseline.Result.FilterBits);
    }
  }
}

}  // namespace
}  // namespace tq
