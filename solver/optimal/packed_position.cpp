// A layout's position in packed form, for layouts the moves can reach from the start, and the
// byte shuffles of the moves and the lookups.
#include "solver/optimal/packed_position.h"

#include "model/layout_check.h"

namespace tq::optimal {

namespace {

constexpr int LayoutLength = 26;

ByteShuffle ShuffleOf(const PlaceMap& map) {
  ByteSource source;
  source.fill(-1);
  for (int bit = 0; bit < PlaceBitCount; ++bit) {
    if (map[bit] >= 0) source[map[bit]] = static_cast<int8_t>(bit);
  }
  return MakeByteShuffle(source);
}

// Each symmetry is its own inverse: the place it shows at `bit` is the place it sends there.
int SymmetricPlace(int symmetry, int bit) {
  if (symmetry & 1) bit = MirrorMap()[bit];
  if (symmetry & 2) bit = FlipMap()[bit];
  return bit;
}

}  // namespace

std::optional<PackedPosition> PositionOfLayout(std::string_view layout) {
  if (!LayoutProblem(layout).empty()) return std::nullopt;
  const int state = layout[0] == ' ' ? 1 : 0;  // the empty slots are row 0 or row 5 of the long columns
  std::array<uint8_t, 32> bytes{};
  PlaceSet colour3 = 0;
  for (int slot = 0; slot < LayoutLength; ++slot) {
    if (layout[slot] == ' ') continue;
    const int colour = layout[slot] - '0';
    const SlotPlace at = PlaceOfSlot(slot);
    const int bit = BitOfPlace(at.Column, at.Row, state);
    bytes[bit] = static_cast<uint8_t>(colour + 1);
    if (colour == 3) colour3 |= PlaceSet{1} << bit;
  }
  return PackedPosition{PlaceBytes::FromArray(bytes), static_cast<uint16_t>(Placements::Of(colour3, state))};
}

PlaceShuffles::PlaceShuffles() : squeezes_(PlacementCount) {
  for (int state = 0; state < 2; ++state) {
    for (int code = 1; code <= 4; ++code) turns_[state][code - 1] = ShuffleOf(TurnMap(code, state));
  }
  const Placements& placements = Placements::Get();
  for (int placement = 0; placement < PlacementCount; ++placement) {
    const PlacementInfo info = placements.Info(placement);
    const OrbitInfo& orbit = placements.Orbit(info.Orbit);
    ByteSource source;
    source.fill(-1);
    int free = 0;
    for (int bit = 0; bit < PlaceBitCount; ++bit) {
      if (IsPlace(bit) && ((orbit.Colour3 >> bit) & 1u) == 0) source[free++] = static_cast<int8_t>(SymmetricPlace(info.Symmetry, bit));
    }
    squeezes_[placement].Shuffle = MakeByteShuffle(source);
  }
}

const PlaceShuffles& PlaceShuffles::Get() {
  static const PlaceShuffles shuffles;
  return shuffles;
}

}  // namespace tq::optimal
