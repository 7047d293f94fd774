// optimal [--fast] [--db FILE] [--stats] LAYOUT...: shortest solutions from the optimal solver,
// for layouts given as arguments or read one per line from standard input.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/end_signals.h"
#include "cli/help.h"
#include "cli/layout_argument.h"
#include "cli/solutions_file.h"
#include "cli/solver_table.h"
#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/table_cache.h"
#include "store/solutions.h"

namespace tq::cli {

namespace {

constexpr OptionInfo Options[] = {
    {.Name = "--fast",
     .Text = "answer in under a third of the time with a solution that is often a move or two longer "
             "than the shortest (about one on average)"},
    {.Name = "--db",
     .Value = "FILE",
     .Text = "add each solution to the solutions file FILE (created if missing, with its folder), so that "
             "the program answers the layout at once (\"Saved Field...\"); a layout the file holds a solution "
             "no longer for is left as it is. Ended by a closed output, Ctrl-C or SIGTERM, the command saves "
             "the solutions found so far first."},
    {.Name = "--stats", .Text = "write \"Length: L Nodes: N Time: T ms\" for each layout to standard error"},
};
constexpr std::string_view Arguments[] = {"LAYOUT"};
constexpr std::string_view FromInput = "-";

// Adds a solution to the solutions list, unless the list knows one no longer: storing it then
// would only add a second entry for the layout. A solved layout is never searched, so its
// empty solution is not kept.
void Remember(const std::string& layout, const std::string& solution) {
  if (solution.empty()) return;
  const std::string_view known = FindSolution(layout);
  if (!known.empty() && known.size() <= solution.size()) return;
  StoreSolution(layout, solution);
}

class Answers {
 public:
  Answers(Console& console, const optimal::PatternTable& table, const ParsedArguments& args)
      : console_(console), table_(table), stats_(args.Has("--stats")), store_(args.Has("--db")) {
    options_.Fast = args.Has("--fast");
    options_.Threads = optimal::SolverThreads();
    options_.ShouldStop = [] { return EndSignal() != 0; };
  }

  // One line on standard output, flushed at once for whoever waits on the other end of a pipe.
  // Nothing when the next layout may follow; otherwise the status to end with.
  std::optional<int> Answer(const std::string& layout) {
    if (EndSignal() != 0) return ExitOk;  // the process ends by the signal once the file is saved
    const auto start = std::chrono::steady_clock::now();
    const optimal::SearchResult result = optimal::Solve(table_, layout, options_);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (result.Status == optimal::SearchStatus::Stopped) return ExitOk;
    if (result.Status != optimal::SearchStatus::Solved) {
      ReportProblem(console_, "no solution found for " + ShownLayout(layout));
      return ExitNegative;
    }
    if (store_) Remember(layout, result.Solution);  // found, whether or not anyone reads it
    console_.Out << result.Solution << std::endl;
    if (!console_.Out) return ExitRefused;  // said by main, which sees why the output failed
    if (stats_) {
      console_.Err << "Length: " << result.Solution.size() << " Nodes: " << result.Nodes << " Time: " << elapsed.count()
                   << " ms\n";
    }
    return std::nullopt;
  }

 private:
  Console& console_;
  const optimal::PatternTable& table_;
  optimal::SearchOptions options_;
  bool stats_;
  bool store_;
};

// The layouts of the arguments, all checked before the first is searched.
bool ReadLayoutArguments(Console& console, const std::vector<std::string>& texts, std::vector<std::string>& layouts) {
  for (const std::string& text : texts) {
    if (text == FromInput) {
      ReportUsage(console, "\"-\" (layouts from standard input) must be the only LAYOUT", UsageOf(OptimalCommand()));
      return false;
    }
    std::string layout;
    if (!ReadLayoutArgument(console, text, layout)) return false;
    layouts.push_back(std::move(layout));
  }
  return true;
}

// A line of standard input is the layout as it stands: a trailing space is its last empty
// slot. Only a CR before the LF is taken as part of the line's end.
int AnswerInput(Console& console, Answers& answers) {
  int lineNumber = 0;
  for (std::string line; std::getline(console.In, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string layout;
    if (!ReadLayoutArgument(console, line, layout, "line " + std::to_string(lineNumber) + ": ")) return ExitRefused;
    if (const std::optional<int> end = answers.Answer(layout)) return *end;
  }
  return ExitOk;
}

int AnswerArguments(const std::vector<std::string>& layouts, Answers& answers) {
  for (const std::string& layout : layouts) {
    if (const std::optional<int> end = answers.Answer(layout)) return *end;
  }
  return ExitOk;
}

int RunOptimal(Console& console, const ParsedArguments& args) {
  const bool fromInput = args.Positionals.size() == 1 && args.Positionals[0] == FromInput;
  std::vector<std::string> layouts;
  if (!fromInput && !ReadLayoutArguments(console, args.Positionals, layouts)) return ExitRefused;
  const std::string* db = args.Value("--db");
  if (db != nullptr && !OpenSolutionsFile(console, *db, true)) return ExitRefused;
  const std::shared_ptr<const optimal::PatternTable> table = LoadSolverTable(console);
  // From the first solution on, an end signal lets the file be saved first.
  std::optional<EndSignalHold> hold;
  if (db != nullptr) hold.emplace(console.Out);
  Answers answers(console, *table, args);
  const int status = fromInput ? AnswerInput(console, answers) : AnswerArguments(layouts, answers);
  if (db != nullptr && !SaveSolutionsFile(console, *db)) return ExitRefused;
  return status;
}

}  // namespace

const CommandInfo& OptimalCommand() {
  static const CommandInfo command{
      .Name = "optimal",
      .Summary = "find a shortest solution for each layout",
      .About = "Finds a shortest solution for each LAYOUT, every move counting as one, and prints one line per "
               "layout, in order: the solution's digits (1 to 5, see explain), or an empty line for a solved "
               "layout. Any layout the moves can reach is answered, usually in a fraction of a second. With "
               "\"-\" as the only LAYOUT, reads layouts from standard input, one per line (a trailing space is "
               "the layout's last empty slot), and answers each as it comes.\n"
               "The first run builds the solver's table (110 MB, some seconds on all cores) and keeps it in "
               "$XDG_CACHE_HOME/trommelquirl (by default ~/.cache/trommelquirl); later runs load it from "
               "there.\n",
      .Options = Options,
      .Notes = "Exit status: 0 every layout answered, 2 bad input (for standard input with its line number; the "
               "layouts before it are answered), a solutions file that cannot be read or saved, or output that "
               "cannot be written.\n",
      .Arguments = Arguments,
      .RequiredArguments = 1,
      .LastRepeats = true,
      .Run = RunOptimal,
  };
  return command;
}

}  // namespace tq::cli
