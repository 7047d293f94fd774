// The 3,542 colour-3 placements: their moves and their 913 classes under the symmetries.
#include "solver/optimal/placements.h"

#include <bit>

#include "solver/optimal/subset_rank.h"

namespace tq::optimal {

namespace {

constexpr int TriplesPerState = PlacementCount / 2;

// Places numbered 0 to 22, skipping the unused bits 5 and 15.
int DenseIndex(int bit) { return bit - (bit > 5 ? 1 : 0) - (bit > 15 ? 1 : 0); }

// The image of a placement under symmetry 0 to 3, in placement numbers.
int Image(int symmetry, PlaceSet colour3, int slideState) {
  if (symmetry & 1) colour3 = MapPlaces(MirrorMap(), colour3);
  if (symmetry & 2) {
    colour3 = MapPlaces(FlipMap(), colour3);
    slideState = 1 - slideState;
  }
  return Placements::Of(colour3, slideState);
}

OrbitInfo MakeOrbit(int representative, PlaceSet colour3) {
  OrbitInfo orbit{};
  orbit.Representative = static_cast<uint16_t>(representative);
  orbit.Colour3 = colour3;
  orbit.MirrorAlias = Image(1, colour3, Placements::SlideStateOf(representative)) == representative;
  const PlaceSet removed = colour3 | ~AllPlaces;
  int squeezedBy = 0;
  for (int bit = 0; bit < PlaceBitCount; ++bit) {
    if ((removed >> bit) & 1u) {
      ++squeezedBy;
      continue;
    }
    const PlaceSet to = PlaceSet{1} << (bit - squeezedBy);
    orbit.Squeeze[squeezedBy] |= BothHalves(to);
    orbit.Spread[squeezedBy] |= to;
  }
  return orbit;
}

}  // namespace

int Placements::Of(PlaceSet colour3, int slideState) {
  int rank = 0, taken = 0;
  for (PlaceSet rest = colour3; rest != 0; rest &= rest - 1) {
    ++taken;
    rank += static_cast<int>(Choose(DenseIndex(std::countr_zero(rest)), taken));
  }
  return slideState * TriplesPerState + rank;
}

Placements::Placements() : next_(PlacementCount), info_(PlacementCount) {
  std::vector<PlaceSet> colour3(PlacementCount);
  for (int state = 0; state < 2; ++state) {
    for (int bit = 0; bit < PlaceBitCount; ++bit) {
      for (int second = 0; second < bit; ++second) {
        for (int first = 0; first < second; ++first) {
          const PlaceSet set = (PlaceSet{1} << bit) | (PlaceSet{1} << second) | (PlaceSet{1} << first);
          if ((set & ~AllPlaces) == 0) colour3[Of(set, state)] = set;
        }
      }
    }
  }
  for (int placement = 0; placement < PlacementCount; ++placement) {
    const PlaceSet set = colour3[placement];
    const int state = SlideStateOf(placement);
    for (int code = 1; code <= 4; ++code) {
      next_[placement][code - 1] = static_cast<uint16_t>(Of(MapPlaces(TurnMap(code, state), set), state));
    }
    next_[placement][4] = static_cast<uint16_t>(Of(set, 1 - state));
    int representative = placement, symmetry = 0;
    for (int s = 1; s < 4; ++s) {
      const int image = Image(s, set, state);
      if (image < representative) representative = image, symmetry = s;
    }
    info_[placement].Symmetry = static_cast<uint8_t>(symmetry);
    if (representative == placement) {
      info_[placement].Orbit = static_cast<uint16_t>(orbits_.size());
      orbits_.push_back(MakeOrbit(placement, set));
    }
  }
  // A representative is the smallest number of its class, so it came before the others.
  for (int placement = 0; placement < PlacementCount; ++placement) {
    const int symmetry = info_[placement].Symmetry;
    const int representative = Image(symmetry, colour3[placement], SlideStateOf(placement));
    info_[placement].Orbit = info_[representative].Orbit;
  }
}

const Placements& Placements::Get() {
  static const Placements placements;
  return placements;
}

}  // namespace tq::optimal
