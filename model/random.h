// The random generator, process-wide or the caller's own: 17 pairs of words, lag 10, rotations by 19 and 27 bits.
#pragma once

#include <cstdint>

namespace tq {

struct RandomWords {
  uint32_t B[17][2];  // pair by pair, first word before second word
  int32_t p1;
  int32_t p2;
};
extern RandomWords RandomState;

// Fills the words from the seed and runs the generator in.
void SeedRandom(uint32_t seed);
// A uniform integer from 0 to max, both included. A negative max gives 0 and draws nothing.
int32_t Random(int32_t max);

// The same on a generator of the caller's own, touching no process-wide state; the two above
// work on RandomState.
void SeedRandom(RandomWords& words, uint32_t seed);
int32_t Random(RandomWords& words, int32_t max);

}  // namespace tq
