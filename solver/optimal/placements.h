// Where the three colour-3 balls stand, with the slide state: how moves change it, and its
// class under the mirror and the flip, which picks a table block and the frame to look in.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/optimal/places.h"
#include "solver/optimal/subset_rank.h"

namespace tq::optimal {

// Placement = slide state * 1771 + the colex rank of the three colour-3 places among the 23.
inline constexpr int PlacementCount = 2 * 1771;
static_assert(__builtin_popcount(AllPlaces) == 23 && PlacementCount == 2 * Choose(__builtin_popcount(AllPlaces), 3),
              "a placement is a slide state and a set of three of the 23 places");

struct PlacementInfo {
  uint16_t Orbit;    // the class under the symmetries; one table block each
  uint8_t Symmetry;  // the symmetry (see ApplySymmetry) that takes it to its class's representative
};

// For one class: its representative and how to squeeze a place set in the representative's frame
// into the 20 places that colour 3 and the unused bits leave free, and back.
struct OrbitInfo {
  uint16_t Representative;
  bool MirrorAlias;  // the mirror keeps the representative: a set and its mirror image share a value
  PlaceSet Colour3;
  uint64_t Squeeze[6];  // both halves; (x >> j) & Squeeze[j] summed over j
  PlaceSet Spread[6];   // (y & Spread[j]) << j summed over j
};

class Placements {
 public:
  // Built once, on first use, and shared; read-only afterwards.
  static const Placements& Get();

  int OrbitCount() const { return static_cast<int>(orbits_.size()); }

  static int Of(PlaceSet colour3, int slideState);
  static int SlideStateOf(int placement) { return placement >= PlacementCount / 2 ? 1 : 0; }

  // After move code 1 to 5 (index code - 1).
  const std::array<uint16_t, MoveCount>& Next(int placement) const { return next_[placement]; }
  const PlacementInfo& Info(int placement) const { return info_[placement]; }
  const OrbitInfo& Orbit(int orbit) const { return orbits_[orbit]; }

 private:
  Placements();
  std::vector<std::array<uint16_t, MoveCount>> next_;
  std::vector<PlacementInfo> info_;
  std::vector<OrbitInfo> orbits_;
};

// The 20 free places of a packed pair of sets, squeezed together in each half.
inline uint64_t Squeeze(const OrbitInfo& orbit, uint64_t x) {
  return (x & orbit.Squeeze[0]) | ((x >> 1) & orbit.Squeeze[1]) | ((x >> 2) & orbit.Squeeze[2]) |
         ((x >> 3) & orbit.Squeeze[3]) | ((x >> 4) & orbit.Squeeze[4]) | ((x >> 5) & orbit.Squeeze[5]);
}

inline PlaceSet Spread(const OrbitInfo& orbit, uint32_t y) {
  return (y & orbit.Spread[0]) | ((y & orbit.Spread[1]) << 1) | ((y & orbit.Spread[2]) << 2) |
         ((y & orbit.Spread[3]) << 3) | ((y & orbit.Spread[4]) << 4) | ((y & orbit.Spread[5]) << 5);
}

}  // namespace tq::optimal
