// The layout text and the Field: round trips, odd characters, the slide state read from a Field.
#include <gtest/gtest.h>

#include <random>

#include "model/field.h"
#include "model/moves.h"

namespace tq {
namespace {

TEST(Layout, StartLayoutGivesItsSlotValuesAndComesBack) {
  LayoutToField(StartLayout);
  const FieldSlots expected = {4, 1, 1, 1, 1, 0, 2, 2, 2, 2, 4, 3, 3, 3, 3, 0, 5, 5, 5, 5, 4, 6, 6, 6, 6, 0};
  EXPECT_EQ(Field, expected);
  EXPECT_EQ(ReadSlideState(), 0);
  EXPECT_EQ(FieldToLayout(), StartLayout);
}

TEST(Layout, EveryTextOfSpacesAndDigitsComesBackUnchanged) {
  std::mt19937 gen(1);
  const std::string alphabet = " 0123456789";
  for (int k = 0; k < 2000; ++k) {
    std::string s(26, ' ');
    for (char& c : s) c = alphabet[gen() % alphabet.size()];
    LayoutToField(s);
    ASSERT_EQ(FieldToLayout(), s);
  }
}

TEST(Layout, OddTextBecomesBallsOfColourZero) {
  LayoutToField("ABC");
  EXPECT_EQ(FieldToLayout(), std::string(26, '0'));
  LayoutToField(std::string("\t") + StartLayout.substr(1));
  EXPECT_EQ(Field[0], 1) << "a tab is a ball of colour 0, not an empty slot";
  LayoutToField("");
  EXPECT_EQ(FieldToLayout(), std::string(26, '0'));
}

TEST(Layout, CharactersAfterTheTwentySixthAreIgnored) {
  LayoutToField(StartLayout + "12345     ");
  EXPECT_EQ(FieldToLayout(), StartLayout);
}

TEST(Layout, DigitsSixToNineAreKeptAsTheyAre) {
  const std::string s = "6789" + StartLayout.substr(4);
  LayoutToField(s);
  EXPECT_EQ(Field[0], 7);
  EXPECT_EQ(Field[3], 10);
  EXPECT_EQ(FieldToLayout(), s);
}

TEST(SlideState, DownOnlyWhenRowFiveOfEveryLongColumnHoldsABall) {
  LayoutToField(StartLayout);
  SlideColumns(0);
  EXPECT_EQ(FieldToLayout(), " 300001111 322224444 35555");
  EXPECT_EQ(ReadSlideState(), 1);
  for (int emptied : {5, 15, 25}) {
    LayoutToField("0000000000000000000000000");
    Field[emptied] = EmptySlot;
    EXPECT_EQ(ReadSlideState(), 0) << emptied;
  }
  LayoutToField(std::string(26, ' '));
  EXPECT_EQ(ReadSlideState(), 0);
}

TEST(SlotTable, ListsColumnAndRowOfEverySlotInOrder) {
  for (int s = 0; s < SlotCount; ++s) {
    EXPECT_EQ(SlotNumber(SlotTable[s].Column, SlotTable[s].Row), s);
    const bool longColumn = SlotTable[s].Column % 2 == 0;
    EXPECT_TRUE(longColumn ? SlotTable[s].Row <= 5 : SlotTable[s].Row >= 1 && SlotTable[s].Row <= 4);
  }
}

}  // namespace
}  // namespace tq
