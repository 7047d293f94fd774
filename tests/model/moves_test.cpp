// Ring turns, slides and the solved test, each against its inverse and its order.
#include <gtest/gtest.h>

#include "model/field.h"
#include "model/moves.h"

namespace tq {
namespace {

void Start() {
  LayoutToField(StartLayout);
  SlideState = ReadSlideState();
}

TEST(Moves, KnownResultsFromTheStart) {
  Start();
  RotateRing(0, -1);
  RotateRing(1, -1);
  EXPECT_EQ(FieldToLayout(), "31100 221134422 554430055 ");
  EXPECT_EQ(IsSolved(), 0);
  Start();
  RotateRing(0, +1);
  EXPECT_EQ(FieldToLayout(), "35000 011131222 244434555 ");
  Start();
  RotateRing(3, +1);
  EXPECT_EQ(FieldToLayout(), "30005 111032221 444235554 ");
}

TEST(Moves, EveryTurnHasOrderFiveAndIsUndoneByItsOpposite) {
  const std::string scrambled = "31010 452123024 554035412 ";
  for (int ring = 0; ring < 4; ++ring) {
    for (int dir : {-1, +1}) {
      LayoutToField(scrambled);
      RotateRing(ring, dir);
      EXPECT_NE(FieldToLayout(), scrambled);
      RotateRing(ring, -dir);
      EXPECT_EQ(FieldToLayout(), scrambled);
      for (int k = 0; k < 5; ++k) {
        RotateRing(ring, dir);
        if (k < 4) {
          EXPECT_NE(FieldToLayout(), scrambled);
        }
      }
      EXPECT_EQ(FieldToLayout(), scrambled);
    }
  }
}

TEST(Moves, ArgumentsOutOfRangeChangeNothing) {
  Start();
  for (int dir : {0, 2, -2, 7}) RotateRing(1, dir);
  for (int ring : {-1, 4, 5, 100}) RotateRing(ring, 1);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  EXPECT_EQ(SlideColumns(2), 0);
  EXPECT_EQ(SlideColumns(-1), 0);
  EXPECT_EQ(FieldToLayout(), StartLayout);
}

TEST(Moves, SlideDownAndBackUp) {
  Start();
  EXPECT_EQ(SlideColumns(0), 1);
  EXPECT_EQ(FieldToLayout(), " 300001111 322224444 35555");
  EXPECT_EQ(IsSolved(), 2);
  EXPECT_EQ(SlideColumns(1), 0);
  EXPECT_EQ(FieldToLayout(), StartLayout);
}

TEST(Moves, SlideTrustsItsStateAndPushesBallsOutWhenItIsWrong) {
  Start();
  SlideColumns(0);
  SlideColumns(0);  // the columns already stand down: the balls in row 5 are lost
  EXPECT_EQ(FieldToLayout(), "  30001111  32224444  3555");
}

TEST(Moves, MoveCodesMatchTheirTurnsAndSlide) {
  Start();
  int32_t slide = SlideState;
  EXPECT_EQ(ApplyMoveCode(MoveUpperLeft, slide), 1);
  EXPECT_EQ(FieldToLayout(), "31100 221134422 554430055 ");
  ApplyMoveCode(MoveUpperRight, slide);
  ApplyMoveCode(MoveLowerRight, slide);
  ApplyMoveCode(MoveLowerLeft, slide);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  ApplyMoveCode(MoveSlide, slide);
  EXPECT_EQ(slide, 1);
  EXPECT_EQ(FieldToLayout(), " 300001111 322224444 35555");
  for (int32_t code : {0, 6, -1, 9}) EXPECT_EQ(ApplyMoveCode(code, slide), 0);
  EXPECT_EQ(slide, 1);
}

TEST(Solved, CountsColumnsWithFourEqualValuesInRowsOneToFour) {
  Start();
  EXPECT_EQ(IsSolved(), 5);
  LayoutToField(std::string(26, ' '));
  EXPECT_EQ(IsSolved(), 5) << "empty slots compare like any colour";
  Start();
  Field[SlotNumber(2, 3)] = 6;
  EXPECT_EQ(IsSolved(), 4);
  Field[SlotNumber(2, 0)] = 6;
  Field[SlotNumber(4, 5)] = 1;
  EXPECT_EQ(IsSolved(), 4) << "rows 0 and 5 are not looked at";
}

}  // namespace
}  // namespace tq
