// Positions the solutions list was asked about and did not hold, remembered while one
// search runs. The list cannot change during a search, so such an answer stays true; and
// many candidates end where a recent one ended (the two halves' turns commute), so this
// small table answers them without reaching into the list's far larger memory.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/packed_field.h"

namespace tq {

class MissCache {
 public:
  MissCache() : slots_(Size), used_(Size, 0) {}

  bool Holds(const PackedField& position) const {
    const uint32_t at = Slot(position);
    return used_[at] != 0 && slots_[at] == position;
  }
  void Remember(const PackedField& position) {
    const uint32_t at = Slot(position);
    slots_[at] = position;
    used_[at] = 1;
  }

 private:
  static constexpr uint32_t Bits = 12;
  static constexpr uint32_t Size = 1u << Bits;
  static uint32_t Slot(const PackedField& position) { return static_cast<uint32_t>(position.Mix() >> (64 - Bits)); }

  std::vector<PackedField> slots_;
  std::vector<uint8_t> used_;
};

}  // namespace tq
