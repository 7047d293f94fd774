// trommelquirl-cli verify as a child process: replaying a solutions file entry by entry.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/run_cli.h"

namespace tq::cli::test {
namespace {

class CliVerify : public testing::Test {
 protected:
  TempDirectory scratch;
  const std::string file = scratch / "Loesungen.txt";
};

TEST_F(CliVerify, PassesAFileWhoseEntriesAllSolve) {
  // A solved start with no moves, a slide there and back, and a stored continuation.
  WriteWholeFile(file, OneLeft + "1\r\n" + TwoLeft + "11\r\n" + Start + "\r\n" + Start + "55\n");
  const CliRun run = RunCli({"verify", file});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "entries: 4, solved: 4, failed: 0\n");
  EXPECT_EQ(run.Err, "");
}

TEST_F(CliVerify, ListsEveryBrokenEntryWithItsLine) {
  WriteWholeFile(file, OneLeft + "1\r\n" +   // fine
                           OneLeft + "2\r\n" +  // the wrong way round
                           "\r\n" +             // a blank line
                           "30000_111132222_444435555_1\r\n" + TwoLeft + "1\r\n" + TwoLeft + "x1y1");
  const CliRun run = RunCli({"verify", file});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out,
            "line 2: \"" + OneLeft + "\" \"2\": ends with 0 correct columns\n"
            "line 3: \"\" \"\": layout has 0 characters, needs 26\n"
            "line 4: \"30000_111132222_444435555_\" \"1\": layout character 6 is '_', not a space or a colour 0 to 5\n"
            "line 5: \"" + TwoLeft + "\" \"1\": ends with 0 correct columns\n"
            "entries: 6, solved: 2, failed: 4\n");
}

TEST_F(CliVerify, AnEmptyFileHasNothingToFail) {
  WriteWholeFile(file, "");
  const CliRun run = RunCli({"verify", file});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "entries: 0, solved: 0, failed: 0\n");
}

TEST_F(CliVerify, RefusesAFileThatIsMissingOrUnreadable) {
  const CliRun missing = RunCli({"verify", file});
  EXPECT_EQ(missing.Status, 2);
  EXPECT_EQ(missing.Out, "");
  EXPECT_EQ(missing.Err, "trommelquirl-cli: no solutions file " + file + "\n");
  std::filesystem::create_directory(file);
  const CliRun directory = RunCli({"verify", file});
  EXPECT_EQ(directory.Status, 2);
  EXPECT_EQ(directory.Err, "trommelquirl-cli: cannot read solutions file " + file + ": Is a directory\n");
}

TEST_F(CliVerify, ShowsStoredBytesAndArgumentsWithoutHandingControlCodesToTheTerminal) {
  // An escape sequence and a backslash in a solution; a letter, a reversing mark and a C1 byte.
  WriteWholeFile(file, OneLeft + "\x1b[;J\\\r\n" + "L\xC3\xB6sung\xE2\x80\xAE\x9B\r\n");
  const CliRun run = RunCli({"verify", file});
  EXPECT_EQ(run.Status, 1);
  const std::vector<std::string> lines = LinesOf(run.Out);
  ASSERT_EQ(lines.size(), 3u) << run.Out;
  EXPECT_EQ(lines[0].rfind("line 1: \"" + OneLeft + "\" \"\\x1B[;J\\\\\": ends with", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("line 2: \"L\xC3\xB6sung\\xE2\\x80\\xAE\\x9B\" \"\": ", 0), 0u) << lines[1];

  const CliRun odd = RunCli({"verify\x1b]0;title\x07", "--x\x7f"});
  EXPECT_EQ(odd.Status, 2);
  EXPECT_EQ(LinesOf(odd.Err)[0], "trommelquirl-cli: unknown command 'verify\\x1B]0;title\\x07'");
  const CliRun option = RunCli({"verify", "--\xff", file});
  EXPECT_EQ(LinesOf(option.Err)[0], "trommelquirl-cli: unknown option '--\\xFF'");
}

TEST(CliOutput, AFullOrClosedOutputOrAReaderGoneFailsTheCommandWithOneLine) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"scramble", "--seed", "1"}, {"explain", "12345"}, {"--help"}, {"solve", OneLeft}}) {
    const CliRun gone = RunCliIntoClosedPipe(args, "");
    EXPECT_EQ(gone.Signal, 0) << args[0] << ": not ended by SIGPIPE";
    EXPECT_EQ(gone.Status, 2) << args[0];
    EXPECT_EQ(gone.Err, "trommelquirl-cli: cannot write the output: Broken pipe\n") << args[0];
    const CliRun full = RunCliWithOutput(args, "/dev/full");
    EXPECT_EQ(full.Status, 2) << args[0];
    EXPECT_EQ(full.Err, "trommelquirl-cli: cannot write the output: No space left on device\n") << args[0];
    const CliRun closed = RunCliWithOutput(args, "");
    EXPECT_EQ(closed.Status, 2) << args[0];
    EXPECT_EQ(closed.Err, "trommelquirl-cli: cannot write the output: Bad file descriptor\n") << args[0];
  }
}

}  // namespace
}  // namespace tq::cli::test
