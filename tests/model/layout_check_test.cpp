// Telling the layouts the moves can reach from those they cannot, and saying what is wrong.
#include <gtest/gtest.h>

#include <string>
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

}  // namespace
}  // namespace tq
