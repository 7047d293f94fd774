// The argument checks (options, numbers, layout arguments) on their own, without starting the program.
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

TEST(LayoutArgument, UnderscoresStandForSpacesBothWays) {
  EXPECT_EQ(LayoutFromArgument("30000_111132222_444435555_"), Start);
  EXPECT_EQ(LayoutProblem(LayoutFromArgument("_300001111_322224444_35555")), "");
  EXPECT_EQ(ShownLayout(Start), "30000_111132222_444435555_");
}

TEST(ParseArguments, ReadsOptionsAnywhereInBothForms) {
  const OptionInfo options[] = {{.Name = "--db", .Value = "FILE"}, {.Name = "--stats"}};
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
  const OptionInfo options[] = {{.Name = "--db", .Value = "FILE"}, {.Name = "--stats"}};
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
