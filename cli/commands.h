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
  std::string_view Help;     // the rest of COMMAND --help
  std::span<const OptionInfo> Options;
  std::span<const std::string_view> Arguments;  // names of the positional arguments, in order
  size_t RequiredArguments;                     // the first this many must be given
  int (*Run)(Console& console, const ParsedArguments& args);
};

const CommandInfo& SolveCommand();
const CommandInfo& ScrambleCommand();
const CommandInfo& ApplyCommand();
const CommandInfo& VerifyCommand();
const CommandInfo& ExplainCommand();

}  // namespace tq::cli
