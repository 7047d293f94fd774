// The numbering of a kind's sets of tracked balls and the size of its table.
#pragma once

#include <cstdint>

#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/packed_position.h"
#include "solver/optimal/subset_rank.h"

namespace tq::optimal {

inline constexpr uint8_t UnsetEntry = 0xFF;

// The tracked class: two 4-ball colours (eight balls) for the Full table, one for the Small.
const SubsetRanks& ClassRanks(TableKind kind);
uint64_t EntryCountOf(TableKind kind);
template <bool Pairs>
TableView<Pairs> ViewOf(const PatternTable& table);

}  // namespace tq::optimal
