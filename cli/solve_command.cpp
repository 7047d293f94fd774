// solve [--db FILE] [--max-trials N] [--stats] [--all-lines] LAYOUT: the search, as the search
// key runs it.
#include <limits>
#include <optional>

#include "cli/commands.h"
#include "cli/end_signals.h"
#include "cli/help.h"
#include "cli/layout_argument.h"
#include "cli/number_argument.h"
#include "cli/shown_text.h"
#include "cli/solutions_file.h"
#include "cli/trial_watch.h"
#include "model/field.h"
#include "model/moves.h"
#include "solver/search.h"

namespace tq::cli {

namespace {

constexpr OptionInfo Options[] = {
    {.Name = "--db",
     .Value = "FILE",
     .Text = "use FILE as the solutions file: a layout stored there is answered at once (\"Saved Field...\"), "
             "and a solution found is added to it. A missing FILE starts an empty one, and its folder is made "
             "when missing. Ended by Ctrl-C or SIGTERM, the command still saves the file first."},
    {.Name = "--max-trials", .Value = "N", .Text = "ask for a stop after N trials, as Escape does in the program"},
    {.Name = "--stats", .Text = "write \"Trials: \" and the number of trials to standard error"},
    {.Name = "--all-lines",
     .Text = "print every line the program's list shows, also each \"Richtige Spalten: N\" after a move that "
             "made columns correct: millions of lines on a long search"},
};
constexpr std::string_view Arguments[] = {"LAYOUT"};

// As in the program, the search only starts from a position where no column is correct:
// its replay of a move sequence relies on that.
std::optional<std::string> PlaceSearchableLayout(Console& console, std::string_view text) {
  std::string layout;
  if (!ReadLayoutArgument(console, text, layout)) return std::nullopt;
  PlaceLayout(layout);
  const int32_t correct = IsSolved();
  if (correct == 0) return layout;
  ReportProblem(console, "layout has " + std::to_string(correct) + (correct == 1 ? " correct column" : " correct columns") +
                             "; the search only starts when no column is correct");
  return std::nullopt;
}

std::string LongSearchHint(const std::string& layout) {
  return "trommelquirl-cli: this position may need many more moves than " + std::to_string(HintAfter) +
         ", each taking about 2.6 times as long as the last; \"trommelquirl-cli optimal " + ShownLayout(layout) +
         "\" finds a shortest solution at once";
}

int RunSolve(Console& console, const ParsedArguments& args) {
  const std::string usage = UsageOf(SolveCommand());
  const auto maxTrials =
      ReadNumberOption(console, args, {"--max-trials", 1, std::numeric_limits<int64_t>::max(), 0}, usage);
  if (!maxTrials) return ExitRefused;
  const std::optional<std::string> layout = PlaceSearchableLayout(console, args.Positionals[0]);
  if (!layout) return ExitRefused;
  const std::string* db = args.Value("--db");
  if (db != nullptr && !OpenSolutionsFile(console, *db, true)) return ExitRefused;
  std::optional<EndSignalHold> hold;
  if (db != nullptr) hold.emplace(console.Out);  // so that an end signal lets the save happen
  TrialWatch watch{.StopAfter = static_cast<int64_t>(*maxTrials), .AllLines = args.Has("--all-lines")};
  if (console.ErrIsTerminal) watch.LongSearchHint = LongSearchHint(*layout);
  WatchSearch(console, watch);
  const TimedSearch search = SolveTimed(SearchLimit);
  // A stored solution is the file's text: shown escaped, it cannot steer the terminal.
  console.Out << TimeLine(search.Milliseconds) << '\n' << ShownText(search.Result) << '\n';
  AwaitStopTakenBack();
  if (args.Has("--stats")) console.Err << "Trials: " << watch.Trials << '\n';
  if (db != nullptr && !SaveSolutionsFile(console, *db)) return ExitRefused;
  return search.Result == NoResult ? ExitNegative : ExitOk;
}

}  // namespace

const CommandInfo& SolveCommand() {
  static const CommandInfo command{
      .Name = "solve",
      .Summary = "search for moves that solve a layout",
      .About = "Searches for a move sequence that solves LAYOUT, which must have no correct column, as the "
               "program's search key does. Prints the status line of each length of sequence as it is "
               "finished (\"Status: 3/100 Time: 172 ms\"), then \"Time: \" with the milliseconds taken, then "
               "the result: a solution (digits 1 to 5, see explain) or \"No Result\".\n"
               "The search tries sequences one after the other, so it answers only layouts a few moves from "
               "solved in reasonable time; optimal answers any layout at once.\n",
      .Options = Options,
      .Notes = "Exit status: 0 solution found, 1 \"No Result\", 2 bad input, a file that cannot be read or "
               "saved, or output that cannot be written.\n",
      .Arguments = Arguments,
      .RequiredArguments = 1,
      .Run = RunSolve,
  };
  return command;
}

}  // namespace tq::cli
