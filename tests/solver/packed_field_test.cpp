// The packed position's conversions and its filter key, against the plain layout text.
#include <gtest/gtest.h>

#include <random>

#include "model/field.h"
#include "solver/move_shuffles.h"

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

}  // namespace
}  // namespace tq
