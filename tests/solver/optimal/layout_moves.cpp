// Move tables probed from the model once: each move on a field of distinct values shows where
// every slot's ball comes from.
#include "layout_moves.h"

#include <array>
#include <random>
#include <vector>

#include "model/field.h"
#include "model/moves.h"
#include "solver/notation.h"

namespace tq::optimal::test {

namespace {

using SlotSources = std::array<int, SlotCount>;  // -1: the slot becomes empty

std::array<std::array<SlotSources, 6>, 2> ProbeMoves() {
  std::array<std::array<SlotSources, 6>, 2> sources{};
  for (int state = 0; state < 2; ++state) {
    for (int code = 1; code <= 5; ++code) {
      for (int slot = 0; slot < SlotCount; ++slot) Field[slot] = static_cast<int8_t>(slot + 1);
      int32_t slide = state;
      ApplyMoveCode(code, slide);
      for (int slot = 0; slot < SlotCount; ++slot) sources[state][code][slot] = Field[slot] - 1;
    }
  }
  return sources;
}

int SlideStateOf(const std::string& layout) { return layout[5] != ' ' && layout[15] != ' ' && layout[25] != ' ' ? 1 : 0; }

}  // namespace

std::string Moved(const std::string& layout, int code) {
  static const auto sources = ProbeMoves();
  const SlotSources& from = sources[SlideStateOf(layout)][code];
  std::string moved(SlotCount, ' ');
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (from[slot] >= 0) moved[slot] = layout[from[slot]];
  }
  return moved;
}

std::string RandomPosition(uint64_t seed, int moves) {
  std::mt19937_64 random(seed);
  std::string layout = Start;
  for (int i = 0; i < moves; ++i) layout = Moved(layout, static_cast<int>(1 + random() % 5));
  return layout;
}

std::string Replayed(const std::string& layout, const std::string& solution) {
  LayoutToField(layout);
  int32_t slide = ReadSlideState();
  ApplySolution(solution, slide);
  return FieldToLayout();
}

bool IsSolvedLayout(const std::string& layout) {
  LayoutToField(layout);
  return IsSolved() == 5;
}

std::string Renamed(const std::string& layout) {
  std::array<char, 6> name{};
  name[3] = '3';
  const char fresh[] = {'0', '1', '2', '4', '5'};
  int used = 0;
  std::string renamed = layout;
  for (char& c : renamed) {
    if (c == ' ' || c == '3') continue;
    char& to = name[c - '0'];
    if (to == 0) to = fresh[used++];
    c = to;
  }
  return renamed;
}

std::unordered_map<std::string, int> DistancesUpTo(int depth) {
  std::unordered_map<std::string, int> distance{{Start, 0}, {SlidSolved, 0}};
  std::vector<std::string> level{Start, SlidSolved};
  for (int d = 1; d <= depth; ++d) {
    std::vector<std::string> next;
    for (const std::string& layout : level) {
      for (int code = 1; code <= 5; ++code) {
        std::string reached = Renamed(Moved(layout, code));
        if (distance.emplace(reached, d).second) next.push_back(std::move(reached));
      }
    }
    level = std::move(next);
  }
  return distance;
}

}  // namespace tq::optimal::test
