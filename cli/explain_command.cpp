// explain SOLUTION: the moves of a solution text by name, one per line.
#include "cli/commands.h"
#include "solver/notation.h"

namespace tq::cli {

namespace {

constexpr std::string_view Arguments[] = {"SOLUTION"};

int RunExplain(Console& console, const ParsedArguments& args) {
  // The listing carries its own line ends (comma, CR, LF after every character).
  console.Out << DescribeSolution(args.Positionals[0]);
  return ExitOk;
}

}  // namespace

const CommandInfo& ExplainCommand() {
  static const CommandInfo command{
      "explain",
      "name the moves of a solution text",
      "explain SOLUTION",
      "Writes the name of each move of SOLUTION, each followed by a comma and a line end:\n"
      "1 Oben rechts, 2 Oben links, 3 Unten rechts, 4 Unten links, 5 Oben <-> Unten.\n"
      "Any other character gives an empty name.\n",
      {},
      Arguments,
      1,
      RunExplain,
  };
  return command;
}

}  // namespace tq::cli
