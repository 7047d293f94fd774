// Layout checks, in the order a person would fix them: length, characters, counts, empty slots.
// Plain standard algorithms, no ranges: the web build's older library compiles this too.
#include "model/layout_check.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

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

bool AllEmpty(std::string_view layout, const std::array<size_t, 3>& slots) {
  return std::all_of(slots.begin(), slots.end(), [layout](size_t slot) { return layout[slot] == ' '; });
}

std::string EmptyPlaces(std::string_view layout) {
  std::string places;
  for (size_t slot = 0; slot < layout.size(); ++slot) {
    if (layout[slot] == ' ') places += (places.empty() ? "" : ", ") + std::to_string(slot + 1);
  }
  return places;
}

}  // namespace

LayoutFault FindLayoutFault(std::string_view layout) {
  LayoutFault fault;
  if (layout.size() != static_cast<size_t>(SlotCount)) {
    fault.What = LayoutFault::Kind::Length;
    fault.Count = static_cast<int>(layout.size());
    fault.Needed = SlotCount;
    return fault;
  }
  if (const auto bad = std::find_if_not(layout.begin(), layout.end(), IsLayoutCharacter); bad != layout.end()) {
    fault.What = LayoutFault::Kind::Character;
    fault.Position = static_cast<int>(bad - layout.begin()) + 1;
    fault.Character = *bad;
    return fault;
  }
  if (const auto empties = static_cast<int>(std::count(layout.begin(), layout.end(), ' ')); empties != EmptySlotCount) {
    fault.What = LayoutFault::Kind::EmptyCount;
    fault.Count = empties;
    fault.Needed = EmptySlotCount;
    return fault;
  }
  for (int colour = 0; colour < static_cast<int>(BallsPerColour.size()); ++colour) {
    const auto balls = static_cast<int>(std::count(layout.begin(), layout.end(), static_cast<char>('0' + colour)));
    if (balls != BallsPerColour[colour]) {
      fault.What = LayoutFault::Kind::ColourCount;
      fault.Colour = colour;
      fault.Count = balls;
      fault.Needed = BallsPerColour[colour];
      return fault;
    }
  }
  if (!AllEmpty(layout, RowZeroOfLongColumns) && !AllEmpty(layout, RowFiveOfLongColumns)) {
    fault.What = LayoutFault::Kind::EmptyPlace;
  }
  return fault;
}

namespace {

void AddCountFaults(std::string_view layout, std::vector<MarkedLayoutFault>& faults) {
  std::vector<int> empties;
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (layout[static_cast<size_t>(slot)] == ' ') empties.push_back(slot);
  }
  if (static_cast<int>(empties.size()) != EmptySlotCount) {
    MarkedLayoutFault marked;
    marked.Fault.What = LayoutFault::Kind::EmptyCount;
    marked.Fault.Count = static_cast<int>(empties.size());
    marked.Fault.Needed = EmptySlotCount;
    if (marked.Fault.Count > EmptySlotCount) marked.Slots = empties;
    faults.push_back(std::move(marked));
  }
  for (int colour = 0; colour < static_cast<int>(BallsPerColour.size()); ++colour) {
    std::vector<int> balls;
    for (int slot = 0; slot < SlotCount; ++slot) {
      if (layout[static_cast<size_t>(slot)] == static_cast<char>('0' + colour)) balls.push_back(slot);
    }
    const int needed = BallsPerColour[static_cast<size_t>(colour)];
    if (static_cast<int>(balls.size()) == needed) continue;
    MarkedLayoutFault marked;
    marked.Fault.What = LayoutFault::Kind::ColourCount;
    marked.Fault.Colour = colour;
    marked.Fault.Count = static_cast<int>(balls.size());
    marked.Fault.Needed = needed;
    if (marked.Fault.Count > needed) marked.Slots = std::move(balls);
    faults.push_back(std::move(marked));
  }
}

void AddPlaceFaults(std::string_view layout, std::vector<MarkedLayoutFault>& faults) {
  const auto empty = [layout](int slot) { return layout[static_cast<size_t>(slot)] == ' '; };
  for (int column : {1, 3}) {
    MarkedLayoutFault marked;
    marked.Fault.What = LayoutFault::Kind::EmptyPlace;
    marked.Fault.Column = column;
    for (int row = 1; row <= 4; ++row) {
      if (empty(SlotNumber(column, row))) marked.Slots.push_back(SlotNumber(column, row));
    }
    if (!marked.Slots.empty()) faults.push_back(std::move(marked));
  }
  int inRowZero = 0, inRowFive = 0;
  for (int column : {0, 2, 4}) {
    inRowZero += empty(SlotNumber(column, 0)) ? 1 : 0;
    inRowFive += empty(SlotNumber(column, 5)) ? 1 : 0;
  }
  const int endRow = inRowZero > inRowFive ? 0 : 5;
  MarkedLayoutFault marked;
  marked.Fault.What = LayoutFault::Kind::EmptyPlace;
  for (int column : {0, 2, 4}) {
    for (int row = 0; row <= 5; ++row) {
      if (row != endRow && empty(SlotNumber(column, row))) marked.Slots.push_back(SlotNumber(column, row));
    }
  }
  if (!marked.Slots.empty()) faults.push_back(std::move(marked));
}

}  // namespace

std::vector<MarkedLayoutFault> FindLayoutFaults(std::string_view layout) {
  std::vector<MarkedLayoutFault> faults;
  if (layout.size() != static_cast<size_t>(SlotCount)) {
    faults.push_back({FindLayoutFault(layout), {}});
    return faults;
  }
  for (size_t slot = 0; slot < layout.size(); ++slot) {
    if (IsLayoutCharacter(layout[slot])) continue;
    MarkedLayoutFault marked;
    marked.Fault.What = LayoutFault::Kind::Character;
    marked.Fault.Position = static_cast<int>(slot) + 1;
    marked.Fault.Character = layout[slot];
    marked.Slots = {static_cast<int>(slot)};
    faults.push_back(std::move(marked));
  }
  if (!faults.empty()) return faults;
  AddCountFaults(layout, faults);
  AddPlaceFaults(layout, faults);
  return faults;
}

std::string LayoutProblem(std::string_view layout) {
  const LayoutFault fault = FindLayoutFault(layout);
  const std::string count = std::to_string(fault.Count), needed = std::to_string(fault.Needed);
  switch (fault.What) {
    case LayoutFault::Kind::None: return "";
    case LayoutFault::Kind::Length: return "layout has " + count + " characters, needs " + needed;
    case LayoutFault::Kind::Character:
      return "layout character " + std::to_string(fault.Position) + " is " + Shown(fault.Character) +
             ", not a space or a colour 0 to 5";
    case LayoutFault::Kind::EmptyCount: return "layout has " + count + " empty slots, needs " + needed;
    case LayoutFault::Kind::ColourCount:
      return "layout has " + count + " balls of colour " + std::to_string(fault.Colour) + ", needs " + needed;
    case LayoutFault::Kind::EmptyPlace:
      return "layout has its empty slots at characters " + EmptyPlaces(layout) +
             "; they must be at 1, 11, 21 (row 0 of the long columns) or at 6, 16, 26 (row 5)";
  }
  return "";
}

}  // namespace tq
