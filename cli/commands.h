// The commands of trommelquirl-cli: their options, arguments, help and what runs them.
#pragma once

#include <span>
#include <string_view>

#include "cli/arguments.h"
#include "cli/console.h"

namespace tq::cli {

struct CommandInfo {
  std::string_view Name;
  std::string_view Summary;  // one line for the command list
  std::string_view Usage;    // what follows "usage: trommelquirl-cli "
  // The rest of COMMAND --help: paragraphs apart by blank lines. Every option is described in
  // a paragraph of its own lines "  --name VALUE   what it does", the text going on, indented,
  // on the lines below; the manual page is made from these lines.
  std::string_view Help;
  std::span<const OptionInfo> Options;
  std::span<const std::string_view> Arguments;  // names of the positional arguments, in order
  size_t RequiredArguments;                     // the first this many must be given
  int (*Run)(Console& console, const ParsedArguments& args);
  bool LastRepeats = false;  // the last argument may be given any number of times
};

// What a LAYOUT argument is, for the program's help and its manual page.
inline constexpr std::string_view LayoutHelp =
    "A LAYOUT is 26 characters, one per slot, column by column: a space (or \"_\") for an\n"
    "empty slot, 0 to 5 for a ball of that colour. The start position is\n"
    "\"30000_111132222_444435555_\".\n";

// Every command, in the order the help lists them.
std::span<const CommandInfo* const> AllCommands();

const CommandInfo& SolveCommand();
const CommandInfo& ScrambleCommand();
const CommandInfo& ApplyCommand();
const CommandInfo& VerifyCommand();
const CommandInfo& ExplainCommand();
const CommandInfo& OptimalCommand();

}  // namespace tq::cli
