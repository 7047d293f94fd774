// The index beside the solutions list: layout -> chain of its entries that hold a solution.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/entry_texts.h"
#include "store/layout_hash.h"
#include "store/solution_filter.h"

namespace tq {

inline constexpr uint32_t NoEntry = 0xFFFFFFFFu;

// For every layout that ever held a solution, the entries of that layout with a non-empty
// solution, in list order. A chain is either all alive or all emptied at once (a store of ""
// replaces every longer text, and every stored text is longer), so its head tells which.
// A small filter in front answers most misses from one word, without touching the table.
// The table keeps 5 bytes per slot (a tag byte and the head's number) at most 7/8 full, and
// links only the rare layouts with more than one entry, so that a big list stays small.
// It holds fewer than 2^32 slots.
// Not synchronised: one thread at a time may change it; readers may share an unchanging one.
class SolutionIndex {
 public:
  // Empties the index; Clear keeps the memory for the next Build, Release gives it back.
  void Clear();
  void Release();
  // Indexes every entry of the texts with a non-empty solution.
  void Build(const EntryTexts& texts);
  // Adds entry (the last one of the texts, with a non-empty solution) to its layout's chain.
  void Add(const EntryTexts& texts, uint32_t entry);

  // The head of the layout's chain, or NoEntry when the layout never held a solution.
  uint32_t Head(const EntryTexts& texts, std::string_view layout) const {
    if (keys_ == 0) return NoEntry;
    const uint64_t hash = HashLayout(layout);
    return MayHold(FilterKey(layout, hash)) ? ProbedHead(texts, layout, hash) : NoEntry;
  }
  uint32_t Next(uint32_t entry) const {
    if (links_.empty()) return NoEntry;
    const auto link = links_.find(entry);
    return link == links_.end() ? NoEntry : link->second;
  }
  // Keys the filter by `key` (nullptr: by the layout's hash) and fills it anew.
  void KeyFilter(const EntryTexts& texts, LayoutKey key);
  // The filter as it stands; a view of an index without keys is not usable.
  SolutionFilter Filter() const {
    return keys_ == 0 ? SolutionFilter(nullptr, 63, &changes_) : SolutionFilter(filter_.data(), filterShift_, &changes_);
  }
  // Memory held, for the measurements of what an entry costs (the links roughly).
  size_t HeldBytes() const;

 private:
  static constexpr uint8_t FreeTag = 0;
  // The top seven bits of the hash, with the high bit set so that no tag is FreeTag.
  static uint8_t Tag(uint64_t hash) { return static_cast<uint8_t>(0x80 | (hash >> 57)); }
  uint64_t FilterKey(std::string_view layout, uint64_t hash) const { return filterKey_ ? filterKey_(layout) : hash; }
  bool MayHold(uint64_t key) const { return Filter().MayHold(key); }
  static constexpr size_t NotFound = ~size_t{0};
  // Where a hash's probe starts: its low 32 bits scaled to the table, which need not have a
  // power of two of slots; the tag and the filter take other bits.
  size_t Home(uint64_t hash) const { return static_cast<size_t>(((hash & 0xFFFFFFFFu) * tags_.size()) >> 32); }
  size_t Following(size_t slot) const { return slot + 1 == tags_.size() ? 0 : slot + 1; }
  // The layout's slot number, or NotFound.
  size_t Probe(const EntryTexts& texts, std::string_view layout, uint64_t hash) const;
  // Kept out of line: most misses never get past the filter, and they should not pay for this.
  uint32_t ProbedHead(const EntryTexts& texts, std::string_view layout, uint64_t hash) const;

  void Resize(const EntryTexts& texts, size_t slots, size_t keys);
  size_t FreeSlot(uint64_t hash) const;
  // Makes a slot for a layout the table does not hold, growing the table when needed.
  void Insert(const EntryTexts& texts, std::string_view layout, uint64_t hash, uint32_t entry);
  void Remember(uint64_t key) { filter_[key >> filterShift_] |= FilterBitsOf(key); }

  std::vector<uint8_t> tags_;    // per slot: FreeTag, or the tag of the layout it holds
  std::vector<uint32_t> heads_;  // per slot: the head of its layout's chain
  std::vector<uint64_t> filter_;  // read all over by the search
  std::unordered_map<uint32_t, uint32_t> links_;  // entry -> next entry of its chain
  int filterShift_ = 63;
  size_t keys_ = 0;
  uint64_t changes_ = 0;  // counts every change, so that a view can tell it is out of date
  LayoutKey filterKey_ = nullptr;
};

}  // namespace tq
