// Each layout the moves cannot reach says every fault and marks the slots to mend.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/field.h"
#include "session/solving_session.h"

namespace tq::session {
namespace {

struct Expected {
  LayoutFault::Kind What;
  int Colour;  // ColourCount: the colour; EmptyPlace: the short column, or -1
  std::vector<int> Slots;
};

void ExpectFaults(const std::string& layout, const std::vector<Expected>& expected) {
  const SolvingSession session(layout);
  const std::vector<MarkedFault>& faults = session.Faults();
  ASSERT_EQ(faults.size(), expected.size()) << '"' << layout << '"';
  for (size_t k = 0; k < faults.size(); ++k) {
    EXPECT_EQ(faults[k].Fault.What, expected[k].What) << layout << " fault " << k;
    const int detail = expected[k].What == LayoutFault::Kind::EmptyPlace ? faults[k].Fault.Column : faults[k].Fault.Colour;
    EXPECT_EQ(detail, expected[k].Colour) << layout << " fault " << k;
    EXPECT_EQ(faults[k].Slots, expected[k].Slots) << layout << " fault " << k;
  }
}

using Kind = LayoutFault::Kind;

// The start position with some slots changed.
std::string With(std::vector<std::pair<int, char>> changes) {
  std::string layout = StartLayout;
  for (const auto& [slot, value] : changes) layout[static_cast<size_t>(slot)] = value;
  return layout;
}

TEST(Faults, EveryWrongColourCountWithTheBallsOfTheColourThereAreTooManyOf) {
  ExpectFaults(With({{1, '2'}, {17, '5'}}), {{Kind::ColourCount, 0, {}},
                                              {Kind::ColourCount, 2, {1, 11, 12, 13, 14}},
                                              {Kind::ColourCount, 4, {}},
                                              {Kind::ColourCount, 5, {17, 21, 22, 23, 24}}});
}

TEST(Faults, AnEmptySlotInAShortColumnNamesThatColumn) {
  // The ball of slot 8 (column 1, row 3) moved into slot 5 (column 0, row 5).
  ExpectFaults(With({{5, '1'}, {8, ' '}}), {{Kind::EmptyPlace, 1, {8}}});
  // And one of column 3 into slot 15: each short column its own fault.
  ExpectFaults(With({{5, '1'}, {8, ' '}, {15, '4'}, {16, ' '}}), {{Kind::EmptyPlace, 1, {8}}, {Kind::EmptyPlace, 3, {16}}});
  // With a fourth empty slot besides, every fault in order.
  ExpectFaults(With({{0, ' '}, {5, '1'}, {8, ' '}, {15, '4'}, {16, ' '}}),
               {{Kind::EmptyCount, 0, {0, 8, 16, 25}}, {Kind::ColourCount, 3, {}}, {Kind::EmptyPlace, 1, {8}},
                {Kind::EmptyPlace, 3, {16}}, {Kind::EmptyPlace, -1, {0}}});
}

TEST(Faults, LongColumnsMarkTheEmptySlotsOutsideTheirEndRow) {
  // Column 0 slid down alone: its empty slot in row 0, the others in row 5.
  ExpectFaults(" 30000111132222 444435555 ", {{Kind::EmptyPlace, -1, {0}}});
  // An empty slot in a middle row.
  ExpectFaults("30 000111132222 444435555 ", {{Kind::EmptyPlace, -1, {2}}});
}

TEST(Faults, ValidLayoutsHaveNone) {
  EXPECT_TRUE(SolvingSession(StartLayout).Faults().empty());
  EXPECT_TRUE(SolvingSession(" 300001111 322224444 35555").Faults().empty());
}

}  // namespace
}  // namespace tq::session
