// A position as the search holds it, its moves, and where its estimates stand in the table.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "solver/optimal/place_bytes.h"
#include "solver/optimal/placements.h"

namespace tq::optimal {

// Byte b holds the colour code + 1 of the ball at place b (see places.h), 0 at unused bytes.
// The colour-3 placement holds the slide state.
struct PackedPosition {
  PlaceBytes Colours;
  uint16_t Placement;
};

// The position of a layout that the moves can reach from the start, or nothing.
std::optional<PackedPosition> PositionOfLayout(std::string_view layout);

// The rearrangements of a position's bytes, built once and shared.
class PlaceShuffles {
 public:
  static const PlaceShuffles& Get();

  // By slide state and move code 1 to 4.
  const ByteShuffle& Turn(int slideState, int code) const { return turns_[slideState][code - 1]; }
  // By placement: the places seen through its symmetry, the representative's 20 free places
  // (colour 3 and the unused bits left out) packed into bytes 0 to 19.
  const ByteShuffle& Squeeze(int placement) const { return squeezes_[placement].Shuffle; }

 private:
  PlaceShuffles();
  struct alignas(64) Squeezing {
    ByteShuffle Shuffle;
  };
  std::array<std::array<ByteShuffle, 4>, 2> turns_;
  std::vector<Squeezing> squeezes_;
};

// No entry of either table exceeds this (the tables' tests pin how many entries each distance has).
inline constexpr int LargestEntry = 25;

// Everything a lookup needs, gathered from the shared tables. Pairs: ten lookups, one for each
// pair of 4-ball colours (the Full table), else five, one for each colour (the Small table).
template <bool Pairs>
struct TableView {
  static constexpr int LookupCount = Pairs ? 10 : 5;
  using Indices = std::array<uint32_t, LookupCount>;
  static_assert(LookupCount * LargestEntry < 256, "Score keeps the sum of the lookups below the estimate's bits");

  const uint8_t* Entries;
  uint32_t Stride;  // entries per placement class
  const uint32_t* RankLow;
  const uint32_t* RankHigh;
  const Placements* Places;
  const PlaceShuffles* Shuffles;

  // Vector: as PlaceBytes::Shuffled.
  template <bool Vector = false>
  [[gnu::always_inline]] PackedPosition Move(const PackedPosition& from, int code) const {
    PackedPosition to;
    to.Placement = Places->Next(from.Placement)[code - 1];
    to.Colours = code == 5 ? from.Colours
                           : from.Colours.Shuffled<Vector>(Shuffles->Turn(Placements::SlideStateOf(from.Placement), code));
    return to;
  }

  // The table entries of a position's lookups, each asked for from memory at once.
  template <bool Vector = false>
  [[gnu::always_inline]] void Locate(const PackedPosition& position, Indices& indices) const {
    static constexpr uint8_t ColourValues[5] = {1, 2, 3, 5, 6};  // colours 0, 1, 2, 4, 5
    const PlaceBytes squeezed = position.Colours.Shuffled<Vector>(Shuffles->Squeeze(position.Placement));
    const uint32_t base = Places->Info(position.Placement).Orbit * Stride;
    uint32_t sets[5];
#pragma GCC unroll 5
    for (int c = 0; c < 5; ++c) sets[c] = squeezed.Matches(ColourValues[c]);
    int n = 0;
    const auto locate = [&](uint32_t set) {
      indices[n] = base + RankLow[set & 1023u] + RankHigh[set >> 10];
      __builtin_prefetch(Entries + indices[n++]);
    };
    if constexpr (Pairs) {
#pragma GCC unroll 4
      for (int a = 0; a < 4; ++a) {
#pragma GCC unroll 4
        for (int b = a + 1; b < 5; ++b) locate(sets[a] | sets[b]);
      }
    } else {
#pragma GCC unroll 5
      for (int a = 0; a < 5; ++a) locate(sets[a]);
    }
  }

  // The estimate (the largest lookup) times 256 plus the sum of all lookups, which orders
  // positions of one estimate by how far the other pairs still are. The sum fits below the
  // estimate: no entry exceeds LargestEntry, so ten lookups sum to 250 at most.
  int Score(const Indices& indices) const {
    int largest = 0, sum = 0;
#pragma GCC unroll 10
    for (uint32_t index : indices) {
      largest = std::max<int>(largest, Entries[index]);
      sum += Entries[index];
    }
    return (largest << 8) | sum;
  }

  int Estimate(const Indices& indices) const { return Score(indices) >> 8; }
};

}  // namespace tq::optimal
