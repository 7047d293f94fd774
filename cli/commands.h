// The commands of trommelquirl-cli: their options, arguments, help and what runs them.
#pragma once

#include <span>
#include <string_view>

#include "cli/arguments.h"
#include "cli/console.h"

namespace tq::cli {

// A command: what runs it, and everything its help, manual page and completion say of it.
// Texts hold paragraphs one per line; they are wrapped where they are shown.
struct CommandInfo {
  std::string_view Name = {};
  std::string_view Summary = {};  // one line for the command list
  std::string_view About = {};    // what the command does, before the options
  std::span<const OptionInfo> Options = {};
  std::string_view Notes = {};                       // after the options, such as the exit statuses
  std::span<const std::string_view> Arguments = {};  // names of the positional arguments, in order
  size_t RequiredArguments = 0;                 // the first this many must be given
  bool LastRepeats = false;                     // the last argument may be given any number of times
  int (*Run)(Console& console, const ParsedArguments& args) = nullptr;
};

// What a LAYOUT argument is, for the program's help and its manual page.
inline constexpr std::string_view LayoutHelp =
    "A LAYOUT is 26 characters, one per slot, column by column: \"_\" (or a space) for an empty slot, "
    "0 to 5 for a ball of that colour. The start position is \"30000_111132222_444435555_\". Every "
    "layout the program prints is written with \"_\".";

// Every command, in the order the help lists them.
std::span<const CommandInfo* const> AllCommands();

const CommandInfo& SolveCommand();
const CommandInfo& ScrambleCommand();
const CommandInfo& ApplyCommand();
const CommandInfo& VerifyCommand();
const CommandInfo& ExplainCommand();
const CommandInfo& OptimalCommand();

}  // namespace tq::cli
