// Any rearrangement of 32 bytes held in two vector registers, as four byte shuffles. Both
// solvers keep a position this way, one byte per slot or place, so that a move is one
// rearrangement. ShuffleBytes<true> uses the processor's byte shuffle and may only be inlined
// into a function built for it (solver/instruction_set.h); ShuffleBytes<false> does the same
// a byte at a time and runs anywhere.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "solver/instruction_set.h"

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace tq {

// Output byte i takes input byte Source[i], or 0 where Source[i] is negative.
using ByteSource = std::array<int8_t, 32>;

#if defined(__x86_64__)

// Each control byte picks a byte of one register, or 0 where its top bit is set.
struct ByteShuffle {
  __m128i LowFromLow, LowFromHigh, HighFromLow, HighFromHigh;
};

inline ByteShuffle MakeByteShuffle(const ByteSource& source) {
  alignas(16) int8_t control[4][16];
  std::memset(control, 0x80, sizeof control);
  for (int out = 0; out < 32; ++out) {
    const int from = source[out];
    if (from >= 0) control[(out < 16 ? 0 : 2) + (from < 16 ? 0 : 1)][out & 15] = static_cast<int8_t>(from & 15);
  }
  const auto load = [&](int k) { return _mm_load_si128(reinterpret_cast<const __m128i*>(control[k])); };
  return {load(0), load(1), load(2), load(3)};
}

// Bytes 0 to 15 in `low`, 16 to 31 in `high`, rearranged in place.
template <bool Vector>
[[gnu::always_inline]] inline void ShuffleBytes(const ByteShuffle& s, __m128i& low, __m128i& high) {
#if TQ_VECTOR_COPIES
  if constexpr (Vector) {
    // The builtin itself, not a helper: a helper that is not inlined would be built for any
    // processor, where the instruction does not exist.
    const auto l = reinterpret_cast<__v16qi>(low), h = reinterpret_cast<__v16qi>(high);
    const __m128i newLow = _mm_or_si128(
        reinterpret_cast<__m128i>(__builtin_ia32_pshufb128(l, reinterpret_cast<__v16qi>(s.LowFromLow))),
        reinterpret_cast<__m128i>(__builtin_ia32_pshufb128(h, reinterpret_cast<__v16qi>(s.LowFromHigh))));
    const __m128i newHigh = _mm_or_si128(
        reinterpret_cast<__m128i>(__builtin_ia32_pshufb128(l, reinterpret_cast<__v16qi>(s.HighFromLow))),
        reinterpret_cast<__m128i>(__builtin_ia32_pshufb128(h, reinterpret_cast<__v16qi>(s.HighFromHigh))));
    low = newLow;
    high = newHigh;
    return;
  }
#endif
  alignas(16) uint8_t in[32], control[4][16], out[32];
  _mm_store_si128(reinterpret_cast<__m128i*>(in), low);
  _mm_store_si128(reinterpret_cast<__m128i*>(in + 16), high);
  std::memcpy(control, &s, sizeof control);
  for (int b = 0; b < 32; ++b) {
    const uint8_t fromLow = control[b < 16 ? 0 : 2][b & 15], fromHigh = control[b < 16 ? 1 : 3][b & 15];
    out[b] = static_cast<uint8_t>((fromLow & 0x80 ? 0 : in[fromLow & 15]) | (fromHigh & 0x80 ? 0 : in[16 + (fromHigh & 15)]));
  }
  low = _mm_load_si128(reinterpret_cast<const __m128i*>(out));
  high = _mm_load_si128(reinterpret_cast<const __m128i*>(out + 16));
}

#elif defined(__wasm_simd128__)

// WebAssembly SIMD: its swizzle gives 0 for any control byte of 16 or more, so the controls are
// those of the x86-64 shuffle. Every WebAssembly build that has it runs it, so Vector is moot.
// The search runs at 2.2 times the native time with it, 3.9 times with the byte-wise copy.
struct ByteShuffle {
  v128_t LowFromLow, LowFromHigh, HighFromLow, HighFromHigh;
};

inline ByteShuffle MakeByteShuffle(const ByteSource& source) {
  int8_t control[4][16];
  std::memset(control, 0x80, sizeof control);
  for (int out = 0; out < 32; ++out) {
    const int from = source[out];
    if (from >= 0) control[(out < 16 ? 0 : 2) + (from < 16 ? 0 : 1)][out & 15] = static_cast<int8_t>(from & 15);
  }
  return {wasm_v128_load(control[0]), wasm_v128_load(control[1]), wasm_v128_load(control[2]), wasm_v128_load(control[3])};
}

template <bool Vector>
[[gnu::always_inline]] inline void ShuffleBytes(const ByteShuffle& s, v128_t& low, v128_t& high) {
  const v128_t newLow = wasm_v128_or(wasm_i8x16_swizzle(low, s.LowFromLow), wasm_i8x16_swizzle(high, s.LowFromHigh));
  const v128_t newHigh = wasm_v128_or(wasm_i8x16_swizzle(low, s.HighFromLow), wasm_i8x16_swizzle(high, s.HighFromHigh));
  low = newLow;
  high = newHigh;
}

#else

// Elsewhere: the rearrangement as it is, applied a byte at a time.
struct ByteShuffle {
  ByteSource Source;
};

inline ByteShuffle MakeByteShuffle(const ByteSource& source) { return {source}; }

template <bool Vector, typename Byte>
void ShuffleBytes(const ByteShuffle& s, std::array<Byte, 32>& bytes) {
  std::array<Byte, 32> next;
  for (int b = 0; b < 32; ++b) next[b] = s.Source[b] < 0 ? Byte{0} : bytes[s.Source[b]];
  bytes = next;
}

#endif

}  // namespace tq
