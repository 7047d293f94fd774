// The bash completion of trommelquirl-cli, made from its command table: the commands, each
// command's options, and file names where a command or an option takes a FILE.
#pragma once

#include <span>
#include <string>

#include "cli/commands.h"

namespace tq::cli::docs {

// A bash script that defines the completion for trommelquirl-cli when sourced.
std::string BashCompletion(std::span<const CommandInfo* const> commands);

}  // namespace tq::cli::docs
