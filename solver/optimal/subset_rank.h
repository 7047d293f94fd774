// Numbering the sets of K places among 20 (colex order) with two small tables, and back.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tq::optimal {

inline constexpr int FreePlaceCount = 20;

// The number of sets of k things among n, 0 when there are none.
constexpr uint32_t Choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  uint64_t result = 1;
  for (int i = 1; i <= k; ++i) result = result * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
  return static_cast<uint32_t>(result);
}

class SubsetRanks {
 public:
  explicit SubsetRanks(int size);

  int Size() const { return size_; }
  uint32_t Count() const { return count_; }

  // The rank of a set of Size() places among 20, given as the low 20 bits.
  uint32_t Rank(uint32_t set) const { return low_[set & 1023u] + high_[set >> 10]; }
  const uint32_t* LowTable() const { return low_.data(); }
  const uint32_t* HighTable() const { return high_.data(); }

  uint32_t Unrank(uint32_t rank) const;

  // The set of the next rank: in colex order the sets come in the order of their bit patterns.
  static uint32_t NextSet(uint32_t set) {
    const uint32_t filled = set | (set - 1);
    return (filled + 1) | (((~filled & (filled + 1)) - 1) >> (__builtin_ctz(set) + 1));
  }

 private:
  // All sets that share their ten high places form one run of ranks.
  struct HighBlock {
    uint32_t First;
    uint32_t High;
    int LowSize;
  };

  int size_;
  uint32_t count_;
  std::array<uint32_t, 1024> low_{};
  std::array<uint32_t, 1024> high_{};
  std::vector<HighBlock> blocks_;                       // by First
  std::array<std::vector<uint16_t>, 11> lowByRank_{};  // by the low part's size
};

}  // namespace tq::optimal
