// solve [--db FILE] [--max-trials N] [--stats] LAYOUT: the search, as the search key runs it.
#include <limits>

#include "cli/commands.h"
#include "cli/layout_argument.h"
#include "cli/number_argument.h"
#include "cli/solutions_file.h"
#include "cli/trial_watch.h"
#include "model/field.h"
#include "model/moves.h"
#include "solver/search.h"
#include "solver/search_host.h"

namespace tq::cli {

namespace {

constexpr OptionInfo Options[] = {{"--db", true}, {"--max-trials", true}, {"--stats", false}};
constexpr std::string_view Arguments[] = {"LAYOUT"};
constexpr std::string_view Usage = "solve [--db FILE] [--max-trials N] [--stats] LAYOUT";

// As in the program, the search only starts from a position where no column is correct:
// its replay of a move sequence relies on that.
bool PlaceSearchableLayout(Console& console, std::string_view text) {
  std::string layout;
  if (!ReadLayoutArgument(console, text, layout)) return false;
  PlaceLayout(layout);
  const int32_t correct = IsSolved();
  if (correct == 0) return true;
  ReportProblem(console, "layout has " + std::to_string(correct) + (correct == 1 ? " correct column" : " correct columns") +
                             "; the search only starts when no column is correct");
  return false;
}

std::string TimedSolve(Console& console) {
  const uint32_t start = TickCount();
  std::string result = Solve(SearchLimit);
  const auto elapsed = static_cast<int32_t>(TickCount() - start);
  console.Out << "Time: " << elapsed << " ms\n" << result << '\n';
  return result;
}

int RunSolve(Console& console, const ParsedArguments& args) {
  const auto maxTrials =
      ReadNumberOption(console, args, {"--max-trials", 1, std::numeric_limits<int64_t>::max(), 0}, Usage);
  if (!maxTrials) return ExitRefused;
  if (!PlaceSearchableLayout(console, args.Positionals[0])) return ExitRefused;
  const std::string* db = args.Value("--db");
  if (db != nullptr && !OpenSolutionsFile(console, *db, true)) return ExitRefused;
  TrialWatch watch{0, static_cast<int64_t>(*maxTrials)};
  WatchSearch(console.Out, watch);
  const std::string result = TimedSolve(console);
  AwaitStopTakenBack();
  if (args.Has("--stats")) console.Err << "Trials: " << watch.Trials << '\n';
  if (db != nullptr && !SaveSolutionsFile(console, *db)) return ExitRefused;
  return result == NoResult ? ExitNegative : ExitOk;
}

}  // namespace

const CommandInfo& SolveCommand() {
  static const CommandInfo command{
      "solve",
      "search for moves that solve a layout",
      Usage,
      "Searches for a move sequence that solves LAYOUT, which must have no correct column.\n"
      "Prints every line the search lists as it goes, then \"Time: \" with the milliseconds\n"
      "taken, then the result: a solution (digits 1 to 5, see explain) or \"No Result\".\n\n"
      "  --db FILE        use FILE as the solutions file: a layout stored there is answered at\n"
      "                   once (\"Saved Field...\"), and a solution found is added to it.\n"
      "                   A missing FILE starts an empty one.\n"
      "  --max-trials N   ask for a stop after N trials, as Escape does in the program\n"
      "  --stats          write \"Trials: \" and the number of trials to standard error\n\n"
      "Exit status: 0 solution found, 1 \"No Result\", 2 bad input or a file that cannot be\n"
      "read or saved.\n",
      Options,
      Arguments,
      1,
      RunSolve,
  };
  return command;
}

}  // namespace tq::cli
