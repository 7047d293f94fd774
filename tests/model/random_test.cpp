// The random generator's exact sequence, its 32-bit wrap-arounds, and its range.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "model/random.h"

namespace tq {
namespace {

__extension__ typedef unsigned __int128 Wide;

// An independent model of the generator, in 64-bit and 128-bit arithmetic.
struct Model {
  explicit Model(uint32_t seed) {
    uint64_t v = seed;
    for (int i = 0; i < 34; ++i) {
      v = (v * 0xAC564B05ull + 1) % (1ull << 32);
      w[i] = static_cast<uint32_t>(v);
    }
    for (int i = 0; i < 31; ++i) Step();
  }
  void Step() {
    const uint64_t a = (uint64_t{std::rotl(w[2 * p1], 19)} + w[2 * p2]) % (1ull << 32);
    const uint64_t b = (uint64_t{std::rotl(w[2 * p1 + 1], 27)} + w[2 * p2 + 1]) % (1ull << 32);
    w[2 * p1] = static_cast<uint32_t>(b);
    w[2 * p1 + 1] = static_cast<uint32_t>(a);
    p1 = (p1 + 16) % 17;
    p2 = (p2 + 16) % 17;
    lastA = a;
    lastB = b;
  }
  int64_t Next(int64_t max) {
    Step();
    const Wide x = (static_cast<Wide>(lastA) << 32) | lastB;
    return static_cast<int64_t>((x * static_cast<Wide>(max + 1)) >> 64);
  }
  uint32_t w[34];
  int p1 = 0, p2 = 10;
  uint64_t lastA = 0, lastB = 0;
};

TEST(Random, KnownSequenceForSeed12345) {
  SeedRandom(12345);
  std::vector<int32_t> got;
  for (int i = 0; i < 20; ++i) got.push_back(Random(6));
  EXPECT_EQ(got, (std::vector<int32_t>{1, 4, 4, 2, 4, 1, 2, 4, 1, 5, 1, 3, 3, 6, 0, 5, 6, 0, 4, 2}));
}

TEST(Random, MatchesTheWideArithmeticModelForManySeedsAndRanges) {
  const uint32_t seeds[] = {0, 1, 12345, 0x7fffffff, 0x80000000, 0xfffffffe, 0xffffffff, 987654321};
  const int32_t maxima[] = {0, 1, 3, 6, 9999, 65535, 0x7ffffffe, 0x7fffffff};
  for (uint32_t seed : seeds) {
    SeedRandom(seed);
    Model model(seed);
    for (int i = 0; i < 3000; ++i) {
      const int32_t max = maxima[i % 8];
      ASSERT_EQ(Random(max), model.Next(max)) << "seed " << seed << " draw " << i;
    }
  }
}

TEST(Random, StaysWithinItsRangeAndReachesBothEnds) {
  SeedRandom(42);
  for (int32_t max : {0, 3, 6, 9999}) {
    bool sawZero = false, sawMax = false;
    for (int i = 0; i < 200000; ++i) {
      const int32_t r = Random(max);
      ASSERT_GE(r, 0);
      ASSERT_LE(r, max);
      sawZero |= r == 0;
      sawMax |= r == max;
    }
    EXPECT_TRUE(sawZero && sawMax) << max;
  }
}

TEST(Random, NegativeMaximumDrawsNothing) {
  SeedRandom(7);
  EXPECT_EQ(Random(-1), 0);
  const int32_t next = Random(1000);
  SeedRandom(7);
  EXPECT_EQ(Random(1000), next);
}

}  // namespace
}  // namespace tq
