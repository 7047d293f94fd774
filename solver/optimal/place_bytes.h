// Thirty-two bytes, one per place, in two vector registers: any rearrangement of them is four
// byte shuffles, and the places holding one value come out as a bit mask in a few steps.
// Shuffled<true> takes the processor's byte shuffle, as ShuffleBytes<true> does.
#pragma once

#include <array>
#include <cstdint>

#include "solver/byte_shuffle.h"

namespace tq::optimal {

#if defined(__x86_64__)

class PlaceBytes {
 public:
  static PlaceBytes FromArray(const std::array<uint8_t, 32>& bytes) {
    PlaceBytes p;
    p.low_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data()));
    p.high_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + 16));
    return p;
  }

  template <bool Vector = false>
  [[gnu::always_inline]] PlaceBytes Shuffled(const ByteShuffle& s) const {
    PlaceBytes p = *this;
    ShuffleBytes<Vector>(s, p.low_, p.high_);
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

#elif defined(__wasm_simd128__)

// WebAssembly SIMD: the same two registers, compared and masked as on x86-64.
class PlaceBytes {
 public:
  static PlaceBytes FromArray(const std::array<uint8_t, 32>& bytes) {
    PlaceBytes p;
    p.low_ = wasm_v128_load(bytes.data());
    p.high_ = wasm_v128_load(bytes.data() + 16);
    return p;
  }

  template <bool Vector = false>
  [[gnu::always_inline]] PlaceBytes Shuffled(const ByteShuffle& s) const {
    PlaceBytes p = *this;
    ShuffleBytes<Vector>(s, p.low_, p.high_);
    return p;
  }

  uint32_t Matches(uint8_t value) const {
    const v128_t v = wasm_i8x16_splat(static_cast<int8_t>(value));
    return static_cast<uint32_t>(wasm_i8x16_bitmask(wasm_i8x16_eq(low_, v))) |
           (static_cast<uint32_t>(wasm_i8x16_bitmask(wasm_i8x16_eq(high_, v))) << 16);
  }

 private:
  v128_t low_;
  v128_t high_;
};

#else

// Elsewhere: the same operations a byte at a time.
class PlaceBytes {
 public:
  static PlaceBytes FromArray(const std::array<uint8_t, 32>& bytes) {
    PlaceBytes p;
    p.bytes_ = bytes;
    return p;
  }

  template <bool Vector = false>
  PlaceBytes Shuffled(const ByteShuffle& s) const {
    PlaceBytes p = *this;
    ShuffleBytes<Vector>(s, p.bytes_);
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
