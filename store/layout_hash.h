// A fast 64-bit hash of a layout's bytes, read eight at a time, for the solutions index.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tq {

namespace layout_hash {
__extension__ typedef unsigned __int128 Wide;

inline constexpr uint64_t Secret[5] = {0xA0761D6478BD642Full, 0xE7037ED1A0B428DBull, 0x8EBC6AF09C88C6E3ull,
                                       0x589965CC75374CC3ull, 0x1D8E4E27C47D124Full};

// The full product of two words, folded: every input bit reaches every output bit.
inline uint64_t Fold(uint64_t a, uint64_t b) {
  const Wide product = static_cast<Wide>(a) * b;
  return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}

inline uint64_t Word(const char* p) {
  uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// Up to seven bytes as one word: first, middle and last byte, enough to tell short keys apart
// together with the length that the caller mixes in.
inline uint64_t ShortWord(const char* p, size_t n) {
  if (n >= 4) {
    uint32_t a, b;
    std::memcpy(&a, p, 4);
    std::memcpy(&b, p + n - 4, 4);
    return (static_cast<uint64_t>(a) << 32) | b;
  }
  if (n == 0) return 0;
  return (static_cast<uint64_t>(static_cast<unsigned char>(p[0])) << 16) |
         (static_cast<uint64_t>(static_cast<unsigned char>(p[n / 2])) << 8) |
         static_cast<unsigned char>(p[n - 1]);
}

// Keys longer than 32 bytes: 16-byte blocks in a chain, then the last 16 bytes.
inline uint64_t LongKey(const char* p, size_t n, uint64_t seed) {
  size_t i = 0;
  for (; i + 16 < n; i += 16) seed = Fold(Word(p + i) ^ Secret[1], Word(p + i + 8) ^ seed);
  return Fold(Word(p + n - 16) ^ Secret[2], Word(p + n - 8) ^ seed);
}

// Keys of other lengths than a layout's: one product or a chain of them, then a last fold.
inline uint64_t HashOtherKey(const char* p, size_t n) {
  uint64_t h;
  if (n < 8) {
    h = Fold(ShortWord(p, n) ^ Secret[1], Secret[0] ^ n);
  } else if (n <= 16) {
    h = Fold(Word(p) ^ Secret[1], Word(p + n - 8) ^ Secret[0] ^ n);
  } else {
    h = LongKey(p, n, Secret[0] ^ n);
  }
  return Fold(h ^ Secret[4], h ^ Secret[0]);
}
}  // namespace layout_hash

inline uint64_t HashLayout(std::string_view key) {
  using namespace layout_hash;
  const char* p = key.data();
  const size_t n = key.size();
  if (n <= 16 || n > 32) return HashOtherKey(p, n);
  // A layout (26 bytes) lands here: two independent products, so their latencies overlap; folding
  // each product's high half onto its low half already spreads every input bit over the result.
  return Fold(Word(p) ^ Secret[1], Word(p + 8) ^ Secret[0] ^ n) ^
         Fold(Word(p + n - 16) ^ Secret[2], Word(p + n - 8) ^ Secret[3]);
}

}  // namespace tq
