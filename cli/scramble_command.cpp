// scramble [--seed S] [--moves N] [LAYOUT]: random moves, as the scramble key makes them.
#include <limits>

#include "cli/commands.h"
#include "cli/layout_argument.h"
#include "cli/number_argument.h"
#include "model/field.h"
#include "model/random.h"
#include "model/scramble.h"
#include "solver/search_host.h"

namespace tq::cli {

namespace {

constexpr OptionInfo Options[] = {{"--seed", true}, {"--moves", true}};
constexpr std::string_view Arguments[] = {"LAYOUT"};
constexpr std::string_view Usage = "scramble [--seed S] [--moves N] [LAYOUT]";

int RunScramble(Console& console, const ParsedArguments& args) {
  // Without --seed every run draws another sequence, as the program does at start-up.
  const auto seed = ReadNumberOption(console, args, {"--seed", 0, std::numeric_limits<uint32_t>::max(), TickCount()}, Usage);
  if (!seed) return ExitRefused;
  const auto moves = ReadNumberOption(console, args, {"--moves", 0, std::numeric_limits<int32_t>::max(), 3}, Usage);
  if (!moves) return ExitRefused;
  std::string layout = StartLayout;
  if (!args.Positionals.empty() && !ReadLayoutArgument(console, args.Positionals[0], layout)) return ExitRefused;
  PlaceLayout(layout);
  SeedRandom(static_cast<uint32_t>(*seed));
  Scramble(static_cast<int32_t>(*moves));
  console.Out << FieldToLayout() << '\n';
  return ExitOk;
}

}  // namespace

const CommandInfo& ScrambleCommand() {
  static const CommandInfo command{
      "scramble",
      "apply random moves to a layout",
      Usage,
      "Applies N random moves (default 3) to LAYOUT (default the start position) and prints\n"
      "the layout reached. A slide never follows a slide, and a turn is never undone at once.\n\n"
      "  --seed S    seed the random generator with S (0 to 4294967295); the same seed gives\n"
      "              the same moves. Default: the millisecond clock.\n"
      "  --moves N   the number of moves (0 to 2147483647)\n",
      Options,
      Arguments,
      0,
      RunScramble,
  };
  return command;
}

}  // namespace tq::cli
