// apply LAYOUT SOLUTION: replays a solution text and shows where it leads.
#include "cli/commands.h"
#include "cli/layout_argument.h"
#include "cli/solution_argument.h"
#include "model/field.h"
#include "model/moves.h"
#include "solver/notation.h"
#include "solver/search.h"

namespace tq::cli {

namespace {

constexpr std::string_view Arguments[] = {"LAYOUT", "SOLUTION"};

int RunApply(Console& console, const ParsedArguments& args) {
  std::string layout;
  if (!ReadLayoutArgument(console, args.Positionals[0], layout)) return ExitRefused;
  if (!CheckSolutionArgument(console, args.Positionals[1])) return ExitRefused;
  PlaceLayout(layout);
  ApplySolution(args.Positionals[1], SlideState);
  console.Out << ShownLayout(FieldToLayout()) << '\n' << CorrectColumnsLine(IsSolved()) << '\n';
  return ExitOk;
}

}  // namespace

const CommandInfo& ApplyCommand() {
  static const CommandInfo command{
      .Name = "apply",
      .Summary = "apply the moves of a solution text to a layout",
      .About = "Applies the moves of SOLUTION (digits 1 to 5; any other character is refused) to LAYOUT, then "
               "prints the layout reached and \"Richtige Spalten: \" with its number of correct columns (5 "
               "means solved).\n",
      .Arguments = Arguments,
      .RequiredArguments = 2,
      .Run = RunApply,
  };
  return command;
}

}  // namespace tq::cli
