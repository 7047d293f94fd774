// A position held in two vector registers, arranged so that each move is a few byte
// shuffles and the solved test a few compares. Rows 1 and 2 fill the low register and
// rows 3 and 4 the high one, each row in bytes c and 8 + c by column; rows 0 and 5 of the
// long columns sit in spare bytes. Values are the layout characters less 0x20, so that
// the space of an empty slot is the zero a shuffle fills in.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "model/field.h"
#include "solver/byte_shuffle.h"

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

// The checksum step of the processor's CRC32C instruction, eight bytes at a time, for a
// processor without it: the same key on every copy of the walk.
inline constexpr std::array<uint32_t, 256> Crc32cTable = [] {
  std::array<uint32_t, 256> table{};
  for (uint32_t b = 0; b < 256; ++b) {
    uint32_t c = b;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (c & 1 ? 0x82F63B78u : 0u);
    table[b] = c;
  }
  return table;
}();

inline uint64_t Crc32cWord(uint64_t sum, uint64_t word) {
  auto c = static_cast<uint32_t>(sum);
  for (int k = 0; k < 8; ++k) c = Crc32cTable[(c ^ (word >> (8 * k))) & 0xFF] ^ (c >> 8);
  return c;
}

// The position's key for the solutions filter, made in a few instructions since every walk
// needs one: a checksum of its four words, spread over 64 bits by one product. 32 bits tell
// a million layouts apart well enough for a filter.
template <bool Vector>
[[gnu::always_inline]] inline uint64_t KeyOfWords(uint64_t w0, uint64_t w1, uint64_t w2, uint64_t w3) {
  uint64_t sum = 0xFFFFFFFFu;
#if TQ_VECTOR_COPIES
  if constexpr (Vector) {
    sum = __builtin_ia32_crc32di(sum, w0);
    sum = __builtin_ia32_crc32di(sum, w1);
    sum = __builtin_ia32_crc32di(sum, w2);
    sum = __builtin_ia32_crc32di(sum, w3);
    return sum * 0x9E3779B97F4A7C15ull;
  }
#endif
  for (const uint64_t w : {w0, w1, w2, w3}) sum = Crc32cWord(sum, w);
  return sum * 0x9E3779B97F4A7C15ull;
}

#if defined(__x86_64__)

// The operations with a template argument Vector take the processor's vector instructions
// when it is true, and may then only be inlined into a function built for them; without it
// they run anywhere. Both give the same results.
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

  template <bool Vector = false>
  [[gnu::always_inline]] void Apply(const ByteShuffle& s) {
    ShuffleBytes<Vector>(s, lo_, hi_);
  }

  template <bool Vector = false>
  [[gnu::always_inline]] uint64_t Key() const {
    return KeyOfWords<Vector>(static_cast<uint64_t>(lo_[0]), static_cast<uint64_t>(lo_[1]),
                              static_cast<uint64_t>(hi_[0]), static_cast<uint64_t>(hi_[1]));
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

// Elsewhere: the same operations on a plain byte array.
class PackedField {
 public:
  void LoadBytes(const char* bytes32) { std::memcpy(bytes_.data(), bytes32, 32); }
  void StoreCharacters(char* chars32) const {
    for (int b = 0; b < 32; ++b) chars32[b] = static_cast<char>(bytes_[b] + ' ');
  }

  template <bool Vector = false>
  void Apply(const ByteShuffle& s) {
    ShuffleBytes<Vector>(s, bytes_);
  }

  template <bool Vector = false>
  uint64_t Key() const {
    uint64_t w[4];
    std::memcpy(w, bytes_.data(), 32);
    return KeyOfWords<Vector>(w[0], w[1], w[2], w[3]);
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
