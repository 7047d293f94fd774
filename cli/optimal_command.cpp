// optimal [--fast] [--db FILE] [--stats] LAYOUT...: shortest solutions from the optimal solver,
// for layouts given as arguments or read one per line from standard input.
#include <chrono>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/layout_argument.h"
#include "cli/solutions_file.h"
#include "cli/solver_table.h"
#include "solver/optimal/optimal_solver.h"
#include "store/solutions.h"

namespace tq::cli {

namespace {

constexpr OptionInfo Options[] = {{"--fast", false}, {"--db", true}, {"--stats", false}};
constexpr std::string_view Arguments[] = {"LAYOUT"};
constexpr std::string_view Usage = "optimal [--fast] [--db FILE] [--stats] LAYOUT...";
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
    options_.Threads = SolverThreads();
  }

  // One line on standard output, flushed at once for whoever waits on the other end of a pipe.
  bool Answer(const std::string& layout) {
    const auto start = std::chrono::steady_clock::now();
    const optimal::SearchResult result = optimal::Solve(table_, layout, options_);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (result.Status != optimal::SearchStatus::Solved) {
      ReportProblem(console_, "no solution found for " + layout);
      return false;
    }
    console_.Out << result.Solution << std::endl;
    if (stats_) {
      console_.Err << "Length: " << result.Solution.size() << " Nodes: " << result.Nodes << " Time: " << elapsed.count()
                   << " ms\n";
    }
    if (store_) Remember(layout, result.Solution);
    return true;
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
      ReportUsage(console, "\"-\" (layouts from standard input) must be the only LAYOUT", Usage);
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
    if (!answers.Answer(layout)) return ExitNegative;
  }
  return ExitOk;
}

int AnswerArguments(const std::vector<std::string>& layouts, Answers& answers) {
  for (const std::string& layout : layouts) {
    if (!answers.Answer(layout)) return ExitNegative;
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
  Answers answers(console, *table, args);
  const int status = fromInput ? AnswerInput(console, answers) : AnswerArguments(layouts, answers);
  if (db != nullptr && !SaveSolutionsFile(console, *db)) return ExitRefused;
  return status;
}

}  // namespace

const CommandInfo& OptimalCommand() {
  static const CommandInfo command{
      "optimal",
      "find a shortest solution for each layout",
      Usage,
      "Finds a shortest solution for each LAYOUT, every move counting as one, and prints one\n"
      "line per layout, in order: the solution's digits (1 to 5, see explain), or an empty\n"
      "line for a solved layout. Any layout the moves can reach is answered, usually in a\n"
      "fraction of a second. With \"-\" as the only LAYOUT, reads layouts from standard input,\n"
      "one per line (a trailing space is the layout's last empty slot), and answers each as\n"
      "it comes.\n\n"
      "The first run builds the solver's table (110 MB, some seconds on all cores) and keeps\n"
      "it in $XDG_CACHE_HOME/trommelquirl (by default ~/.cache/trommelquirl); later runs load\n"
      "it from there.\n\n"
      "  --fast      answer faster with a solution that may be a few moves longer (about one\n"
      "              on average, in about a third of the time)\n"
      "  --db FILE   add each solution to the solutions file FILE (created if missing), so\n"
      "              that the program answers the layout at once (\"Saved Field...\"); a\n"
      "              layout the file holds a solution no longer for is left as it is\n"
      "  --stats     write \"Length: L Nodes: N Time: T ms\" for each layout to standard error\n\n"
      "Exit status: 0 every layout answered, 2 bad input (for standard input with its line\n"
      "number; the layouts before it are answered) or a solutions file that cannot be read\n"
      "or saved.\n",
      Options,
      Arguments,
      1,
      RunOptimal,
      true,
  };
  return command;
}

}  // namespace tq::cli
