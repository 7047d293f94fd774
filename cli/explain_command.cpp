// explain SOLUTION: the moves of a solution text by name, one per line.
#include "cli/commands.h"
#include "cli/solution_argument.h"
#include "solver/notation.h"

namespace tq::cli {

namespace {

constexpr std::string_view Arguments[] = {"SOLUTION"};

int RunExplain(Console& console, const ParsedArguments& args) {
  if (!CheckSolutionArgument(console, args.Positionals[0])) return ExitRefused;
  // The listing carries its own line ends (comma, CR, LF after every character).
  console.Out << DescribeSolution(args.Positionals[0]);
  return ExitOk;
}

}  // namespace

const CommandInfo& ExplainCommand() {
  static const CommandInfo command{
      .Name = "explain",
      .Summary = "name the moves of a solution text",
      .About = "Writes the name of each move of SOLUTION, each followed by a comma and a line end: 1 Oben "
               "rechts, 2 Oben links, 3 Unten rechts, 4 Unten links, 5 Oben <-> Unten. A character that is no "
               "move digit is refused.\n",
      .Notes = "Exit status: 0 the moves named, 2 a character that is no move.\n",
      .Arguments = Arguments,
      .RequiredArguments = 1,
      .Run = RunExplain,
  };
  return command;
}

}  // namespace tq::cli
