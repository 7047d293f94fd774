// QT_SCALE_FACTOR: every value a window can be shown at passes as Qt reads it; 0, what is no
// number, infinity and the absurd are refused, so that the program says so and uses 1.
#include <gtest/gtest.h>

#include "ui/qt/scale_factor.h"

namespace tq {
namespace {

TEST(ScaleFactor, UsableValuesPassAsQtReadsThemAndTheRestAreRefused) {
  for (const auto& [value, factor] : {std::pair{"1", 1.0}, {" 2\t", 2.0}, {"+1.25", 1.25}, {"1e1", 10.0}, {"16", 16.0},
                                      {"0.0625", 0.0625}}) {
    EXPECT_EQ(UsableScaleFactor(value), factor) << value;
  }
  for (const char* value : {"0", "-1", "0.01", "16.5", "100", "inf", "nan", "abc", "2x", "1,5", " ", "0x2", "1 2"}) {
    EXPECT_FALSE(UsableScaleFactor(value).has_value()) << '"' << value << '"';
  }
  EXPECT_EQ(UnusableScaleFactorLine("trommelquirl", "0"),
            "trommelquirl: QT_SCALE_FACTOR=\"0\" is no scale factor a window can be shown at (from 1/16 to 16); "
            "going on at 1");
}

}  // namespace
}  // namespace tq
