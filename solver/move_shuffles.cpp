// The moves as shuffles of the packed position, each derived by running the model's move on a
// field of slot numbers, and the conversions between a layout and the packed position.
#include "solver/move_shuffles.h"

#include "model/field.h"
#include "model/moves.h"
#include "store/layout_hash.h"

namespace tq {

namespace {
// Slot s holds s + 1 before the move; afterwards slot s tells where its value came from.
template <typename Move>
SlotMapping MappingOf(Move move) {
  const FieldSlots saved = Field;
  for (int s = 0; s < SlotCount; ++s) Field[s] = static_cast<int8_t>(s + 1);
  move();
  SlotMapping mapping{};
  for (int s = 0; s < SlotCount; ++s) mapping.Source[s] = static_cast<int8_t>(Field[s] - 1);
  Field = saved;
  return mapping;
}

ByteSource Unused() {
  ByteSource m;
  m.fill(-1);
  return m;
}

// The same move on the packed arrangement.
ByteShuffle Packed(const SlotMapping& slots) {
  ByteSource bytes = Unused();
  for (int s = 0; s < SlotCount; ++s) {
    if (slots.Source[s] >= 0) bytes[SlotByte[s]] = SlotByte[slots.Source[s]];
  }
  return MakeByteShuffle(bytes);
}

void BuildArrangement(MoveShuffles& t) {
  ByteSource from = Unused(), to = Unused();
  for (int s = 0; s < SlotCount; ++s) {
    from[SlotByte[s]] = static_cast<int8_t>(s);
    to[s] = SlotByte[s];
  }
  t.FromLayout = MakeByteShuffle(from);
  t.ToLayout = MakeByteShuffle(to);
}

void BuildMoves(MoveShuffles& t) {
  for (int32_t code = MoveUpperRight; code <= MoveLowerLeft; ++code) {
    t.Turn[code] = Packed(MappingOf([code] {
      int32_t unused = 0;
      ApplyMoveCode(code, unused);
    }));
  }
  for (int32_t state = 0; state <= 1; ++state) t.Slide[state] = Packed(MappingOf([state] { SlideColumns(state); }));
  t.Identity = Packed(MappingOf([] {}));
}

void FillStepTable(MoveShuffles& t) {
  for (int code = 0; code < 256; ++code) {
    for (uint32_t slide = 0; slide < 4; ++slide) {
      t.Step[code][slide] = {code >= 1 && code <= 4 ? &t.Turn[code] : &t.Identity, slide};
    }
  }
  t.Step[5][0] = {&t.Slide[0], 1};
  t.Step[5][1] = {&t.Slide[1], 0};
  t.Step[5][2] = {&t.Identity, 0};
}
}  // namespace

MoveShuffles::MoveShuffles() {
  BuildArrangement(*this);
  BuildMoves(*this);
  FillStepTable(*this);
}

const MoveShuffles& GetMoveShuffles() {
  static const MoveShuffles shuffles;
  return shuffles;
}

namespace {
// The layout's bytes in layout order, not yet arranged.
PackedField LoadLayout(std::string_view layout) {
  char bytes[32] = {};
  for (int slot = 0; slot < SlotCount; ++slot) {
    const char c = slot < static_cast<int>(layout.size()) ? layout[slot] : '0';
    bytes[slot] = static_cast<char>((c == ' ' || (c >= '0' && c <= '9') ? c : '0') - ' ');
  }
  PackedField packed;
  packed.LoadBytes(bytes);
  return packed;
}

// Every entry of the solutions list is keyed when the filter is made: a copy per instruction
// set, as the walk has (solver/instruction_set.h).
template <bool Vector>
[[gnu::always_inline]] inline uint64_t KeyOfLayout(std::string_view layout) {
  PackedField packed = LoadLayout(layout);
  packed.Apply<Vector>(GetMoveShuffles().FromLayout);
  return packed.Key<Vector>();
}
uint64_t KeyBaseline(std::string_view layout) { return KeyOfLayout<false>(layout); }
#if TQ_VECTOR_COPIES
TQ_TARGET_V2 uint64_t KeyV2(std::string_view layout) { return KeyOfLayout<true>(layout); }
#endif
}  // namespace

PackedField PackLayout(std::string_view layout) {
  PackedField packed = LoadLayout(layout);
  packed.Apply(GetMoveShuffles().FromLayout);
  return packed;
}

uint64_t PackedLayoutKey(std::string_view layout) {
  if (layout.size() != static_cast<size_t>(SlotCount)) return HashLayout(layout);
#if TQ_VECTOR_COPIES
  if (ProcessorInstructionSet() != InstructionSet::Baseline) return KeyV2(layout);
#endif
  return KeyBaseline(layout);
}

void UnpackLayout(PackedField packed, char* out32) {
  packed.Apply(GetMoveShuffles().ToLayout);
  packed.StoreCharacters(out32);
}

}  // namespace tq
