// QT_SCALE_FACTOR: every value a window can be shown at passes as Qt reads it; 0, what is no
// number, infinity and the absurd are refused, so that the program says so and uses 1.
#include <gtest/gtest.h>

#include <string>

#include "ui/qt/scale_factor.h"

namespace tq {
namespace {

TEST(ScaleFactor, ValuesAWindowCanBeShownAtPassAsQtReadsThem) {
  EXPECT_EQ(UsableScaleFactor("1"), 1.0);
  EXPECT_EQ(UsableScaleFactor("2"), 2.0);
  EXPECT_EQ(UsableScaleFactor("1.25"), 1.25);
  EXPECT_EQ(UsableScaleFactor(" 2\t"), 2.0);
  EXPECT_EQ(UsableScaleFactor("+1.5"), 1.5);
  EXPECT_EQ(UsableScaleFactor("1e1"), 10.0);
  EXPECT_EQ(UsableScaleFactor("16"), 16.0);
  EXPECT_EQ(UsableScaleFactor("0.0625"), 0.0625);
}

TEST(ScaleFactor, ZeroNoNumberInfinityAndTheAbsurdAreRefused) {
  for (const char* value : {"0", "-0", "-1", "0.01", "16.5", "100", "1e9", "inf", "-inf", "nan", "abc", "2x", "1,5",
                            "", "   ", "0x2", "++1", "1 2"}) {
    EXPECT_FALSE(UsableScaleFactor(value).has_value()) << '"' << value << '"';
  }
}

TEST(ScaleFactor, TheLineNamesTheProgramTheValueAndWhatHappensInstead) {
  EXPECT_EQ(UnusableScaleFactorLine("trommelquirl", "0"),
            "trommelquirl: QT_SCALE_FACTOR=\"0\" is no scale factor a window can be shown at (from 1/16 to 16); "
            "going on at 1");
}

}  // namespace
}  // namespace tq
