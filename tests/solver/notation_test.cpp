// Solution texts: digits from a candidate, the worded listing, replay of a text.
#include "solver/notation.h"

#include <gtest/gtest.h>

#include "model/field.h"
#include "model/moves.h"

namespace tq {
namespace {

std::string Digits(std::vector<uint8_t> moves) {
  std::string text;
  AppendSolutionDigits(text, moves.data(), static_cast<int32_t>(moves.size()));
  return text;
}

TEST(Notation, CandidateDigitsLeaveOutNoMoves) {
  EXPECT_EQ(Digits({5, 6}), "5");
  EXPECT_EQ(Digits({0, 1, 1, 3}), "113");
  EXPECT_EQ(Digits({1, 2, 3, 4, 5, 7, 0}), "12345");
}

TEST(Notation, WordedListingNamesEachCharacterAndEndsEveryOne) {
  EXPECT_EQ(DescribeSolution("15"), "Oben rechts,\r\nOben <-> Unten,\r\n");
  EXPECT_EQ(DescribeSolution("2x4"), "Oben links,\r\n,\r\nUnten links,\r\n");
  EXPECT_EQ(DescribeSolution("3"), "Unten rechts,\r\n");
  EXPECT_EQ(DescribeSolution(""), "");
}

TEST(Notation, ReplaySkipsOtherCharactersAndKeepsTheSlideState) {
  LayoutToField(StartLayout);
  int32_t slide = 0;
  EXPECT_EQ(ApplySolution("2 x5", slide), 2);
  EXPECT_EQ(slide, 1);
  EXPECT_EQ(ApplySolution("51", slide), 2);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  EXPECT_EQ(slide, 0);
}

}  // namespace
}  // namespace tq
