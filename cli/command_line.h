// The whole command line: picks the command, answers --help, checks the argument count.
#pragma once

#include <span>
#include <string>

#include "cli/console.h"

namespace tq::cli {

// args excludes the program name. Gives the process exit status.
int RunCommandLine(Console& console, std::span<const std::string> args);

}  // namespace tq::cli
