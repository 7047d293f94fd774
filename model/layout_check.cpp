// Layout checks, in the order a person would fix them: length, characters, counts, empty slots.
#include "model/layout_check.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/field.h"

namespace tq {

namespace {

constexpr int EmptySlotCount = 3;
// Colour 3 has one ball fewer: its fourth place is the third empty slot.
constexpr std::array<int, 6> BallsPerColour = {4, 4, 4, 3, 4, 4};
constexpr std::array<size_t, 3> RowZeroOfLongColumns = {0, 10, 20};
constexpr std::array<size_t, 3> RowFiveOfLongColumns = {5, 15, 25};

bool IsLayoutCharacter(char c) { return c == ' ' || (c >= '0' && c <= '5'); }

std::string Shown(char c) {
  if (c >= '!' && c <= '~') return std::string("'") + c + "'";
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(c));
  return hex;
}

std::string CharacterProblem(std::string_view layout) {
  const auto bad = std::ranges::find_if_not(layout, IsLayoutCharacter);
  if (bad == layout.end()) return "";
  return "layout character " + std::to_string(bad - layout.begin() + 1) + " is " + Shown(*bad) +
         ", not a space or a colour 0 to 5";
}

std::string CountProblem(std::string_view layout) {
  const auto empties = std::ranges::count(layout, ' ');
  if (empties != EmptySlotCount) {
    return "layout has " + std::to_string(empties) + " empty slots, needs " + std::to_string(EmptySlotCount);
  }
  for (size_t colour = 0; colour < BallsPerColour.size(); ++colour) {
    const auto balls = std::ranges::count(layout, static_cast<char>('0' + colour));
    if (balls != BallsPerColour[colour]) {
      return "layout has " + std::to_string(balls) + " balls of colour " + std::to_string(colour) + ", needs " +
             std::to_string(BallsPerColour[colour]);
    }
  }
  return "";
}

bool AllEmpty(std::string_view layout, const std::array<size_t, 3>& slots) {
  return std::ranges::all_of(slots, [layout](size_t slot) { return layout[slot] == ' '; });
}

std::string EmptyPlaceProblem(std::string_view layout) {
  if (AllEmpty(layout, RowZeroOfLongColumns) || AllEmpty(layout, RowFiveOfLongColumns)) return "";
  std::string places;
  for (size_t slot = 0; slot < layout.size(); ++slot) {
    if (layout[slot] == ' ') places += (places.empty() ? "" : ", ") + std::to_string(slot + 1);
  }
  return "layout has its empty slots at characters " + places +
         "; they must be at 1, 11, 21 (row 0 of the long columns) or at 6, 16, 26 (row 5)";
}

}  // namespace

std::string LayoutProblem(std::string_view layout) {
  if (layout.size() != static_cast<size_t>(SlotCount)) {
    return "layout has " + std::to_string(layout.size()) + " characters, needs " + std::to_string(SlotCount);
  }
  for (auto check : {CharacterProblem, CountProblem, EmptyPlaceProblem}) {
    std::string problem = check(layout);
    if (!problem.empty()) return problem;
  }
  return "";
}

}  // namespace tq
