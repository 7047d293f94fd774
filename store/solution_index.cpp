// Building and growing the solutions index: open addressing with linear probing, and a
// blocked filter of one 64-bit word per probe with three bits per layout.
#include "store/solution_index.h"

#include <algorithm>
#include <bit>

namespace tq {

namespace {
constexpr size_t MinSlots = 32;
constexpr size_t SlotsPerFilterWord = 4;  // two bytes of filter per slot, 4 to 8 per layout

constexpr size_t PrefetchDistance = 16;

std::vector<uint64_t> SolutionHashes(const std::vector<SolutionEntry>& list) {
  std::vector<uint64_t> hashes(list.size());
  for (size_t i = 0; i < list.size(); ++i) hashes[i] = list[i].Solution.empty() ? 0 : HashLayout(list[i].Layout);
  return hashes;
}

// At most half the slots in use keeps probe runs short.
size_t SlotCountFor(size_t keys) {
  size_t count = MinSlots;
  while (count < 2 * keys) count *= 2;
  return count;
}
}  // namespace

size_t SolutionIndex::Probe(const std::vector<SolutionEntry>& list, std::string_view layout, uint64_t hash) const {
  for (size_t i = hash & slotMask_;; i = (i + 1) & slotMask_) {
    const Slot& slot = slots_[i];
    if (slot.head == NoEntry) return NotFound;
    if (slot.tag == Tag(hash) && list[slot.head].Layout == layout) return i;
  }
}

uint32_t SolutionIndex::ProbedHead(const std::vector<SolutionEntry>& list, std::string_view layout,
                                   uint64_t hash) const {
  const size_t slot = Probe(list, layout, hash);
  return slot == NotFound ? NoEntry : slots_[slot].head;
}

void SolutionIndex::Clear() {
  ++changes_;
  slots_.clear();
  filter_.clear();
  next_.clear();
  slotMask_ = 0;
  filterShift_ = 63;
  keys_ = 0;
}

void SolutionIndex::Build(const std::vector<SolutionEntry>& list) {
  Clear();
  size_t withSolution = 0;
  for (const SolutionEntry& entry : list) withSolution += entry.Solution.empty() ? 0 : 1;
  Resize(list, withSolution);
  next_.assign(list.size(), NoEntry);
  const std::vector<uint64_t> hashes = SolutionHashes(list);
  for (size_t i = 0; i < list.size(); ++i) {
    // The slots of a big list are far apart in memory: ask for one a few entries ahead.
    if (i + PrefetchDistance < list.size()) __builtin_prefetch(&slots_[hashes[i + PrefetchDistance] & slotMask_]);
    if (!list[i].Solution.empty()) Link(list, SlotFor(list, list[i].Layout, hashes[i]), static_cast<uint32_t>(i));
  }
}

void SolutionIndex::Add(const std::vector<SolutionEntry>& list, uint32_t entry) {
  ++changes_;
  const std::string& layout = list[entry].Layout;
  Link(list, SlotFor(list, layout, HashLayout(layout)), entry);
}

// Makes room for keys layouts; the chains stay as they are, only their slots move.
void SolutionIndex::Resize(const std::vector<SolutionEntry>& list, size_t keys) {
  const std::vector<Slot> old = std::move(slots_);
  const size_t count = SlotCountFor(keys);
  slots_.assign(count, Slot{0, NoEntry, NoEntry});
  slotMask_ = count - 1;
  filter_.assign(count / SlotsPerFilterWord, 0);
  filterShift_ = 64 - std::countr_zero(filter_.size());
  for (const Slot& slot : old) {
    if (slot.head == NoEntry) continue;
    const std::string& layout = list[slot.head].Layout;
    const uint64_t hash = HashLayout(layout);
    Remember(FilterKey(layout, hash));
    FreeSlot(hash) = slot;
  }
}

SolutionIndex::Slot& SolutionIndex::FreeSlot(uint64_t hash) {
  size_t i = hash & slotMask_;
  while (slots_[i].head != NoEntry) i = (i + 1) & slotMask_;
  return slots_[i];
}

// The layout's slot, made (and the table grown) when the layout is new.
SolutionIndex::Slot& SolutionIndex::SlotFor(const std::vector<SolutionEntry>& list, std::string_view layout,
                                            uint64_t hash) {
  const size_t found = keys_ == 0 ? NotFound : Probe(list, layout, hash);
  if (found != NotFound) return slots_[found];
  if (2 * (keys_ + 1) > slots_.size()) Resize(list, keys_ + 1);
  ++keys_;
  Remember(FilterKey(layout, hash));
  Slot& slot = FreeSlot(hash);
  slot.tag = Tag(hash);
  return slot;
}

void SolutionIndex::KeyFilter(const std::vector<SolutionEntry>& list, LayoutKey key) {
  if (key == filterKey_) return;
  ++changes_;
  filterKey_ = key;
  std::fill(filter_.begin(), filter_.end(), 0);
  for (const Slot& slot : slots_) {
    if (slot.head == NoEntry) continue;
    const std::string& layout = list[slot.head].Layout;
    Remember(FilterKey(layout, HashLayout(layout)));
  }
}

// Appends entry to the slot's chain; an emptied chain starts afresh with it.
void SolutionIndex::Link(const std::vector<SolutionEntry>& list, Slot& slot, uint32_t entry) {
  if (next_.size() <= entry) next_.resize(entry + 1, NoEntry);
  next_[entry] = NoEntry;
  if (slot.head == NoEntry || list[slot.head].Solution.empty()) {
    slot.head = slot.tail = entry;
    return;
  }
  next_[slot.tail] = entry;
  slot.tail = entry;
}

}  // namespace tq
