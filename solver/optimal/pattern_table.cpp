// The table's memory, its shape for each kind, and lookups for one layout.
#include <algorithm>
#include <type_traits>

#include "solver/optimal/large_block.h"
#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/packed_position.h"
#include "solver/optimal/table_shape.h"

namespace tq::optimal {

const SubsetRanks& ClassRanks(TableKind kind) {
  static const SubsetRanks pairs(8), singles(4);
  return kind == TableKind::Full ? pairs : singles;
}

uint64_t EntryCountOf(TableKind kind) {
  return uint64_t{ClassRanks(kind).Count()} * static_cast<uint64_t>(Placements::Get().OrbitCount());
}

template <bool Pairs>
TableView<Pairs> ViewOf(const PatternTable& table) {
  const SubsetRanks& ranks = ClassRanks(table.Kind());
  return {table.Entries(), ranks.Count(), ranks.LowTable(), ranks.HighTable(), &Placements::Get(), &PlaceShuffles::Get()};
}
template TableView<true> ViewOf<true>(const PatternTable&);
template TableView<false> ViewOf<false>(const PatternTable&);

PatternTable::PatternTable(TableKind kind)
    : kind_(kind), entryCount_(EntryCountOf(kind)), block_(std::make_unique<LargeBlock>(entryCount_)) {}

PatternTable::~PatternTable() = default;

const uint8_t* PatternTable::Entries() const { return block_->Bytes(); }
uint8_t* PatternTable::MutableEntries() { return block_->Bytes(); }

int PatternTable::Estimate(std::string_view layout) const {
  const std::optional<PackedPosition> position = PositionOfLayout(layout);
  if (!position) return -1;
  const auto estimate = [&](const auto& view) {
    typename std::remove_cvref_t<decltype(view)>::Indices indices;
    view.Locate(*position, indices);
    return view.Estimate(indices);
  };
  return kind_ == TableKind::Full ? estimate(ViewOf<true>(*this)) : estimate(ViewOf<false>(*this));
}

}  // namespace tq::optimal
