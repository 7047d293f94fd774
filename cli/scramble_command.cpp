// scramble [--seed S] [--moves N] [LAYOUT]: random moves, as the scramble key makes them.
#include <limits>

#include "cli/commands.h"
#include "cli/help.h"
#include "cli/layout_argument.h"
#include "cli/number_argument.h"
#include "model/field.h"
#include "model/random.h"
#include "model/scramble.h"
#include "solver/search_host.h"

namespace tq::cli {

namespace {

constexpr OptionInfo Options[] = {
    {.Name = "--seed",
     .Value = "S",
     .Text = "seed the random generator with S (0 to 4294967295); the same seed gives the same moves. "
             "Default: the millisecond clock."},
    {.Name = "--moves", .Value = "N", .Text = "the number of moves (0 to 2147483647)"},
};
constexpr std::string_view Arguments[] = {"LAYOUT"};

int RunScramble(Console& console, const ParsedArguments& args) {
  const std::string usage = UsageOf(ScrambleCommand());
  // Without --seed every run draws another sequence, as the program does at start-up.
  const auto seed = ReadNumberOption(console, args, {"--seed", 0, std::numeric_limits<uint32_t>::max(), TickCount()}, usage);
  if (!seed) return ExitRefused;
  const auto moves = ReadNumberOption(console, args, {"--moves", 0, std::numeric_limits<int32_t>::max(), 3}, usage);
  if (!moves) return ExitRefused;
  std::string layout = StartLayout;
  if (!args.Positionals.empty() && !ReadLayoutArgument(console, args.Positionals[0], layout)) return ExitRefused;
  PlaceLayout(layout);
  SeedRandom(static_cast<uint32_t>(*seed));
  Scramble(static_cast<int32_t>(*moves));
  console.Out << ShownLayout(FieldToLayout()) << '\n';
  return ExitOk;
}

}  // namespace

const CommandInfo& ScrambleCommand() {
  static const CommandInfo command{
      .Name = "scramble",
      .Summary = "apply random moves to a layout",
      .About = "Applies N random moves (default 3) to LAYOUT (default the start position) and prints the layout "
               "reached. A slide never follows a slide, and a turn is never undone at once.\n",
      .Options = Options,
      .Arguments = Arguments,
      .Run = RunScramble,
  };
  return command;
}

}  // namespace tq::cli
