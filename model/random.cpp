// The random generator's seeding, its step and its scaling to a range.
#include "model/random.h"

#include <bit>

namespace tq {

RandomWords RandomState{};

namespace {
struct StepResult {
  uint32_t a;
  uint32_t b;
};

StepResult Step(RandomWords& words) {
  uint32_t* x = words.B[words.p1];
  const uint32_t* y = words.B[words.p2];
  const uint32_t a = std::rotl(x[0], 19) + y[0];
  const uint32_t b = std::rotl(x[1], 27) + y[1];
  x[0] = b;
  x[1] = a;
  words.p1 = words.p1 == 0 ? 16 : words.p1 - 1;
  words.p2 = words.p2 == 0 ? 16 : words.p2 - 1;
  return {a, b};
}
}  // namespace

void SeedRandom(RandomWords& words, uint32_t seed) {
  uint32_t v = seed;
  for (int i = 0; i < 34; ++i) {
    v = v * 2891336453u + 1u;
    words.B[i / 2][i % 2] = v;
  }
  words.p1 = 0;
  words.p2 = 10;
  for (int i = 0; i < 31; ++i) Step(words);
}

int32_t Random(RandomWords& words, int32_t max) {
  if (max < 0) return 0;
  const StepResult s = Step(words);
  // floor((a * 2^32 + b) * (max + 1) / 2^64), without 128-bit arithmetic.
  const uint64_t range = static_cast<uint64_t>(max) + 1;
  const uint64_t high = s.a * range;
  const uint64_t low = s.b * range;
  const uint64_t carry = ((high & 0xffffffffu) + (low >> 32)) >> 32;
  return static_cast<int32_t>((high >> 32) + carry);
}

void SeedRandom(uint32_t seed) { SeedRandom(RandomState, seed); }

int32_t Random(int32_t max) { return Random(RandomState, max); }

}  // namespace tq
