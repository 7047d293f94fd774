// Telling the layouts the moves can reach from those they cannot, and saying what is wrong.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/layout_check.h"

namespace tq {
namespace {

const std::string Start = "30000 111132222 444435555 ";

TEST(LayoutCheck, AcceptsBothSlideStates) {
  EXPECT_EQ(LayoutProblem(Start), "");
  EXPECT_EQ(LayoutProblem(" 300001111 322224444 35555"), "");
  // A scrambled position with colours all over the drum.
  EXPECT_EQ(LayoutProblem("14510 352240142 105433250 "), "");
}

TEST(LayoutCheck, NamesWhatIsWrong) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"30000 111132222 444435555", "layout has 25 characters, needs 26"},
      {Start + "1", "layout has 27 characters, needs 26"},
      {"", "layout has 0 characters, needs 26"},
      {"30600 111132222 444435555 ", "layout character 3 is '6', not a space or a colour 0 to 5"},
      {"30000_111132222 444435555 ", "layout character 6 is '_', not a space or a colour 0 to 5"},
      {"30000\t111132222 444435555 ", "layout character 6 is 0x09, not a space or a colour 0 to 5"},
      {"30000 111132222 4444355550", "layout has 2 empty slots, needs 3"},
      {"30000 111132222 44443555  ", "layout has 4 empty slots, needs 3"},
      {"30001 111132222 444435555 ", "layout has 3 balls of colour 0, needs 4"},
      {"30000 111132222 344435555 ", "layout has 4 balls of colour 3, needs 3"},
  };
  for (const auto& [layout, problem] : cases) EXPECT_EQ(LayoutProblem(layout), problem) << '"' << layout << '"';
}

TEST(LayoutCheck, WantsTheEmptySlotsInOneEndRowOfTheLongColumns) {
  // Mixed rows: column 0 slid down, columns 2 and 4 up.
  EXPECT_EQ(LayoutProblem(" 30000111132222 444435555 "),
            "layout has its empty slots at characters 1, 16, 26; they must be at 1, 11, 21 (row 0 of the "
            "long columns) or at 6, 16, 26 (row 5)");
  // An empty slot in a short column, a ball in row 5.
  EXPECT_NE(LayoutProblem("300001 11132222 444435555 "), "");
  // Empty slots in the middle rows of the long columns.
  EXPECT_NE(LayoutProblem("30 000111132 222444435 555"), "");
}

// Each fault marks the slots to mend: every wrong colour count, each short column holding an
// empty slot, and the long columns' empty slots outside their end row.
TEST(LayoutCheck, ListsEveryFaultWithItsSlots) {
  using Kind = LayoutFault::Kind;
  const auto with = [](std::vector<std::pair<size_t, char>> changes) {
    std::string layout = Start;
    for (const auto& [slot, value] : changes) layout[slot] = value;
    return layout;
  };
  const std::vector<std::pair<std::string, std::vector<std::tuple<Kind, int, std::vector<int>>>>> cases = {
      {with({{1, '2'}, {17, '5'}}),
       {{Kind::ColourCount, 0, {}}, {Kind::ColourCount, 2, {1, 11, 12, 13, 14}}, {Kind::ColourCount, 4, {}},
        {Kind::ColourCount, 5, {17, 21, 22, 23, 24}}}},
      {with({{5, '1'}, {8, ' '}}), {{Kind::EmptyPlace, 1, {8}}}},
      {with({{0, ' '}, {5, '1'}, {8, ' '}, {15, '4'}, {16, ' '}}),
       {{Kind::EmptyCount, -1, {0, 8, 16, 25}}, {Kind::ColourCount, 3, {}}, {Kind::EmptyPlace, 1, {8}},
        {Kind::EmptyPlace, 3, {16}}, {Kind::EmptyPlace, -1, {0}}}},
      {" 30000111132222 444435555 ", {{Kind::EmptyPlace, -1, {0}}}},
      {"30 000111132222 444435555 ", {{Kind::EmptyPlace, -1, {2}}}},
  };
  for (const auto& [layout, expected] : cases) {
    const std::vector<MarkedLayoutFault> faults = FindLayoutFaults(layout);
    ASSERT_EQ(faults.size(), expected.size()) << '"' << layout << '"';
    for (size_t k = 0; k < faults.size(); ++k) {
      const auto& [what, detail, slots] = expected[k];
      EXPECT_EQ(faults[k].Fault.What, what) << layout << " fault " << k;
      EXPECT_EQ(what == Kind::ColourCount ? faults[k].Fault.Colour : faults[k].Fault.Column, detail) << layout;
      EXPECT_EQ(faults[k].Slots, slots) << layout << " fault " << k;
    }
  }
}

// Every fault listed starts with the one FindLayoutFault names and is there exactly when it
// names one; each marked slot is a slot of the layout. Over layouts damaged a few slots at a time.
TEST(LayoutCheck, TheListOfFaultsAgreesWithTheFirstFault) {
  std::mt19937 random(26);
  const std::string values = " 012345";
  for (int k = 0; k < 3000; ++k) {
    std::string layout = Start;
    for (int change = static_cast<int>(random() % 4); change > 0; --change) {
      layout[random() % layout.size()] = values[random() % values.size()];
    }
    if (k % 7 == 0) std::swap(layout[random() % 26], layout[random() % 26]);
    if (k % 11 == 0) layout[random() % 26] = static_cast<char>(random() % 256);
    if (k % 13 == 0) layout.resize(random() % 30, '0');
    const LayoutFault first = FindLayoutFault(layout);
    const std::vector<MarkedLayoutFault> faults = FindLayoutFaults(layout);
    ASSERT_EQ(faults.empty(), first.What == LayoutFault::Kind::None) << '"' << layout << '"';
    if (faults.empty()) continue;
    EXPECT_EQ(faults[0].Fault.What, first.What) << '"' << layout << '"';
    if (first.What != LayoutFault::Kind::EmptyPlace) {
      EXPECT_EQ(faults[0].Fault.Count, first.Count);
      EXPECT_EQ(faults[0].Fault.Colour, first.Colour);
      EXPECT_EQ(faults[0].Fault.Position, first.Position);
    }
    for (const MarkedLayoutFault& fault : faults) {
      for (int slot : fault.Slots) {
        EXPECT_TRUE(slot >= 0 && slot < 26) << slot;
      }
    }
  }
}

}  // namespace
}  // namespace tq
