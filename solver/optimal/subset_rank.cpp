// Colex ranks of the sets of K places among 20, split at the tenth place.
#include "solver/optimal/subset_rank.h"

#include <algorithm>
#include <bit>

namespace tq::optimal {

namespace {

// The sum of C(place, index + 1) over the set's places in rising order, counting the places of
// the set from `before` on and numbering them from `offset`.
uint32_t ColexSum(uint32_t set, int offset, int before) {
  uint32_t sum = 0;
  int index = before;
  for (uint32_t rest = set; rest != 0; rest &= rest - 1) {
    sum += Choose(offset + std::countr_zero(rest), index + 1);
    ++index;
  }
  return sum;
}
}  // namespace

SubsetRanks::SubsetRanks(int size) : size_(size), count_(Choose(FreePlaceCount, size)) {
  for (uint32_t part = 0; part < 1024; ++part) {
    const int highSize = std::popcount(part);
    low_[part] = ColexSum(part, 0, 0);
    const int lowSize = size - highSize;
    if (lowSize < 0 || lowSize > 10) continue;
    high_[part] = ColexSum(part, 10, lowSize);
    blocks_.push_back({high_[part], part, lowSize});
  }
  for (uint32_t part = 0; part < 1024; ++part) lowByRank_[std::popcount(part)].push_back(static_cast<uint16_t>(part));
  for (auto& sets : lowByRank_) std::sort(sets.begin(), sets.end(), [this](uint16_t a, uint16_t b) { return low_[a] < low_[b]; });
  std::sort(blocks_.begin(), blocks_.end(), [](const HighBlock& a, const HighBlock& b) { return a.First < b.First; });
}

uint32_t SubsetRanks::Unrank(uint32_t rank) const {
  const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), rank,
                                      [](uint32_t r, const HighBlock& block) { return r < block.First; });
  const HighBlock& block = *(after - 1);
  return lowByRank_[block.LowSize][rank - block.First] | (block.High << 10);
}

}  // namespace tq::optimal
