// Building the table: breadth-first from every solved position, a level at a time. While the
// newest level is smaller than what is still unfilled, its entries write their neighbours;
// after that each unfilled entry looks for a neighbour on the newest level instead.
#include <algorithm>
#include <atomic>
#include <functional>
#include <bit>
#include <thread>
#include <vector>

#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/packed_position.h"
#include "solver/optimal/table_shape.h"

namespace tq::optimal {

namespace {

// Entries handled between prefetching their neighbours and reading them: enough reads in flight
// to hide the memory's latency.
constexpr int Batch = 64;

void RunOnThreads(int threads, const std::function<void()>& work) {
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
}

// The set of each rank of a block, scanned in rising order: a few steps from the last one
// found, or a lookup after a long jump.
class RankCursor {
 public:
  explicit RankCursor(const SubsetRanks& ranks) : ranks_(ranks), set_((1u << ranks.Size()) - 1) {}
  uint32_t SetAt(uint32_t rank) {
    if (rank < rank_ || rank - rank_ > 24) {
      rank_ = rank;
      set_ = ranks_.Unrank(rank);
    }
    for (; rank_ < rank; ++rank_) set_ = SubsetRanks::NextSet(set_);
    return set_;
  }

 private:
  const SubsetRanks& ranks_;
  uint32_t rank_ = 0;
  uint32_t set_;
};

}  // namespace

class TableBuilder {
 public:
  TableBuilder(PatternTable& table, int threads)
      : placements_(Placements::Get()),
        ranks_(ClassRanks(table.Kind())),
        kind_(table.Kind()),
        entries_(table.MutableEntries()),
        count_(table.EntryCount()),
        threads_(std::max(1, threads)) {}

  // False when shouldStop said so before the table was complete.
  bool Run(const BuildProgressCall& progress, const std::function<bool()>& shouldStop) {
    std::fill(entries_, entries_ + count_, UnsetEntry);
    uint64_t newest = SeedSolvedPositions(), filled = newest;
    for (int level = 0; newest > 0 && filled < count_; ++level) {
      const bool forward = newest <= count_ - filled;
      newest = RunPass(static_cast<uint8_t>(level), forward, shouldStop);
      if (stopped_.load(std::memory_order_relaxed)) return false;
      filled += newest;
      if (progress) progress({level + 1, filled, count_});
    }
    return true;
  }

 private:
  struct Node {
    int Placement;
    PlaceSet Set;
  };

  // While the threads run, the entries are read and written as whole atomic words, so that
  // a word shared by two blocks or read by one thread while another fills it stays sound.
  uint64_t Word(uint64_t word) const {
    return std::atomic_ref<uint64_t>(reinterpret_cast<uint64_t*>(entries_)[word]).load(std::memory_order_relaxed);
  }
  uint8_t Load(uint64_t index) const { return static_cast<uint8_t>(Word(index >> 3) >> (8 * (index & 7))); }
  // Fills an unfilled entry; two threads filling one entry on one level write the same value,
  // and only the first is told that it filled it.
  bool Fill(uint64_t index, uint8_t value) const {
    const int shift = static_cast<int>(8 * (index & 7));
    const uint64_t keep = ~(static_cast<uint64_t>(UnsetEntry ^ value) << shift);
    const uint64_t before =
        std::atomic_ref<uint64_t>(reinterpret_cast<uint64_t*>(entries_)[index >> 3]).fetch_and(keep, std::memory_order_relaxed);
    return static_cast<uint8_t>(before >> shift) == UnsetEntry;
  }

  // Calls visit(rank) for every entry of the block that holds `value`, eight entries a step.
  template <typename Visit>
  void ScanBlock(int orbit, uint8_t value, Visit&& visit) const {
    const uint64_t first = uint64_t{Stride()} * static_cast<uint64_t>(orbit), end = first + Stride();
    constexpr uint64_t ones = 0x0101010101010101ull, lows = 0x7F7F7F7F7F7F7F7Full;
    for (uint64_t word = first >> 3; word * 8 < end; ++word) {
      const uint64_t x = Word(word) ^ (ones * value);
      uint64_t found = ~((((x & lows) + lows) | x) | lows);  // the top bit of each byte equal to value
      if (word * 8 < first) found &= ~uint64_t{0} << (8 * (first - word * 8));
      if (word * 8 + 8 > end) found &= ~uint64_t{0} >> (8 * (word * 8 + 8 - end));
      for (; found != 0; found &= found - 1) visit(static_cast<uint32_t>(word * 8 + std::countr_zero(found) / 8 - first));
    }
  }

  uint32_t Stride() const { return ranks_.Count(); }

  // The entry of a position, and of its mirror image where the mirror keeps its placement
  // class's representative (then both entries stand for it), else the same entry again.
  [[gnu::always_inline]] void Encode(const Node& node, uint32_t& index, uint32_t& alias) const {
    const PlacementInfo info = placements_.Info(node.Placement);
    const OrbitInfo& orbit = placements_.Orbit(info.Orbit);
    const uint64_t set = ApplySymmetry(info.Symmetry, node.Set);
    const uint32_t base = info.Orbit * Stride();
    index = base + ranks_.Rank(static_cast<uint32_t>(Squeeze(orbit, set)));
    alias = orbit.MirrorAlias ? base + ranks_.Rank(static_cast<uint32_t>(Squeeze(orbit, Mirror(set)))) : index;
  }

  Node Decode(int orbitNumber, uint32_t set) const {
    const OrbitInfo& orbit = placements_.Orbit(orbitNumber);
    return {orbit.Representative, Spread(orbit, set)};
  }

  Node Neighbour(const Node& node, int code) const {
    const int next = placements_.Next(node.Placement)[code - 1];
    if (code == 5) return {next, node.Set};
    const ShiftMove& turn = Turns[Placements::SlideStateOf(node.Placement)][code - 1];
    return {next, static_cast<PlaceSet>(turn(node.Set))};
  }

  uint64_t SeedSolvedPositions() {
    uint64_t seeded = 0;
    const int classColumns = kind_ == TableKind::Full ? 2 : 1;
    for (int state = 0; state < 2; ++state) {
      const int placement = Placements::Of(ExtraRow(state), state);
      for (int columns = 0; columns < 32; ++columns) {
        if (std::popcount(static_cast<unsigned>(columns)) != classColumns) continue;
        PlaceSet set = 0;
        for (int c = 0; c < 5; ++c) {
          if ((columns >> c) & 1) set |= MiddleRows(c, state);
        }
        uint32_t index, alias;
        Encode({placement, set}, index, alias);
        for (uint32_t entry : {index, alias}) {
          if (entries_[entry] == UnsetEntry) ++seeded;
          entries_[entry] = 0;
        }
      }
    }
    return seeded;
  }

  // Gives the number of entries filled. Only the calling thread asks shouldStop, between its
  // blocks; every thread sees the answer before it takes its next block.
  uint64_t RunPass(uint8_t level, bool forward, const std::function<bool()>& shouldStop) {
    std::atomic<int> nextBlock{0};
    std::atomic<uint64_t> filled{0};
    const std::thread::id caller = std::this_thread::get_id();
    RunOnThreads(threads_, [&] {
      const bool asks = shouldStop && std::this_thread::get_id() == caller;
      uint64_t mine = 0;
      for (int block; !stopped_.load(std::memory_order_relaxed) && (block = nextBlock.fetch_add(1)) < placements_.OrbitCount();) {
        mine += forward ? ForwardBlock(block, level) : BackwardBlock(block, level);
        if (asks && shouldStop()) stopped_.store(true, std::memory_order_relaxed);
      }
      filled += mine;
    });
    return filled;
  }

  // Every entry of the level writes level + 1 into its unfilled neighbours.
  uint64_t ForwardBlock(int orbit, uint8_t level) {
    RankCursor cursor(ranks_);
    uint64_t filled = 0;
    uint32_t pending[Batch * MoveCount * 2];
    int count = 0;
    const auto flush = [&] {
      for (int i = 0; i < count; ++i) {
        if (Load(pending[i]) == UnsetEntry && Fill(pending[i], static_cast<uint8_t>(level + 1))) ++filled;
      }
      count = 0;
    };
    ScanBlock(orbit, level, [&](uint32_t rank) {
      const Node node = Decode(orbit, cursor.SetAt(rank));
      for (int code = 1; code <= MoveCount; ++code) {
        uint32_t index, alias;
        Encode(Neighbour(node, code), index, alias);
        __builtin_prefetch(entries_ + index, 1);
        pending[count++] = index;
        if (alias != index) pending[count++] = alias;
      }
      if (count > (Batch - 1) * MoveCount * 2) flush();
    });
    flush();
    return filled;
  }

  // Every unfilled entry with a neighbour on the level gets level + 1.
  uint64_t BackwardBlock(int orbit, uint8_t level) {
    RankCursor cursor(ranks_);
    uint64_t filled = 0;
    const uint64_t base = uint64_t{Stride()} * static_cast<uint64_t>(orbit);
    uint32_t ranks[Batch];
    uint32_t neighbours[Batch][MoveCount];
    int count = 0;
    const auto flush = [&] {
      for (int i = 0; i < count; ++i) {
        for (uint32_t neighbour : neighbours[i]) {
          if (Load(neighbour) == level) {
            Fill(base + ranks[i], static_cast<uint8_t>(level + 1));
            ++filled;
            break;
          }
        }
      }
      count = 0;
    };
    ScanBlock(orbit, UnsetEntry, [&](uint32_t rank) {
      const Node node = Decode(orbit, cursor.SetAt(rank));
      ranks[count] = rank;
      for (int code = 1; code <= MoveCount; ++code) {
        uint32_t index, alias;
        Encode(Neighbour(node, code), index, alias);
        __builtin_prefetch(entries_ + index);
        neighbours[count][code - 1] = index;
      }
      if (++count == Batch) flush();
    });
    flush();
    return filled;
  }

  const Placements& placements_;
  const SubsetRanks& ranks_;
  TableKind kind_;
  uint8_t* entries_;
  uint64_t count_;
  int threads_;
  std::atomic<bool> stopped_{false};
};

std::shared_ptr<const PatternTable> PatternTable::Build(TableKind kind, int threads, const BuildProgressCall& progress,
                                                        const std::function<bool()>& shouldStop) {
  std::shared_ptr<PatternTable> table(new PatternTable(kind));
  if (!TableBuilder(*table, threads).Run(progress, shouldStop)) return nullptr;
  return table;
}

}  // namespace tq::optimal
