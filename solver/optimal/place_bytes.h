// Thirty-two bytes, one per place, in two vector registers: any rearrangement of them is four
// byte shuffles, and the places holding one value come out as a bit mask in a few steps.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSSE3__)
#include <immintrin.h>
#endif

namespace tq::optimal {

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

class PlaceBytes {
 public:
  static PlaceBytes FromArray(const std::array<uint8_t, 32>& bytes) {
    PlaceBytes p;
    p.low_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data()));
    p.high_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + 16));
    return p;
  }

  PlaceBytes Shuffled(const ByteShuffle& s) const {
    PlaceBytes p;
    p.low_ = _mm_or_si128(_mm_shuffle_epi8(low_, s.LowFromLow), _mm_shuffle_epi8(high_, s.LowFromHigh));
    p.high_ = _mm_or_si128(_mm_shuffle_epi8(low_, s.HighFromLow), _mm_shuffle_epi8(high_, s.HighFromHigh));
    return p;
  }

  // Bit i set where byte i equals value.
  uint32_t Matches(uint8_t value) const {
    const __m128i v = _mm_set1_epi8(static_cast<char>(value));
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(low_, v))) |
           (static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(high_, v))) << 16);
  }

 private:
  __m128i low_;
  __m128i high_;
};

#else

// Portable stand-in: the same operations a byte at a time.
struct ByteShuffle {
  ByteSource Source;
};

inline ByteShuffle MakeByteShuffle(const ByteSource& source) { return {source}; }

class PlaceBytes {
 public:
  static PlaceBytes FromArray(const std::array<uint8_t, 32>& bytes) {
    PlaceBytes p;
    p.bytes_ = bytes;
    return p;
  }

  PlaceBytes Shuffled(const ByteShuffle& s) const {
    PlaceBytes p;
    for (int i = 0; i < 32; ++i) p.bytes_[i] = s.Source[i] < 0 ? 0 : bytes_[s.Source[i]];
    return p;
  }

  uint32_t Matches(uint8_t value) const {
    uint32_t mask = 0;
    for (int i = 0; i < 32; ++i) mask |= static_cast<uint32_t>(bytes_[i] == value) << i;
    return mask;
  }

 private:
  std::array<uint8_t, 32> bytes_{};
};

#endif

}  // namespace tq::optimal
