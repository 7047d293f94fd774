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

StepResult Step() {
  uint32_t* x = RandomState.B[RandomState.p1];
  const uint32_t* y = RandomState.B[RandomState.p2];
  const uint32_t a = std::rotl(x[0], 19) + y[0];
  const uint32_t b = std::rotl(x[1], 27) + y[1];
  x[0] = b;
  x[1] = a;
  RandomState.p1 = RandomState.p1 == 0 ? 16 : RandomState.p1 - 1;
  RandomState.p2 = RandomState.p2 == 0 ? 16 : RandomState.p2 - 1;
  return {a, b};
}
}  // namespace

void SeedRandom(uint32_t seed) {
  uint32_t v = seed;
  for (int i = 0; i < 34; ++i) {
    v = v * 2891336453u + 1u;
    RandomState.B[i / 2][i % 2] = v;
  }
  RandomState.p1 = 0;
  RandomState.p2 = 10;
  for (int i = 0; i < 31; ++i) Step();
}

int32_t Random(int32_t max) {
  if (max < 0) return 0;
  const StepResult s = Step();
  // floor((a * 2^32 + b) * (max + 1) / 2^64), without 128-bit arithmetic.
  const uint64_t range = static_cast<uint64_t>(max) + 1;
  const uint64_t high = s.a * range;
  const uint64_t low = s.b * range;
  const uint64_t carry = ((high & 0xffffffffu) + (low >> 32)) >> 32;
  return static_cast<int32_t>((high >> 32) + carry);
}

}  // namespace tq
