// The search's table of positions the solutions list did not hold: it may forget, never invent.
#include "solver/miss_cache.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "solver/move_shuffles.h"

namespace tq {
namespace {

std::string Layout(const PackedField& p) {
  char layout[32];
  UnpackLayout(p, layout);
  return std::string(layout, 26);
}

// Positions along a long walk from the start, all different from one another in practice.
std::vector<PackedField> Walked(int count, int firstCode) {
  std::vector<PackedField> out;
  PackedField p = PackLayout("30000 111132222 444435555 ");
  int32_t slide = 0;
  for (int k = 0; k < count; ++k) {
    p.Apply(GetMoveShuffles().Turn[1 + (k * 7 + firstCode) % 4]);
    if (k % 3 == 0) {
      p.Apply(GetMoveShuffles().Slide[slide]);
      slide ^= 1;
    }
    out.push_back(p);
  }
  return out;
}

TEST(MissCache, HoldsOnlyPositionsItWasGiven) {
  MissCache cache;
  const std::vector<PackedField> given = Walked(30000, 0);
  EXPECT_FALSE(cache.Holds(given[0]));
  for (const PackedField& p : given) cache.Remember(p);
  EXPECT_TRUE(cache.Holds(given.back()));
  int held = 0;
  for (const PackedField& p : given) held += cache.Holds(p);
  EXPECT_GT(held, 1000) << "a table of a few thousand slots keeps many of them";
  std::set<std::string> givenLayouts;
  for (const PackedField& p : given) givenLayouts.insert(Layout(p));
  for (const PackedField& other : Walked(30000, 1)) {
    if (cache.Holds(other)) {
      ASSERT_TRUE(givenLayouts.count(Layout(other)) == 1) << Layout(other);
    }
  }
}

}  // namespace
}  // namespace tq
