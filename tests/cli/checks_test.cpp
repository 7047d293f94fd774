// The argument and layout checks on their own, without starting the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/layout_argument.h"
#include "cli/number_argument.h"
#include "model/layout_check.h"

namespace tq::cli {
namespace {

const std::string Start = "30000 111132222 444435555 ";

TEST(LayoutCheck, AcceptsBothSlideStatesAndUnderscores) {
  EXPECT_EQ(LayoutProblem(Start), "");
  EXPECT_EQ(LayoutProblem(LayoutFromArgument("_300001111_322224444_35555")), "");
  EXPECT_EQ(LayoutFromArgument("30000_111132222_444435555_"), Start);
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

TEST(ParseArguments, ReadsOptionsAnywhereInBothForms) {
  const OptionInfo options[] = {{"--db", true}, {"--stats", false}};
  const std::vector<std::string> args = {"--db", "a.txt", "LAYOUT", "--stats", "--db=b.txt", "--", "--stats"};
  const ParsedArguments parsed = ParseArguments(args, options);
  EXPECT_EQ(parsed.Problem, "");
  ASSERT_NE(parsed.Value("--db"), nullptr);
  EXPECT_EQ(*parsed.Value("--db"), "b.txt");  // the last one counts
  EXPECT_TRUE(parsed.Has("--stats"));
  EXPECT_EQ(parsed.Positionals, (std::vector<std::string>{"LAYOUT", "--stats"}));
  EXPECT_FALSE(parsed.HelpAsked);
}

TEST(ParseArguments, ReportsWhatItCannotUnderstand) {
  const OptionInfo options[] = {{"--db", true}, {"--stats", false}};
  auto problem = [&](std::vector<std::string> args) { return ParseArguments(args, options).Problem; };
  EXPECT_EQ(problem({"--dbx", "f"}), "unknown option '--dbx'");
  EXPECT_EQ(problem({"-x"}), "unknown option '-x'");
  EXPECT_EQ(problem({"LAYOUT", "--db"}), "option --db needs a value");
  EXPECT_EQ(problem({"--stats=yes"}), "option --stats takes no value");
  // An empty value given with "=" is a value, and a lone "-" is an argument.
  EXPECT_EQ(problem({"--db=", "-"}), "");
  EXPECT_TRUE(ParseArguments(std::vector<std::string>{"x", "-h"}, options).HelpAsked);
}

TEST(ParseWholeNumber, TakesOnlyPlainDigitsWithinRange) {
  EXPECT_EQ(ParseWholeNumber("0", 0, 10), 0u);
  EXPECT_EQ(ParseWholeNumber("10", 0, 10), 10u);
  EXPECT_EQ(ParseWholeNumber("007", 0, 10), 7u);
  EXPECT_EQ(ParseWholeNumber("4294967295", 0, 4294967295u), 4294967295u);
  for (const char* bad : {"11", "", "-1", "+1", " 1", "1 ", "1x", "0x1", "99999999999999999999999"}) {
    EXPECT_FALSE(ParseWholeNumber(bad, 0, 10)) << bad;
  }
  EXPECT_FALSE(ParseWholeNumber("0", 1, 10));
}

}  // namespace
}  // namespace tq::cli
