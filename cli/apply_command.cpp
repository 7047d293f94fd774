// apply LAYOUT SOLUTION: replays a solution text and shows where it leads.
#include "cli/commands.h"
#include "cli/layout_argument.h"
#include "model/field.h"
#include "model/moves.h"
#include "solver/notation.h"

namespace tq::cli {

namespace {

constexpr std::string_view Arguments[] = {"LAYOUT", "SOLUTION"};

int RunApply(Console& console, const ParsedArguments& args) {
  std::string layout;
  if (!ReadLayoutArgument(console, args.Positionals[0], layout)) return ExitRefused;
  PlaceLayout(layout);
  ApplySolution(args.Positionals[1], SlideState);
  console.Out << FieldToLayout() << '\n' << "Richtige Spalten: " << IsSolved() << '\n';
  return ExitOk;
}

}  // namespace

const CommandInfo& ApplyCommand() {
  static const CommandInfo command{
      "apply",
      "apply the moves of a solution text to a layout",
      "apply LAYOUT SOLUTION",
      "Applies the moves of SOLUTION (digits 1 to 5; other characters are skipped) to LAYOUT,\n"
      "then prints the layout reached and \"Richtige Spalten: \" with its number of correct\n"
      "columns (5 means solved).\n",
      {},
      Arguments,
      2,
      RunApply,
  };
  return command;
}

}  // namespace tq::cli
