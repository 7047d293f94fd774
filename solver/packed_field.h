// A position held as its 26 layout characters in two vector registers, so that each
// move is a pair of byte shuffles and the solved test a few compares.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSSE3__)
#include <immintrin.h>
#endif

namespace tq {

// new[slot] = old[Source[slot]], or Fill where Source[slot] is negative.
struct SlotMapping {
  std::array<int8_t, 26> Source;
};

constexpr uint32_t CorrectColumnBits = (1u << 1) | (1u << 6) | (1u << 11) | (1u << 16) | (1u << 21);

#if defined(__SSSE3__)

class PackedField {
 public:
  struct Shuffle {
    __m128i LoFromLo, LoFromHi, HiFromLo, HiFromHi, FillLo, FillHi;
  };

  static Shuffle MakeShuffle(const SlotMapping& mapping) {
    alignas(16) int8_t t[6][16];
    std::memset(t, 0, sizeof t);
    for (int i = 0; i < 4; ++i) std::memset(t[i], 0x80, 16);
    for (int slot = 0; slot < 26; ++slot) {
      const int src = mapping.Source[slot];
      const int half = slot < 16 ? 0 : 2;
      const int out = slot & 15;
      if (src < 0) {
        t[4 + half / 2][out] = ' ';
      } else if (src < 16) {
        t[half][out] = static_cast<int8_t>(src);
      } else {
        t[half + 1][out] = static_cast<int8_t>(src - 16);
      }
    }
    auto load = [&](int k) { return _mm_load_si128(reinterpret_cast<const __m128i*>(t[k])); };
    return {load(0), load(1), load(2), load(3), load(4), load(5)};
  }

  void Load(const char* layout26) {
    alignas(16) char buffer[32] = {};
    std::memcpy(buffer, layout26, 26);
    lo_ = _mm_load_si128(reinterpret_cast<const __m128i*>(buffer));
    hi_ = _mm_load_si128(reinterpret_cast<const __m128i*>(buffer + 16));
  }

  void Apply(const Shuffle& s) {
    const __m128i lo = _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(lo_, s.LoFromLo), _mm_shuffle_epi8(hi_, s.LoFromHi)), s.FillLo);
    const __m128i hi = _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(lo_, s.HiFromLo), _mm_shuffle_epi8(hi_, s.HiFromHi)), s.FillHi);
    lo_ = lo;
    hi_ = hi;
  }

  // The number of columns whose rows 1 to 4 hold one value.
  int32_t CorrectColumns() const {
    const uint32_t lo = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(lo_, _mm_srli_si128(lo_, 1))));
    const uint32_t hi = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(hi_, _mm_srli_si128(hi_, 1))));
    const uint32_t equalToNext = (lo & 0x7fffu) | (hi << 16);
    const uint32_t runs = equalToNext & (equalToNext >> 1) & (equalToNext >> 2);
    return __builtin_popcount(runs & CorrectColumnBits);
  }

  void Store(char* layout26) const {
    alignas(16) char buffer[32];
    _mm_store_si128(reinterpret_cast<__m128i*>(buffer), lo_);
    _mm_store_si128(reinterpret_cast<__m128i*>(buffer + 16), hi_);
    std::memcpy(layout26, buffer, 26);
  }

 private:
  __m128i lo_;
  __m128i hi_;
};

#else

// Portable stand-in: the same operations on a plain byte array.
class PackedField {
 public:
  struct Shuffle {
    SlotMapping Mapping;
  };

  static Shuffle MakeShuffle(const SlotMapping& mapping) { return {mapping}; }

  void Load(const char* layout26) { std::memcpy(slots_.data(), layout26, 26); }

  void Apply(const Shuffle& s) {
    std::array<char, 26> next;
    for (int slot = 0; slot < 26; ++slot) {
      const int src = s.Mapping.Source[slot];
      next[slot] = src < 0 ? ' ' : slots_[src];
    }
    slots_ = next;
  }

  int32_t CorrectColumns() const {
    int32_t count = 0;
    for (int c = 0; c < 5; ++c) {
      const char r = slots_[5 * c + 1];
      count += slots_[5 * c + 2] == r && slots_[5 * c + 3] == r && slots_[5 * c + 4] == r;
    }
    return count;
  }

  void Store(char* layout26) const { std::memcpy(layout26, slots_.data(), 26); }

 private:
  std::array<char, 26> slots_{};
};

#endif

}  // namespace tq
