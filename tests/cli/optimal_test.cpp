// trommelquirl-cli optimal as a child process: shortest answers in order, from the arguments and
// from standard input, refusals, statistics and the solutions file. The solver's table is the
// one the test run's set-up step built into the build tree.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <regex>
#include <string>
#include <vector>

#include "model/field.h"
#include "model/moves.h"
#include "solver/notation.h"
#include "tests/cli/run_cli.h"

namespace tq::cli::test {
namespace {

// 2,000 random moves from the start; its shortest solution has 31 moves.
const std::string Deep = "42341 003112535 051244052 ";
const std::string DeepTyped = "42341_003112535_051244052_";

bool Solves(const std::string& layout, const std::string& solution) {
  PlaceLayout(layout);
  ApplySolution(solution, SlideState);
  return IsSolved() == 5;
}

class CliOptimal : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("XDG_CACHE_HOME", TQ_OPTIMAL_CACHE_HOME, 1); }
};

TEST_F(CliOptimal, AnswersEachLayoutInOrderWithAShortestSolution) {
  const CliRun run = RunCli({"optimal", DeepTyped, Start, OneLeft, TwoLeft});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  const std::vector<std::string> lines = LinesOf(run.Out);
  ASSERT_EQ(lines.size(), 4u) << run.Out;
  EXPECT_EQ(lines[0].size(), 31u);
  EXPECT_TRUE(Solves(Deep, lines[0])) << lines[0];
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "1");
  EXPECT_EQ(lines[3].size(), 2u);
  EXPECT_TRUE(Solves(TwoLeft, lines[3])) << lines[3];

  const CliRun fast = RunCli({"optimal", "--fast", DeepTyped});
  EXPECT_EQ(fast.Status, 0);
  const std::vector<std::string> quick = LinesOf(fast.Out);
  ASSERT_EQ(quick.size(), 1u);
  EXPECT_GE(quick[0].size(), 31u);
  EXPECT_TRUE(Solves(Deep, quick[0])) << quick[0];
}

TEST_F(CliOptimal, AnswersLayoutsFromStandardInputAsTheyCome) {
  // A trailing space is the last empty slot; a CR before the LF ends the line with it.
  const CliRun run = RunCliWithInput({"optimal", "-"}, OneLeft + "\n" + "30000_111132222_444435555_\r\n" + Deep + "\n");
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  const std::vector<std::string> lines = LinesOf(run.Out);
  ASSERT_EQ(lines.size(), 3u) << run.Out;
  EXPECT_EQ(lines[0], "1");
  EXPECT_EQ(lines[1], "");
  EXPECT_TRUE(Solves(Deep, lines[2]));
  EXPECT_EQ(RunCliWithInput({"optimal", "-"}, "").Out, "");
}

TEST_F(CliOptimal, RefusesABadLineOfStandardInputWithItsNumber) {
  const CliRun input = RunCliWithInput({"optimal", "-"}, OneLeft + "\n" + OneLeft.substr(0, 25) + "\n" + OneLeft + "\n");
  EXPECT_EQ(input.Status, 2);
  EXPECT_EQ(input.Out, "1\n");  // the lines before it are answered
  EXPECT_EQ(input.Err, "trommelquirl-cli: line 2: layout has 25 characters, needs 26\n");
}

TEST_F(CliOptimal, WritesOneStatisticsLinePerLayout) {
  const CliRun run = RunCli({"optimal", "--stats", Start, TwoLeft});
  EXPECT_EQ(run.Status, 0);
  const std::vector<std::string> lines = LinesOf(run.Err);
  ASSERT_EQ(lines.size(), 2u) << run.Err;
  EXPECT_TRUE(std::regex_match(lines[0], std::regex("Length: 0 Nodes: [0-9]+ Time: [0-9]+ ms"))) << lines[0];
  EXPECT_TRUE(std::regex_match(lines[1], std::regex("Length: 2 Nodes: [1-9][0-9]* Time: [0-9]+ ms"))) << lines[1];
}

TEST_F(CliOptimal, StoresEachSolutionForTheProgramToAnswerAtOnce) {
  const TempDirectory scratch;
  const std::string file = scratch / "Loesungen.txt";
  const CliRun run = RunCli({"optimal", "--db", file, Deep, Start, OneLeft});
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::vector<std::string> answers = LinesOf(run.Out);
  ASSERT_EQ(answers.size(), 3u);
  const std::string stored = Deep + answers[0] + "\r\n" + OneLeft + "1\r\n";  // no entry for the solved start
  EXPECT_EQ(ReadWholeFile(file), stored);

  const CliRun solve = RunCli({"solve", "--db", file, Deep});
  const std::vector<std::string> lines = LinesOf(solve.Out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "Saved Field...");
  EXPECT_EQ(lines.back(), answers[0]);

  // A layout the file answers as briefly already gets no second entry.
  EXPECT_EQ(RunCli({"optimal", "--db", file, OneLeft, Deep}).Status, 0);
  EXPECT_EQ(ReadWholeFile(file), stored);
}

TEST_F(CliOptimal, AReaderGoneEndsItWithStatusTwoAndTheSolutionsFoundSaved) {
  const TempDirectory scratch;
  const std::string file = scratch / "Loesungen.txt";
  const CliRun run = RunCliIntoClosedPipe({"optimal", "--fast", "--db", file, "-"}, OneLeft + "\n" + TwoLeft + "\n");
  EXPECT_EQ(run.Signal, 0) << "not ended by SIGPIPE";
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(run.Err, "trommelquirl-cli: cannot write the output: Broken pipe\n");
  // The first answer was found before its line could not be written; nothing after it was searched.
  EXPECT_EQ(ReadWholeFile(file), OneLeft + "1\r\n");
}

TEST_F(CliOptimal, AnEndSignalWhileWaitingForInputSavesTheAnswersAndEndsByThatSignal) {
  const TempDirectory scratch;
  const std::string file = scratch / "Loesungen.txt";
  const std::string input = scratch / "input";
  ASSERT_EQ(::mkfifo(input.c_str(), 0600), 0);
  // Held open for reading too, so that neither side's open waits for the other.
  const int writer = ::open(input.c_str(), O_RDWR);
  ASSERT_GE(writer, 0);
  const StartedCli started = StartCli({"optimal", "--db", file, "-"}, scratch / ".", input);
  const std::string lines = OneLeft + "\n" + Deep + "\n";
  ASSERT_EQ(::write(writer, lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
  // Both answers are out (each line is flushed as it is found); the input stays open.
  for (int wait = 0; wait < 600 && LinesOf(ReadWholeFile(started.Out)).size() < 2; ++wait) ::usleep(50'000);
  ::kill(started.Pid, SIGTERM);
  const CliRun run = FinishCli(started);
  ::close(writer);
  EXPECT_EQ(run.Signal, SIGTERM) << run.Err;
  const std::vector<std::string> answers = LinesOf(run.Out);
  ASSERT_EQ(answers.size(), 2u) << run.Out;
  EXPECT_EQ(ReadWholeFile(file), OneLeft + "1\r\n" + Deep + answers[1] + "\r\n");
}

}  // namespace
}  // namespace tq::cli::test
