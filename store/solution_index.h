// The index beside the solutions list: layout -> chain of its entries that hold a solution.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "store/layout_hash.h"
#include "store/solution_filter.h"
#include "store/solutions.h"

namespace tq {

inline constexpr uint32_t NoEntry = 0xFFFFFFFFu;

// For every layout that ever held a solution, the entries of that layout with a non-empty
// solution, in list order. A chain is either all alive or all emptied at once (a store of ""
// replaces every longer text, and every stored text is longer), so its head tells which.
// A small filter in front answers most misses from one word, without touching the table.
// Entries are numbered in 32 bits, far beyond what a list in memory will hold.
class SolutionIndex {
 public:
  void Clear();
  // Indexes every entry of the list with a non-empty solution.
  void Build(const std::vector<SolutionEntry>& list);
  // Adds entry (the last one of the list, with a non-empty solution) to its layout's chain.
  void Add(const std::vector<SolutionEntry>& list, uint32_t entry);

  // The head of the layout's chain, or NoEntry when the layout never held a solution.
  uint32_t Head(const std::vector<SolutionEntry>& list, std::string_view layout) const {
    if (keys_ == 0) return NoEntry;
    const uint64_t hash = HashLayout(layout);
    return MayHold(FilterKey(layout, hash)) ? ProbedHead(list, layout, hash) : NoEntry;
  }
  uint32_t Next(uint32_t entry) const { return next_[entry]; }
  // Keys the filter by `key` (nullptr: by the layout's hash) and fills it anew.
  void KeyFilter(const std::vector<SolutionEntry>& list, LayoutKey key);
  // The filter as it stands; a view of an index without keys is not usable.
  SolutionFilter Filter() const {
    return keys_ == 0 ? SolutionFilter(nullptr, 63, &changes_) : SolutionFilter(filter_.data(), filterShift_, &changes_);
  }

 private:
  struct Slot {
    uint32_t tag;
    uint32_t head;  // NoEntry: the slot is unused
    uint32_t tail;
  };

  static uint32_t Tag(uint64_t hash) { return static_cast<uint32_t>(hash >> 32); }
  uint64_t FilterKey(std::string_view layout, uint64_t hash) const { return filterKey_ ? filterKey_(layout) : hash; }
  bool MayHold(uint64_t key) const { return Filter().MayHold(key); }
  static constexpr size_t NotFound = ~size_t{0};
  // The layout's slot number, or NotFound.
  size_t Probe(const std::vector<SolutionEntry>& list, std::string_view layout, uint64_t hash) const;
  // Kept out of line: most misses never get past the filter, and they should not pay for this.
  uint32_t ProbedHead(const std::vector<SolutionEntry>& list, std::string_view layout, uint64_t hash) const;

  void Resize(const std::vector<SolutionEntry>& list, size_t keys);
  Slot& FreeSlot(uint64_t hash);
  Slot& SlotFor(const std::vector<SolutionEntry>& list, std::string_view layout, uint64_t hash);
  void Remember(uint64_t key) { filter_[key >> filterShift_] |= FilterBitsOf(key); }
  void Link(const std::vector<SolutionEntry>& list, Slot& slot, uint32_t entry);

  std::vector<Slot> slots_;
  std::vector<uint64_t> filter_;  // read all over by the search
  std::vector<uint32_t> next_;  // per entry: the next entry of its chain
  size_t slotMask_ = 0;
  int filterShift_ = 63;
  size_t keys_ = 0;
  uint64_t changes_ = 0;  // counts every change, so that a view can tell it is out of date
  LayoutKey filterKey_ = nullptr;
};

}  // namespace tq
