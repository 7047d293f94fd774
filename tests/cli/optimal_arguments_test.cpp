// trommelquirl-cli optimal's arguments as a child process: all refused before the table is
// loaded, so these tests need none and run in every build.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/run_cli.h"

namespace tq::cli::test {
namespace {

// Refused before the table is loaded, so these need none.
TEST(CliOptimalArguments, AreAllCheckedBeforeTheFirstSearch) {
  const CliRun arguments = RunCli({"optimal", OneLeft, "3000"});
  EXPECT_EQ(arguments.Status, 2);
  EXPECT_EQ(arguments.Out, "");
  EXPECT_EQ(arguments.Err, "trommelquirl-cli: layout has 4 characters, needs 26\n");

  for (const std::vector<std::string>& args : {std::vector<std::string>{"optimal"}, {"optimal", "-", OneLeft}, {"optimal", "--quick", OneLeft}}) {
    const CliRun refused = RunCli(args);
    EXPECT_EQ(refused.Status, 2) << args.back();
    EXPECT_EQ(refused.Out, "");
    EXPECT_NE(refused.Err.find("usage: trommelquirl-cli optimal [--fast] [--db FILE] [--stats] LAYOUT..."), std::string::npos);
  }
}

}  // namespace
}  // namespace tq::cli::test
