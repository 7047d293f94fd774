// Building and growing the solutions index: open addressing with linear probing over tag
// bytes, and a blocked filter of one 64-bit word per probe with three bits per layout.
#include "store/solution_index.h"

#include <algorithm>
#include <bit>

namespace tq {

namespace {
constexpr size_t MinSlots = 32;
constexpr size_t SlotsPerFilterWord = 4;  // two bytes of filter per two layouts' room, 4 to 8 per layout

constexpr size_t PrefetchDistance = 16;

// A table is grown once more than 7/8 of its slots are in use (the tags keep probe runs cheap
// even so), to room for 8/5 of its keys, and built for 5/4 of them. With any number of slots,
// not only powers of two, a table of a million layouts takes 6 MB rather than 10.
bool TooFull(size_t slots, size_t keys) { return keys * 8 > slots * 7; }
size_t SlotsToGrowTo(size_t keys) { return std::max(MinSlots, keys * 8 / 5); }
size_t SlotsToBuild(size_t keys) { return std::max(MinSlots, keys * 5 / 4 + 1); }

// The filter keeps the room it had when the table was held half full: its words decide how
// often a search past a big list has to look further.
size_t FilterWordsFor(size_t keys) {
  size_t count = MinSlots;
  while (count < 2 * keys) count *= 2;
  return count / SlotsPerFilterWord;
}
}  // namespace

size_t SolutionIndex::Probe(const EntryTexts& texts, std::string_view layout, uint64_t hash) const {
  const uint8_t tag = Tag(hash);
  for (size_t i = Home(hash);; i = Following(i)) {
    if (tags_[i] == FreeTag) return NotFound;
    if (tags_[i] == tag && texts.Layout(heads_[i]) == layout) return i;
  }
}

uint32_t SolutionIndex::ProbedHead(const EntryTexts& texts, std::string_view layout, uint64_t hash) const {
  const size_t slot = Probe(texts, layout, hash);
  return slot == NotFound ? NoEntry : heads_[slot];
}

void SolutionIndex::Release() {
  Clear();
  tags_.shrink_to_fit();
  heads_.shrink_to_fit();
  filter_.shrink_to_fit();
}

void SolutionIndex::Clear() {
  ++changes_;
  tags_.clear();
  heads_.clear();
  filter_.clear();
  links_ = {};
  filterShift_ = 63;
  keys_ = 0;
}

// Backwards, so that each entry goes in front of its layout's chain and no tail is needed.
void SolutionIndex::Build(const EntryTexts& texts) {
  Clear();
  const auto count = static_cast<uint32_t>(texts.Count());
  size_t withSolution = 0;
  for (uint32_t i = 0; i < count; ++i) withSolution += texts.HasSolution(i) ? 1 : 0;
  Resize(texts, SlotsToBuild(withSolution), withSolution);
  auto hashOf = [&texts](uint32_t i) { return texts.HasSolution(i) ? HashLayout(texts.Layout(i)) : 0; };
  // The slots of a big list are far apart in memory: their hashes are made a few entries
  // ahead, and the slots asked for then.
  uint64_t ahead[PrefetchDistance];
  for (uint32_t k = 0; k < PrefetchDistance && k < count; ++k) ahead[(count - 1 - k) % PrefetchDistance] = hashOf(count - 1 - k);
  for (uint32_t i = count; i-- > 0;) {
    const uint64_t hash = ahead[i % PrefetchDistance];
    if (i >= PrefetchDistance) {
      const uint64_t later = hashOf(i - PrefetchDistance);
      ahead[i % PrefetchDistance] = later;
      __builtin_prefetch(&tags_[Home(later)]);
      __builtin_prefetch(&heads_[Home(later)]);
    }
    if (!texts.HasSolution(i)) continue;
    const std::string_view layout = texts.Layout(i);
    const size_t found = Probe(texts, layout, hash);
    if (found == NotFound) {
      Insert(texts, layout, hash, i);
    } else {
      links_[i] = heads_[found];
      heads_[found] = i;
    }
  }
}

void SolutionIndex::Add(const EntryTexts& texts, uint32_t entry) {
  ++changes_;
  const std::string_view layout = texts.Layout(entry);
  const uint64_t hash = HashLayout(layout);
  const size_t found = keys_ == 0 ? NotFound : Probe(texts, layout, hash);
  if (found == NotFound) return Insert(texts, layout, hash, entry);
  uint32_t& head = heads_[found];
  if (!texts.HasSolution(head)) {  // an emptied chain starts afresh with it
    head = entry;
    return;
  }
  uint32_t tail = head;
  for (uint32_t next = Next(tail); next != NoEntry; next = Next(tail)) tail = next;
  links_[tail] = entry;
}

void SolutionIndex::Insert(const EntryTexts& texts, std::string_view layout, uint64_t hash, uint32_t entry) {
  if (TooFull(tags_.size(), keys_ + 1) || FilterWordsFor(keys_ + 1) > filter_.size()) {
    Resize(texts, TooFull(tags_.size(), keys_ + 1) ? SlotsToGrowTo(keys_ + 1) : tags_.size(), keys_ + 1);
  }
  ++keys_;
  Remember(FilterKey(layout, hash));
  const size_t slot = FreeSlot(hash);
  tags_[slot] = Tag(hash);
  heads_[slot] = entry;
}

// Makes `slots` slots and a filter for keys layouts; the chains stay as they are, only their
// slots move.
void SolutionIndex::Resize(const EntryTexts& texts, size_t slots, size_t keys) {
  std::vector<uint8_t> oldTags;
  std::vector<uint32_t> oldHeads;
  if (keys_ != 0) {  // otherwise the old slots are empty, and their memory serves again
    oldTags = std::move(tags_);
    oldHeads = std::move(heads_);
  }
  tags_.assign(slots, FreeTag);
  heads_.assign(slots, NoEntry);
  filter_.assign(FilterWordsFor(keys), 0);
  filterShift_ = 64 - std::countr_zero(filter_.size());
  for (size_t i = 0; i < oldTags.size(); ++i) {
    if (oldTags[i] == FreeTag) continue;
    const std::string_view layout = texts.Layout(oldHeads[i]);
    const uint64_t hash = HashLayout(layout);
    Remember(FilterKey(layout, hash));
    const size_t slot = FreeSlot(hash);
    tags_[slot] = oldTags[i];
    heads_[slot] = oldHeads[i];
  }
}

size_t SolutionIndex::FreeSlot(uint64_t hash) const {
  size_t i = Home(hash);
  while (tags_[i] != FreeTag) i = Following(i);
  return i;
}

void SolutionIndex::KeyFilter(const EntryTexts& texts, LayoutKey key) {
  if (key == filterKey_) return;
  ++changes_;
  filterKey_ = key;
  std::fill(filter_.begin(), filter_.end(), 0);
  for (size_t i = 0; i < tags_.size(); ++i) {
    if (tags_[i] == FreeTag) continue;
    const std::string_view layout = texts.Layout(heads_[i]);
    Remember(FilterKey(layout, HashLayout(layout)));
  }
}

size_t SolutionIndex::HeldBytes() const {
  // A node of the links costs about four words with its share of the buckets.
  constexpr size_t LinkBytes = 4 * sizeof(void*);
  return tags_.capacity() + heads_.capacity() * sizeof(uint32_t) + filter_.capacity() * sizeof(uint64_t) +
         links_.size() * LinkBytes;
}

}  // namespace tq
