// verify FILE: replays every entry of a solutions file and lists those that do not solve.
#include <cstddef>
#include <string>

#include "cli/commands.h"
#include "cli/shown_text.h"
#include "cli/solutions_file.h"
#include "model/field.h"
#include "model/layout_check.h"
#include "model/moves.h"
#include "solver/notation.h"
#include "store/solutions.h"

namespace tq::cli {

namespace {

constexpr std::string_view Arguments[] = {"FILE"};
constexpr int32_t AllColumns = 5;

// "" when the entry's solution solves its layout, otherwise why not. A layout the moves cannot
// reach fails without a replay: its answer would say nothing about the puzzle.
std::string EntryFailure(const SolutionEntry& entry) {
  std::string problem = LayoutProblem(entry.Layout);
  if (!problem.empty()) return problem;
  PlaceLayout(entry.Layout);
  ApplySolution(entry.Solution, SlideState);
  const int32_t correct = IsSolved();
  if (correct == AllColumns) return "";
  return "ends with " + std::to_string(correct) + " correct columns";
}

void ReportFailure(Console& console, size_t line, const SolutionEntry& entry, const std::string& failure) {
  console.Out << "line " << line << ": \"" << ShownText(entry.Layout) << "\" \"" << ShownText(entry.Solution)
              << "\": " << failure << '\n';
}

int RunVerify(Console& console, const ParsedArguments& args) {
  if (!OpenSolutionsFile(console, args.Positionals[0], false)) return ExitRefused;
  size_t failed = 0;
  for (size_t index = 0; index < SolutionCount(); ++index) {
    const SolutionEntry entry = SolutionAt(index);
    const std::string failure = EntryFailure(entry);
    if (failure.empty()) continue;
    ReportFailure(console, index + 1, entry, failure);  // one entry per line of the file
    ++failed;
  }
  const size_t entries = SolutionCount();
  console.Out << "entries: " << entries << ", solved: " << entries - failed << ", failed: " << failed << '\n';
  return failed == 0 ? ExitOk : ExitNegative;
}

}  // namespace

const CommandInfo& VerifyCommand() {
  static const CommandInfo command{
      .Name = "verify",
      .Summary = "replay every entry of a solutions file",
      .About = "Replays each entry of the solutions file FILE from its layout and lists every entry that does "
               "not end solved, as: line N: \"LAYOUT\" \"SOLUTION\": why, with the line's text as the file "
               "holds it. An entry whose layout no moves can reach (blank lines, short lines, wrong characters "
               "or ball counts) is listed as failed. Ends with \"entries: N, solved: M, failed: K\".\n",
      .Notes = "Exit status: 0 all entries solve, 1 some failed, 2 the file is missing or unreadable.\n",
      .Arguments = Arguments,
      .RequiredArguments = 1,
      .Run = RunVerify,
  };
  return command;
}

}  // namespace tq::cli
