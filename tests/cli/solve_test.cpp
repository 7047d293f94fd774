// trommelquirl-cli solve as a child process: listed lines, results, trial stops and the solutions file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "tests/cli/run_cli.h"

namespace tq::cli::test {
namespace {

// After two turns of the upper half to the right.
const std::string TwoRight = "34400 551130022 114432255 ";
// Twelve random moves away: nothing short solves it.
const std::string FarAway = "14510 352240142 105433250 ";
// 31 moves from solved: all sequences of 12 moves are tried within 700,000 trials.
const std::string Deep = "42341_003112535_051244052_";

bool IsTimeLine(const std::string& line) { return std::regex_match(line, std::regex("Time: [0-9]+ ms")); }

TEST(CliSolve, ListsTheSearchThenTimeThenResult) {
  const CliRun one = RunCli({"solve", OneLeft});
  EXPECT_EQ(one.Status, 0);
  EXPECT_EQ(one.Err, "");
  const std::vector<std::string> lines = LinesOf(one.Out);
  ASSERT_EQ(lines.size(), 2u) << one.Out;
  EXPECT_TRUE(IsTimeLine(lines[0])) << lines[0];
  EXPECT_EQ(lines[1], "1");
}

TEST(CliSolve, ShowsTheStatusLineOfEachFinishedLength) {
  const CliRun two = RunCli({"solve", "--stats", TwoRight});
  EXPECT_EQ(two.Status, 0);
  const std::vector<std::string> lines = LinesOf(two.Out);
  ASSERT_EQ(lines.size(), 3u) << two.Out;
  EXPECT_TRUE(std::regex_match(lines[0], std::regex("Status: 1/100 Time: [0-9]+ ms"))) << lines[0];
  EXPECT_TRUE(IsTimeLine(lines[1]));
  EXPECT_EQ(lines[2], "22");
  EXPECT_EQ(two.Err, "Trials: 10\n");
}

// The Time line's figure varies from run to run.
std::vector<std::string> WithoutTimes(const std::string& out) {
  std::vector<std::string> lines;
  for (const std::string& line : LinesOf(out)) lines.push_back(std::regex_replace(line, std::regex("Time: [0-9]+ ms"), "Time"));
  return lines;
}

TEST(CliSolve, PrintsTheCorrectColumnLinesOnlyWhenAllLinesAreAsked) {
  const CliRun all = RunCli({"solve", "--all-lines", "--max-trials", "1000", FarAway});
  const CliRun read = RunCli({"solve", "--max-trials", "1000", FarAway});
  EXPECT_EQ(all.Status, 1);
  EXPECT_EQ(read.Status, 1);
  std::vector<std::string> expected = WithoutTimes(all.Out);
  const auto correctColumns = [](const std::string& line) { return line.starts_with("Richtige Spalten: "); };
  ASSERT_GT(std::count_if(expected.begin(), expected.end(), correctColumns), 0) << all.Out;
  std::erase_if(expected, correctColumns);
  EXPECT_EQ(WithoutTimes(read.Out), expected);
}

// In the tool's own process, as if standard error were a terminal.
CliRun SolveInProcess(const std::vector<std::string>& args, bool errIsTerminal) {
  std::ostringstream out, err;
  std::istringstream in;
  Console console{out, err, in, errIsTerminal};
  CliRun run;
  run.Status = RunCommandLine(console, args);
  run.Out = out.str();
  run.Err = err.str();
  return run;
}

TEST(CliSolve, HintsAtTheShortestSolutionsOnceTheSearchPassesTwelveMovesOnATerminal) {
  const std::vector<std::string> args = {"solve", "--max-trials", "700000", Deep};
  const CliRun watched = SolveInProcess(args, true);
  EXPECT_EQ(watched.Status, 1);
  EXPECT_NE(watched.Out.find("Status: 12/100"), std::string::npos) << watched.Out;
  const std::vector<std::string> lines = LinesOf(watched.Err);
  ASSERT_EQ(lines.size(), 1u) << watched.Err;
  EXPECT_NE(lines[0].find("many more moves"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("\"trommelquirl-cli optimal " + Deep + "\""), std::string::npos) << lines[0];
  EXPECT_EQ(SolveInProcess(args, false).Err, "");
  EXPECT_EQ(SolveInProcess({"solve", "--max-trials", "100000", Deep}, true).Err, "") << "not past 12 moves yet";
}

TEST(CliSolve, RefusesAPositionWithACorrectColumn) {
  const CliRun solved = RunCli({"solve", Start});
  EXPECT_EQ(solved.Status, 2);
  EXPECT_EQ(solved.Out, "");
  EXPECT_EQ(solved.Err,
            "trommelquirl-cli: layout has 5 correct columns; the search only starts when no column is correct\n");
  // Slid down, the short columns are still correct.
  EXPECT_EQ(RunCli({"solve", "_300001111_322224444_35555"}).Status, 2);
}

TEST(CliSolve, StopsAfterTheTrialsAsked) {
  const CliRun far = RunCli({"solve", "--max-trials", "40", "--stats", FarAway});
  EXPECT_EQ(far.Status, 1);
  EXPECT_EQ(LinesOf(far.Out).back(), "No Result");
  EXPECT_EQ(far.Err, "Trials: 40\n");
  // "22" is found in the 10th trial: a stop asked for in that trial comes too late.
  const CliRun justInTime = RunCli({"solve", "--max-trials=10", "--stats", TwoRight});
  EXPECT_EQ(justInTime.Status, 0);
  EXPECT_EQ(LinesOf(justInTime.Out).back(), "22");
  EXPECT_EQ(justInTime.Err, "Trials: 10\n");
  const CliRun tooSoon = RunCli({"solve", "--max-trials", "9", "--stats", TwoRight});
  EXPECT_EQ(tooSoon.Status, 1);
  EXPECT_EQ(LinesOf(tooSoon.Out).back(), "No Result");
  EXPECT_EQ(tooSoon.Err, "Trials: 9\n");
}

class CliSolveWithFile : public testing::Test {
 protected:
  TempDirectory scratch;
  const std::string file = scratch / "Loesungen.txt";
};

TEST_F(CliSolveWithFile, StoresTheSolutionAndAnswersFromItNextTime) {
  const CliRun first = RunCli({"solve", "--db", file, OneLeft});
  EXPECT_EQ(first.Status, 0) << first.Err;
  EXPECT_EQ(ReadWholeFile(file), OneLeft + "1\r\n");
  const CliRun second = RunCli({"solve", "--db", file, "--stats", OneLeft});
  EXPECT_EQ(second.Status, 0);
  const std::vector<std::string> lines = LinesOf(second.Out);
  ASSERT_EQ(lines.size(), 3u) << second.Out;
  EXPECT_EQ(lines[0], "Saved Field...");
  EXPECT_EQ(lines[2], "1");
  EXPECT_EQ(second.Err, "Trials: 0\n");
  EXPECT_EQ(ReadWholeFile(file), OneLeft + "1\r\n");
}

TEST_F(CliSolveWithFile, ContinuesFromAStoredPosition) {
  // One turn right from TwoLeft reaches OneLeft, which the file answers.
  WriteWholeFile(file, OneLeft + "1\n");
  const CliRun run = RunCli({"solve", "--db", file, "--stats", TwoLeft});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(LinesOf(run.Out).back(), "11");
  EXPECT_EQ(run.Err, "Trials: 1\n");
  EXPECT_EQ(ReadWholeFile(file), OneLeft + "1\r\n" + TwoLeft + "11\r\n");
}

TEST_F(CliSolveWithFile, KeepsAFileUnchangedWhenNothingIsFound) {
  WriteWholeFile(file, OneLeft + "1\r\n");
  const CliRun run = RunCli({"solve", "--db", file, "--max-trials", "3", FarAway});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(ReadWholeFile(file), OneLeft + "1\r\n");
}

TEST_F(CliSolveWithFile, MakesAMissingFolderAndShowsStoredBytesEscaped) {
  // A stored text with a title change, a bell and a screen wipe: answered at once, and as the
  // continuation of a search.
  const std::string folder = scratch / "not/yet";
  const std::string hostile = folder + "/Loesungen.txt";
  const CliRun made = RunCli({"solve", "--db", hostile, "--max-trials", "2", FarAway});
  EXPECT_EQ(made.Status, 1) << made.Err;
  EXPECT_EQ(ReadWholeFile(hostile), "");
  WriteWholeFile(hostile, OneLeft + "1\x1b]2;X\x07\x1b[2J\r\n");
  const CliRun stored = RunCli({"solve", "--db", hostile, OneLeft});
  EXPECT_EQ(stored.Status, 0);
  EXPECT_EQ(LinesOf(stored.Out).back(), "1\\x1B]2;X\\x07\\x1B[2J");
  const CliRun continued = RunCli({"solve", "--db", hostile, TwoLeft});
  EXPECT_EQ(continued.Status, 0);
  EXPECT_EQ(LinesOf(continued.Out).back(), "11\\x1B]2;X\\x07\\x1B[2J");
}

TEST_F(CliSolveWithFile, RefusesBeforeSearchingAFileThatCannotBeReadOrSaved) {
  WriteWholeFile(scratch / "plain", "");
  const std::string nowhere = scratch / "plain/Loesungen.txt";  // under a file: no folder can be made
  const CliRun missing = RunCli({"solve", "--db", nowhere, OneLeft});
  EXPECT_EQ(missing.Status, 2);
  EXPECT_EQ(missing.Out, "") << "no search ran";
  EXPECT_EQ(missing.Err, "trommelquirl-cli: cannot save solutions file " + nowhere + ": Not a directory\n");

  std::filesystem::create_directory(file);
  const CliRun directory = RunCli({"solve", "--db", file, OneLeft});
  EXPECT_EQ(directory.Status, 2);
  EXPECT_EQ(directory.Out, "");
  EXPECT_EQ(directory.Err, "trommelquirl-cli: cannot read solutions file " + file + ": Is a directory\n");

  const std::string pipe = scratch / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const CliRun fifo = RunCli({"solve", "--db", pipe, OneLeft});  // must not wait for a writer
  EXPECT_EQ(fifo.Status, 2);
  EXPECT_EQ(fifo.Err, "trommelquirl-cli: cannot read solutions file " + pipe + ": Not a regular file\n");
  EXPECT_EQ(RunCli({"solve", "--db", "/dev/zero", OneLeft}).Status, 2);
}

TEST_F(CliSolveWithFile, AnEndSignalDuringTheSearchSavesTheFileAndEndsByThatSignal) {
  for (const int signal : {SIGTERM, SIGINT}) {
    const std::filesystem::path folder = scratch / ("made-" + std::to_string(signal));
    const std::string inFolder = folder / "Loesungen.txt";
    const StartedCli started = StartCli({"solve", "--db", inFolder, Deep}, scratch / ".");
    // The folder is made just before the search; Deep needs 31 moves, so it is still searching.
    for (int wait = 0; wait < 600 && !std::filesystem::exists(folder); ++wait) ::usleep(10'000);
    ::usleep(200'000);
    ::kill(started.Pid, signal);
    const CliRun run = FinishCli(started);
    EXPECT_EQ(run.Signal, signal) << run.Err;
    EXPECT_TRUE(std::filesystem::exists(inFolder)) << "saved before it ended, with nothing found";
    EXPECT_EQ(ReadWholeFile(inFolder), "");
  }
}

// Two searches at once on one file, round after round: neither loses the other's solution.
TEST_F(CliSolveWithFile, TwoAtOnceBothKeepTheirSolutionsOverManyRounds) {
  constexpr int Rounds = 60;
  for (int round = 0; round < Rounds; ++round) {
    std::filesystem::remove(file);
    const StartedCli one = StartCli({"solve", "--db", file, OneLeft}, scratch / ".");
    const StartedCli two = StartCli({"solve", "--db", file, TwoRight}, scratch / ".");
    const CliRun first = FinishCli(one);
    const CliRun second = FinishCli(two);
    ASSERT_EQ(first.Status, 0) << first.Err;
    ASSERT_EQ(second.Status, 0) << second.Err;
    // Whichever saved second may have found its way through the other's position.
    std::vector<std::string> lines = LinesOf(ReadWholeFile(file));
    std::sort(lines.begin(), lines.end());
    ASSERT_EQ(lines.size(), 2u) << "round " << round;
    EXPECT_EQ(lines[0], OneLeft + "1\r") << "round " << round;
    EXPECT_EQ(lines[1].substr(0, 26), TwoRight) << "round " << round;
  }
}

}  // namespace
}  // namespace tq::cli::test
