// The filter in front of the solutions index, and a read-only view of it for callers that
// ask about many layouts in a row and want to fetch each answer's word early.
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>

namespace tq {

// A caller's own 64-bit key of a layout, for a filter it asks with keys it makes cheaper
// than the layout's text. Equal layouts must have equal keys; nothing more is needed.
using LayoutKey = uint64_t (*)(std::string_view layout);

// Three bits of one 64-bit word per layout; the word is chosen by the key's top bits.
inline uint64_t FilterBitsOf(uint64_t key) {
  // Rotations rather than shifts: a processor that has them needs no copy of the key for each.
  return (1ull << (std::rotr(key, 24) & 63)) | (1ull << (std::rotr(key, 30) & 63)) |
         (1ull << (std::rotr(key, 36) & 63));
}

// A layout is surely not stored when its word lacks one of its bits. The view stays valid
// only while the list is unchanged: IsUpToDate() tells whether it still is.
class SolutionFilter {
 public:
  SolutionFilter() = default;
  SolutionFilter(const uint64_t* words, int shift, const uint64_t* changes)
      : words_(words), shift_(shift), changes_(changes), seen_(*changes) {}

  // False for a view of a list that holds no solution: it answers nothing.
  bool Usable() const { return words_ != nullptr; }
  bool IsUpToDate() const { return *changes_ == seen_; }

  // Which word a key's bits are in, and the test of those bits: a lookup in two halves, for a
  // caller who asks early and tests late.
  uint64_t WordIndexOf(uint64_t key) const { return key >> shift_; }
  // Starts fetching a word. Safe even once the view is out of date: it only computes an
  // address, and fetching never faults. Inlined as early as the walk that calls it: where it
  // was a plain inline function, GCC 12 dropped the fetch from every copy of the walk once
  // the walk was inlined into them, and a search with a million entries ran 7 % slower.
  [[gnu::always_inline]] void Prefetch(uint64_t wordIndex) const {
    __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(words_) + wordIndex * 8));
  }
  bool MayHold(uint64_t wordIndex, uint64_t bits) const { return (words_[wordIndex] & bits) == bits; }
  bool MayHold(uint64_t key) const { return MayHold(WordIndexOf(key), FilterBitsOf(key)); }

 private:
  const uint64_t* words_ = nullptr;
  int shift_ = 63;
  static constexpr uint64_t NoChanges = 0;
  const uint64_t* changes_ = &NoChanges;
  uint64_t seen_ = 0;
};

}  // namespace tq
