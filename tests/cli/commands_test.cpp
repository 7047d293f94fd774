// trommelquirl-cli run as a child process: help, usage errors, and the commands without a search.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/field.h"
#include "model/random.h"
#include "model/scramble.h"
#include "project_info.h"
#include "tests/cli/run_cli.h"

namespace tq::cli::test {
namespace {

const std::string SlidDown = " 300001111 322224444 35555";
const std::string SlidDownTyped = "_300001111_322224444_35555";
const std::string StartTyped = "30000_111132222_444435555_";

void ExpectRefused(const CliRun& run, const std::string& problem) {
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err, "trommelquirl-cli: " + problem + "\n");
}

void ExpectUsageError(const CliRun& run, const std::string& usage) {
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(run.Out, "");
  const std::vector<std::string> lines = LinesOf(run.Err);
  ASSERT_EQ(lines.size(), 2u) << run.Err;
  EXPECT_EQ(lines[0].rfind("trommelquirl-cli: ", 0), 0u);
  EXPECT_EQ(lines[1].rfind("usage: trommelquirl-cli " + usage, 0), 0u) << lines[1];
}

TEST(CliHelp, DescribesTheProgramAndEachCommand) {
  const CliRun program = RunCli({"--help"});
  EXPECT_EQ(program.Status, 0);
  EXPECT_EQ(program.Err, "");
  for (const std::string name : {"solve", "scramble", "apply", "verify", "explain"}) {
    EXPECT_NE(program.Out.find("  " + name + " "), std::string::npos) << name;
    const CliRun command = RunCli({name, "--help"});
    EXPECT_EQ(command.Status, 0) << name;
    EXPECT_EQ(command.Out.rfind("usage: trommelquirl-cli " + name, 0), 0u) << command.Out;
  }
}

TEST(CliVersion, NamesTheProgramAndItsVersion) {
  for (const std::string option : {"--version", "-V"}) {
    const CliRun run = RunCli({option});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "trommelquirl-cli " + std::string(ProjectVersion) + "\n");
    EXPECT_EQ(run.Err, "");
  }
  EXPECT_NE(RunCli({"--help"}).Out.find("\"trommelquirl-cli --version\" (or -V)"), std::string::npos);
}

TEST(CliUsage, RefusesCommandLinesItCannotRead) {
  ExpectUsageError(RunCli({}), "COMMAND");
  ExpectUsageError(RunCli({"solvee", Start}), "COMMAND");
  ExpectUsageError(RunCli({"solve", "--fast", Start}), "solve [--db FILE]");
  ExpectUsageError(RunCli({"solve"}), "solve");
  ExpectUsageError(RunCli({"solve", Start, "--db"}), "solve");
  ExpectUsageError(RunCli({"solve", "--max-trials", "0", Start}), "solve");
  ExpectUsageError(RunCli({"apply", Start}), "apply LAYOUT SOLUTION");
  ExpectUsageError(RunCli({"explain", "1", "2"}), "explain SOLUTION");
  ExpectUsageError(RunCli({"verify"}), "verify FILE");
  ExpectUsageError(RunCli({"scramble", "--moves", "-1"}), "scramble");
  ExpectUsageError(RunCli({"scramble", "--seed", "4294967296"}), "scramble");
}

TEST(CliLayouts, EveryCommandRefusesALayoutNoMovesReach) {
  const std::string shortLayout = "30000 111132222 444435555";
  ExpectRefused(RunCli({"apply", shortLayout, "1"}), "layout has 25 characters, needs 26");
  ExpectRefused(RunCli({"scramble", "--seed", "1", "30000 111132222 444435555x"}),
                "layout character 26 is 'x', not a space or a colour 0 to 5");
  ExpectRefused(RunCli({"solve", "31100 221134422 5544300554"}), "layout has 2 empty slots, needs 3");
  ExpectRefused(RunCli({"solve", "31100 221134422 554430015 "}), "layout has 5 balls of colour 1, needs 4");
}

TEST(CliApply, ReplaysTheDigitsAndCountsCorrectColumns) {
  // Layouts are printed with "_", and read with either spelling.
  EXPECT_EQ(RunCli({"apply", Start, "2"}).Out, "31100_221134422_554430055_\nRichtige Spalten: 0\n");
  EXPECT_EQ(RunCli({"apply", "31100_221134422_554430055_", "1"}).Out, StartTyped + "\nRichtige Spalten: 5\n");
  EXPECT_EQ(RunCli({"apply", Start, ""}).Out, StartTyped + "\nRichtige Spalten: 5\n");
  const CliRun slid = RunCli({"apply", Start, "5"});
  EXPECT_EQ(slid.Status, 0);
  EXPECT_EQ(slid.Out, SlidDownTyped + "\nRichtige Spalten: 2\n");
}

TEST(CliApply, TakesTheSlideStateFromTheLayout) {
  // From a slid-down layout a slide goes back up; with the wrong state it would lose balls.
  EXPECT_EQ(RunCli({"apply", SlidDown, "5"}).Out, StartTyped + "\nRichtige Spalten: 5\n");
  EXPECT_EQ(RunCli({"apply", SlidDown, "12345"}).Out, StartTyped + "\nRichtige Spalten: 5\n");
}

TEST(CliSolutionArguments, ARefusedCharacterIsNamedWithItsPosition) {
  ExpectRefused(RunCli({"apply", Start, "x1 "}), "solution character 1 is 'x', not a move 1 to 5");
  ExpectRefused(RunCli({"apply", Start, "1250"}), "solution character 4 is '0', not a move 1 to 5");
  ExpectRefused(RunCli({"explain", "16"}), "solution character 2 is '6', not a move 1 to 5");
  ExpectRefused(RunCli({"explain", "15 2"}), "solution character 3 is ' ', not a move 1 to 5");
  ExpectRefused(RunCli({"explain", "1\x1b[2J"}), "solution character 2 is '\\x1B', not a move 1 to 5");
}

TEST(CliExplain, NamesEveryMoveWithItsSeparator) {
  const CliRun run = RunCli({"explain", "1524"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "Oben rechts,\r\nOben <-> Unten,\r\nOben links,\r\nUnten links,\r\n");
  EXPECT_EQ(RunCli({"explain", ""}).Out, "");
}

// As the command line prints it, with "_" for an empty slot.
std::string ScrambledHere(uint32_t seed, int32_t moves, const std::string& layout) {
  PlaceLayout(layout);
  SeedRandom(seed);
  Scramble(moves);
  std::string shown = FieldToLayout();
  std::replace(shown.begin(), shown.end(), ' ', '_');
  return shown;
}

TEST(CliScramble, DrawsTheMovesTheSeedGives) {
  EXPECT_EQ(RunCli({"scramble", "--seed", "12345"}).Out, ScrambledHere(12345, 3, Start) + "\n");
  EXPECT_EQ(RunCli({"scramble", "--seed=99", "--moves", "40", SlidDown}).Out, ScrambledHere(99, 40, SlidDown) + "\n");
  EXPECT_EQ(RunCli({"scramble", "--moves", "0", SlidDown}).Out, SlidDownTyped + "\n");
}

TEST(CliScramble, WithoutASeedStillGivesAReachableLayout) {
  const CliRun run = RunCli({"scramble", "--moves", "25"});
  EXPECT_EQ(run.Status, 0);
  ASSERT_EQ(run.Out.size(), 27u);
  // One shell word, which apply checks, so a bad one would be refused there.
  EXPECT_EQ(run.Out.find(' '), std::string::npos) << run.Out;
  EXPECT_EQ(RunCli({"apply", run.Out.substr(0, 26), ""}).Status, 0);
}

}  // namespace
}  // namespace tq::cli::test
