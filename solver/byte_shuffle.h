// Any rearrangement of 32 bytes held in two vector registers, as four byte shuffles. Both
// solvers keep a position this way, one byte per slot or place, so that a move is one
// rearrangement.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSSE3__)
#include <immintrin.h>
#endif

namespace tq {

// Output byte i takes input byte Source[i], or 0 where Source[i] is negative.
using ByteSource = std::array<int8_t, 32>;

#if defined(__SSSE3__)

struct ByteShuffle {
  __m128i LowFromLow, LowFromHigh, HighFromLow, HighFromHigh;
};

inline ByteShuffle MakeByteShuffle(const ByteSource& source) {
  alignas(16) int8_t control[4][16];
  std::memset(control, 0x80, sizeof control);  // a control byte with its top bit set gives 0
  for (int out = 0; out < 32; ++out) {
    const int from = source[out];
    if (from >= 0) control[(out < 16 ? 0 : 2) + (from < 16 ? 0 : 1)][out & 15] = static_cast<int8_t>(from & 15);
  }
  const auto load = [&](int k) { return _mm_load_si128(reinterpret_cast<const __m128i*>(control[k])); };
  return {load(0), load(1), load(2), load(3)};
}

// Bytes 0 to 15 in `low`, 16 to 31 in `high`, rearranged in place.
inline void ShuffleBytes(const ByteShuffle& s, __m128i& low, __m128i& high) {
  const __m128i newLow = _mm_or_si128(_mm_shuffle_epi8(low, s.LowFromLow), _mm_shuffle_epi8(high, s.LowFromHigh));
  const __m128i newHigh = _mm_or_si128(_mm_shuffle_epi8(low, s.HighFromLow), _mm_shuffle_epi8(high, s.HighFromHigh));
  low = newLow;
  high = newHigh;
}

#else

// Without byte shuffles: the rearrangement as it is, applied a byte at a time.
struct ByteShuffle {
  ByteSource Source;
};

inline ByteShuffle MakeByteShuffle(const ByteSource& source) { return {source}; }

template <typename Byte>
void ShuffleBytes(const ByteShuffle& s, std::array<Byte, 32>& bytes) {
  std::array<Byte, 32> next;
  for (int b = 0; b < 32; ++b) next[b] = s.Source[b] < 0 ? Byte{0} : bytes[s.Source[b]];
  bytes = next;
}

#endif

}  // namespace tq
