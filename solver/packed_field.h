// A position held in two vector registers, arranged so that each move is a few byte
// shuffles and the solved test a few compares. Rows 1 and 2 fill the low register and
// rows 3 and 4 the high one, each row in bytes c and 8 + c by column; rows 0 and 5 of the
// long columns sit in spare bytes. Values are the layout characters less 0x20, so that
// the space of an empty slot is the zero a shuffle fills in.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "model/field.h"
#include "solver/byte_shuffle.h"
#include "store/layout_hash.h"

namespace tq {

// new[slot] = old[Source[slot]], or an empty slot where Source[slot] is negative.
struct SlotMapping {
  std::array<int8_t, SlotCount> Source;
};

// The byte (0 to 31; 16 and up in the high register) that holds each slot.
constexpr std::array<int8_t, SlotCount> SlotByte = [] {
  std::array<int8_t, SlotCount> at{};
  for (int c = 0; c < 5; ++c) {
    for (int r = 1; r <= 4; ++r) at[5 * c + r] = static_cast<int8_t>((r >= 3 ? 16 : 0) + (r % 2 == 1 ? 0 : 8) + c);
  }
  for (int k = 0; k < 3; ++k) {
    at[10 * k] = static_cast<int8_t>(5 + k);       // row 0 of columns 0, 2, 4
    at[10 * k + 5] = static_cast<int8_t>(21 + k);  // row 5
  }
  return at;
}();

// A position's four words hashed as the store hashes a 32-byte key.
inline uint64_t HashWords(uint64_t w0, uint64_t w1, uint64_t w2, uint64_t w3) {
  char bytes[32];
  std::memcpy(bytes, &w0, 8);
  std::memcpy(bytes + 8, &w1, 8);
  std::memcpy(bytes + 16, &w2, 8);
  std::memcpy(bytes + 24, &w3, 8);
  return HashLayout(std::string_view(bytes, 32));
}

#if defined(__SSSE3__)

class PackedField {
 public:
  // Bytes in layout order, each a layout character less 0x20.
  void LoadBytes(const char* bytes32) {
    lo_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes32));
    hi_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes32 + 16));
  }
  // Bytes plus 0x20: the layout characters, when the bytes are in layout order.
  void StoreCharacters(char* chars32) const {
    const __m128i space = _mm_set1_epi8(' ');
    _mm_storeu_si128(reinterpret_cast<__m128i*>(chars32), _mm_add_epi8(lo_, space));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(chars32 + 16), _mm_add_epi8(hi_, space));
  }

  void Apply(const ByteShuffle& s) { ShuffleBytes(s, lo_, hi_); }

  // The position's key for the solutions filter, made in a few instructions since every
  // walk needs one: a checksum of its four words, spread over 64 bits by one product. 32
  // bits tell a million layouts apart well enough for a filter.
  uint64_t Key() const {
    const auto w0 = static_cast<uint64_t>(_mm_cvtsi128_si64(lo_));
    const auto w1 = static_cast<uint64_t>(_mm_extract_epi64(lo_, 1));
    const auto w2 = static_cast<uint64_t>(_mm_cvtsi128_si64(hi_));
    const auto w3 = static_cast<uint64_t>(_mm_extract_epi64(hi_, 1));
#if defined(__SSE4_2__)
    uint64_t sum = _mm_crc32_u64(0xFFFFFFFFu, w0);
    sum = _mm_crc32_u64(sum, w1);
    sum = _mm_crc32_u64(sum, w2);
    sum = _mm_crc32_u64(sum, w3);
    return sum * 0x9E3779B97F4A7C15ull;
#else
    return HashWords(w0, w1, w2, w3);
#endif
  }

  // One bit per column (bit c) whose rows 1 to 4 hold one value.
  uint32_t CorrectColumnMask() const {
    const __m128i oddRowsEqual = _mm_cmpeq_epi8(lo_, hi_);  // c: rows 1 and 3; 8 + c: rows 2 and 4
    const __m128i firstTwoEqual = _mm_cmpeq_epi8(lo_, _mm_srli_si128(lo_, 8));  // c: rows 1 and 2
    const __m128i all = _mm_and_si128(_mm_and_si128(oddRowsEqual, firstTwoEqual), _mm_srli_si128(oddRowsEqual, 8));
    return static_cast<uint32_t>(_mm_movemask_epi8(all)) & 0x1fu;
  }

 private:
  __m128i lo_;
  __m128i hi_;
};

#else

// Portable stand-in: the same operations on a plain byte array.
class PackedField {
 public:
  void LoadBytes(const char* bytes32) { std::memcpy(bytes_.data(), bytes32, 32); }
  void StoreCharacters(char* chars32) const {
    for (int b = 0; b < 32; ++b) chars32[b] = static_cast<char>(bytes_[b] + ' ');
  }

  void Apply(const ByteShuffle& s) { ShuffleBytes(s, bytes_); }

  uint64_t Key() const {
    uint64_t w[4];
    std::memcpy(w, bytes_.data(), 32);
    return HashWords(w[0], w[1], w[2], w[3]);
  }

  uint32_t CorrectColumnMask() const {
    uint32_t mask = 0;
    for (int c = 0; c < 5; ++c) {
      const char r = bytes_[c];
      if (bytes_[8 + c] == r && bytes_[16 + c] == r && bytes_[24 + c] == r) mask |= 1u << c;
    }
    return mask;
  }

 private:
  std::array<char, 32> bytes_{};
};

#endif

}  // namespace tq
